#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/Grade.h"
#include "base/Numbers.h"

namespace kestrova {
namespace {

TEST(Numbers, HalvesRoundToTheEvenNeighbour) {
  // Depth 25 gives 2 pages, depth 35 gives 4 pages.
  const std::pair<double, int> cases[] = {{0.5, 0},    {1.5, 2},       {2.5, 2},      {3.5, 4},
                                          {-0.5, 0},   {-1.5, -2},     {-2.5, -2},    {2.4999, 2},
                                          {2.5001, 3}, {25 / 10.0, 2}, {35 / 10.0, 4}};
  for (auto [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(Numbers, IntegersSaturateInsteadOfWrapping) {
  EXPECT_EQ(ToIntegerSaturated(40000), kIntegerMax);
  EXPECT_EQ(ToIntegerSaturated(-40000), kIntegerMin);
  EXPECT_EQ(ToIntegerSaturated(std::nan("")), 0);
  EXPECT_EQ(ToIntegerSaturated(32766.5), 32766);
  EXPECT_EQ(AddSaturated(32000, 1000), kIntegerMax);
  EXPECT_EQ(SubSaturated(-32000, 1000), kIntegerMin);
  EXPECT_EQ(MulSaturated(300, 300), kIntegerMax);
  EXPECT_EQ(MulSaturated(-300, 300), kIntegerMin);
  Integer out = 7;
  EXPECT_FALSE(ToIntegerChecked(32768, out));
  EXPECT_EQ(out, 7) << "a refused conversion leaves the target alone";
  EXPECT_TRUE(ToIntegerChecked(-32768, out));
  EXPECT_EQ(out, -32768);
  EXPECT_EQ(ToLongSaturated(1e12), std::numeric_limits<Long>::max());
}

TEST(Numbers, DigitFormatsPadWithZeros) {
  EXPECT_EQ(FormatDigits(50, 3), "050");
  EXPECT_EQ(FormatDigits(1234, 3), "1234");
  EXPECT_EQ(FormatDigits(-7, 3), "-007");
  EXPECT_EQ(FormatDigits(std::numeric_limits<long long>::min(), 2), "-9223372036854775808");
}

TEST(Grade, BandsEndAtTenTwentyThirtyForty) {
  const std::pair<int, const char*> cases[] = {
      {-3, "BAD"},  {0, "BAD"},   {1, "SUPER"}, {10, "SUPER"}, {11, "GOOD"}, {20, "GOOD"},
      {21, "FAIR"}, {30, "FAIR"}, {31, "POOR"}, {40, "POOR"},  {41, "BAD"}};
  for (auto [rank, grade] : cases) EXPECT_EQ(GetGradeRanking(rank), grade) << rank;
}

}  // namespace
}  // namespace kestrova

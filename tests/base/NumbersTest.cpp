#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/Grade.h"
#include "base/Numbers.h"

namespace kestrova {
namespace {

TEST(Numbers, HalvesRoundToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
  // Depth 25 gives 2 pages, depth 35 gives 4 pages.
  EXPECT_EQ(RoundHalfEven(25 / 10.0), 2);
  EXPECT_EQ(RoundHalfEven(35 / 10.0), 4);
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
  EXPECT_EQ(FormatDigits(5, 2), "05");
  EXPECT_EQ(FormatDigits(50, 3), "050");
  EXPECT_EQ(FormatDigits(1234, 3), "1234");
  EXPECT_EQ(FormatDigits(42, 5), "00042");
  EXPECT_EQ(FormatDigits(-7, 3), "-007");
  EXPECT_EQ(FormatDigits(std::numeric_limits<long long>::min(), 2), "-9223372036854775808");
}

TEST(Grade, BandsEndAtTenTwentyThirtyForty) {
  EXPECT_EQ(GetGradeRanking(0), "BAD");
  EXPECT_EQ(GetGradeRanking(1), "SUPER");
  EXPECT_EQ(GetGradeRanking(10), "SUPER");
  EXPECT_EQ(GetGradeRanking(11), "GOOD");
  EXPECT_EQ(GetGradeRanking(20), "GOOD");
  EXPECT_EQ(GetGradeRanking(21), "FAIR");
  EXPECT_EQ(GetGradeRanking(30), "FAIR");
  EXPECT_EQ(GetGradeRanking(31), "POOR");
  EXPECT_EQ(GetGradeRanking(40), "POOR");
  EXPECT_EQ(GetGradeRanking(41), "BAD");
  EXPECT_EQ(GetGradeRanking(-3), "BAD");
}

}  // namespace
}  // namespace kestrova

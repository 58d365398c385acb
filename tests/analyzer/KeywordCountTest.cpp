#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "analyzer/KeywordCount.h"

namespace kestrova {
namespace {

TEST(KeywordCount, OccurrencesOverlapIgnoreCaseAndStopAtStop) {
  EXPECT_EQ(CountOccurrences("aaaa", "aa"), 3);
  EXPECT_EQ(CountOccurrences("Rank RANK rank", "rank"), 3);
  EXPECT_EQ(CountOccurrences("\xC9t\xE9 \xE9T\xC9", "\xE9t\xE9"), 2);  // Latin-1 letters
  // The keyword is taken as given: its spaces count.
  EXPECT_EQ(CountOccurrences("a b ab", " b"), 1);
  EXPECT_EQ(CountOccurrences("anything", ""), 0);
  EXPECT_EQ(CountOccurrences(std::string(100000, 'a'), "a"), 32767);
  // Stop makes the count zero.
  EXPECT_EQ(CountOccurrences("a a a", "a", [] { return true; }), 0);
}

TEST(KeywordCount, WordsAreRunsBetweenSpacesAndLineBreaks) {
  EXPECT_EQ(WordCount("   "), 0);
  EXPECT_EQ(WordCount(" one\r\ntwo  three\n"), 3);
  EXPECT_EQ(WordCount("tab\tjoined"), 1);
  std::string many;
  for (int i = 0; i < 40000; ++i) many += "w ";
  EXPECT_EQ(WordCount(many), 32767);
}

std::string Words(const std::string& first, int others) {
  std::string text = first;
  for (int i = 0; i < others; ++i) text += " w";
  return text;
}

TEST(KeywordCount, DensityRoundsHalvesToEven) {
  const std::tuple<std::string, int, int> cases[] = {{"rank two three", 1, 33},
                                                     {Words("rank rank rank", 97), 3, 3},
                                                     {Words("rank", 7), 1, 12},             // 12.5
                                                     {Words("rank rank rank", 5), 3, 38},   // 37.5
                                                     {Words("rank rank rank", 197), 3, 2},  // 1.5
                                                     {"no match here", 0, 0}};
  for (const auto& [text, wantCount, wantDensity] : cases) {
    Integer count = -1, density = -1;
    KeywordDensity(text, "rank", count, density);
    EXPECT_EQ(count, wantCount) << text;
    EXPECT_EQ(density, wantDensity) << text;
  }
}

TEST(KeywordCount, DensityNeverOverflowsOrDividesByZero) {
  Integer count = 0, density = 0;
  // One long word holding the keyword thousands of times.
  KeywordDensity(std::string(50000, 'a'), "aa", count, density);
  EXPECT_EQ(count, 32767);
  EXPECT_EQ(density, 32767);
  // A keyword of line breaks occurs in a text that has no words.
  KeywordDensity("\r\n\r\n", "\r\n", count, density);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(density, 0);
  // More than 32767 words: the density uses the true number of words.
  std::string longPage;
  for (int i = 0; i < 20000; ++i) longPage += "k ";
  for (int i = 0; i < 80000; ++i) longPage += "w ";
  KeywordDensity(longPage, "k", count, density);
  EXPECT_EQ(count, 20000);
  EXPECT_EQ(density, 20);
}

}  // namespace
}  // namespace kestrova

#include <gtest/gtest.h>

#include <string>

#include "analyzer/KeywordCount.h"

namespace kestrova {
namespace {

TEST(KeywordCount, OccurrencesOverlapAndIgnoreCase) {
  EXPECT_EQ(CountOccurrences("aaaa", "aa"), 3);
  EXPECT_EQ(CountOccurrences("Rank RANK rank", "rank"), 3);
  EXPECT_EQ(CountOccurrences("\xC9t\xE9 \xE9T\xC9", "\xE9t\xE9"), 2);  // Latin-1 letters
  // The keyword is taken as given: its spaces count.
  EXPECT_EQ(CountOccurrences("a b ab", " b"), 1);
  EXPECT_EQ(CountOccurrences("anything", ""), 0);
  EXPECT_EQ(CountOccurrences("a   b", "  "), 0);
  EXPECT_EQ(CountOccurrences("", "a"), 0);
  EXPECT_EQ(CountOccurrences(std::string(100000, 'a'), "a"), 32767);
}

TEST(KeywordCount, StopMakesTheCountZero) {
  EXPECT_EQ(CountOccurrences("a a a", "a", [] { return true; }), 0);
  EXPECT_EQ(CountOccurrences("a a a", "a", [] { return false; }), 3);
}

TEST(KeywordCount, WordsAreRunsBetweenSpacesAndLineBreaks) {
  EXPECT_EQ(WordCount(""), 0);
  EXPECT_EQ(WordCount("   "), 0);
  EXPECT_EQ(WordCount(" one\r\ntwo  three\n"), 3);
  EXPECT_EQ(WordCount("tab\tjoined"), 1);
  std::string many;
  for (int i = 0; i < 40000; ++i) many += "w ";
  EXPECT_EQ(WordCount(many), 32767);
}

TEST(KeywordCount, DensityRoundsHalvesToEven) {
  Integer count = -1, density = -1;
  KeywordDensity("rank two three", "rank", count, density);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(density, 33);

  std::string hundred = "key key key";
  for (int i = 0; i < 97; ++i) hundred += " w";
  KeywordDensity(hundred, "key", count, density);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(density, 3);

  KeywordDensity("k 2 3 4 5 6 7 8", "k", count, density);  // 12.5
  EXPECT_EQ(density, 12);
  KeywordDensity("k k k 4 5 6 7 8", "k", count, density);  // 37.5
  EXPECT_EQ(density, 38);
  std::string twoHundred = "k k k";
  for (int i = 0; i < 197; ++i) twoHundred += " w";
  KeywordDensity(twoHundred, "k", count, density);  // exactly 1.5
  EXPECT_EQ(density, 2);

  KeywordDensity("no match here", "rank", count, density);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(density, 0);
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

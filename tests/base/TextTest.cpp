#include <gtest/gtest.h>

#include "base/Text.h"

namespace kestrova {
namespace {

TEST(Text, FindCountsFromOneAndHonoursTheStart) {
  EXPECT_EQ(Find("abcabc", "bc", 3), 5);
  EXPECT_EQ(Find("abcabc", "bc", 6), 0);
  EXPECT_EQ(Find("abcabc", "bc", 0), 2) << "a start below 1 counts as 1";
  EXPECT_EQ(Find("abc", "", 4), 4) << "an empty needle is found where the search starts";
  EXPECT_EQ(Find("abc", "", 5), 0);
  EXPECT_EQ(Find("abc", "ABC"), 0) << "Find compares exactly";
  EXPECT_EQ(FindLastNoCase("ab>cd>ef", ">", 5), 3);
  EXPECT_EQ(FindLastNoCase("ab>cd>ef", ">", 2), 0);
  EXPECT_EQ(FindLastNoCase("xAbx", "ab", 100), 2);
  EXPECT_EQ(FindLastNoCase("ab", "ab", 0), 0);
}

TEST(Text, FindNoCaseIgnoresCaseOfAsciiAndLatinLetters) {
  EXPECT_EQ(FindNoCase("<HTML><Body>", "<body"), 7);
  EXPECT_EQ(FindNoCase("Eintr\xC4GE", "eintr\xE4ge"), 1) << "A umlaut pairs with a umlaut";
  EXPECT_EQ(FindNoCase("x\x9F", "\xFF"), 2) << "Y diaeresis pairs across the code page";
  EXPECT_EQ(FindNoCase("\xD7", "\xF7"), 0) << "multiplication and division signs are not letters";
  EXPECT_EQ(FindNoCase("aAaAb", "AB"), 4);
  EXPECT_EQ(FindNoCase("ab", "abc"), 0);
  EXPECT_EQ(FindNoCase("abcABC", "abc", 2), 4);
  EXPECT_EQ(FindNoCase("abc", "c", 99), 0);
}

TEST(Text, FindNoCaseStaysLinearOnManyNearMisses) {
  // Many lower-case starts and one distant upper-case start: each byte is looked at
  // a bounded number of times, so this finishes at once even for a large text.
  std::string page(2'000'000, 'a');
  page += "AB";
  EXPECT_EQ(FindNoCase(page, "ab"), 2'000'001);
  // Repeated searches from a moving start, where the upper-case partner never
  // occurs: each search costs only the distance to its match.
  std::string entries;
  for (int i = 0; i < 100'000; ++i) entries += "<b>x</b>";
  int found = 0;
  for (Pos at = FindNoCase(entries, "b>x"); at != 0; at = FindNoCase(entries, "b>x", at + 1))
    ++found;
  EXPECT_EQ(found, 100'000);
}

TEST(Text, CuttingTrimmingAndNumbersNeverReadOutsideTheText) {
  EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Mid("abcdef", 7), "");
  EXPECT_EQ(Mid("abcdef", 0, 2), "ab");
  EXPECT_EQ(Mid("abcdef", 5, 100), "ef");
  EXPECT_EQ(Left("abc", -1), "");
  EXPECT_EQ(Right("abc", 9), "abc");
  EXPECT_EQ(TrimSpaces("\ta\r\n"), "\ta\r\n") << "only spaces are trimmed";
  EXPECT_EQ(TrimSpaces("    "), "");
  EXPECT_EQ(TrimLeftSpaces("  a "), "a ");
  EXPECT_EQ(TrimRightSpaces("  a "), "  a");
  EXPECT_EQ(LeadingNumber("  12abc"), 12);
  EXPECT_EQ(LeadingNumber("-3.5x"), -3.5);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("1,234"), 1);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
}

TEST(Text, ReplaceAllAndCaseHelpers) {
  EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "aa") << "replacements do not rescan their output";
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(LowerCase("WWW.\xC9T\xC9.Com"), "www.\xE9t\xE9.com");
  EXPECT_EQ(UpperCase("stra\xDF"), "STRA\xDF") << "sharp s has no single upper form";
  EXPECT_FALSE(StartsWithNoCase("ww", "www."));
  EXPECT_TRUE(EqualsNoCase("Google", "gOOGLE"));
}

}  // namespace
}  // namespace kestrova

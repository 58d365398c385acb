#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/NoCaseSearch.h"
#include "base/Text.h"

namespace kestrova {
namespace {

TEST(NoCaseSearch, AgreesWithFindNoCaseAtTheEdges) {
  struct Case {
    std::string text, needle;
    Pos start;
  };
  const Case cases[] = {
      {"abc", "", 1},
      {"abc", "", 4},
      {"abc", "", 5},
      {"abc", "", 0},
      {"abc", "abcd", 1},
      {"abc", "ABC", 1},
      {"abc", "c", 3},
      {"abc", "c", 4},
      {"", "a", 1},
      {"", "", 1},
      {"aXa", "xA", -7},
      {"ab ab", " AB", 1},
      {"aab", "ab", 1},
      {"abab", "ab", 2},
      {"a.b.c", ".C", 1},
      {"zzzz", "zz", 3},
      {"\xC9T\xC9", "\xE9t\xE9", 1},  // Latin-1 letters fold
      {"\x9F", "\xFF", 1},            // the Y diaeresis pair
      {"\xD7", "\xF7", 1},            // signs do not fold
      {" pages found. 12", " PAGES found.", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NoCaseSearcher(c.needle).Find(c.text, c.start), FindNoCase(c.text, c.needle, c.start))
        << '"' << c.text << "\" / \"" << c.needle << "\" from " << c.start;
  }
}

TEST(NoCaseSearch, AgreesWithFindNoCaseOnRandomTexts) {
  // A small alphabet with both cases makes near misses and repeats common.
  const std::string alphabet = "aAbB .<\xE9\xC9";
  std::mt19937 random(20260);
  auto pick = [&](size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    return text;
  };
  for (int round = 0; round < 4000; ++round) {
    const std::string text = pick(random() % 60);
    const std::string needle = pick(random() % 6);
    const Pos start = static_cast<Pos>(random() % 64) - 1;
    ASSERT_EQ(NoCaseSearcher(needle).Find(text, start), FindNoCase(text, needle, start))
        << '"' << text << "\" / \"" << needle << "\" from " << start;
  }
}

}  // namespace
}  // namespace kestrova

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/NoCaseSearch.h"
#include "base/Text.h"

namespace kestrova {
namespace {

// The searcher must find exactly what FindNoCase finds: random texts from a small
// alphabet with both cases, the Latin-1 pairs and the two signs that do not fold
// make near misses and repeats common; starts run from below 1 to past the end.
TEST(NoCaseSearch, AgreesWithFindNoCase) {
  const std::string alphabet = "aAbB .<\xE9\xC9\x9F\xFF\xD7\xF7";
  std::mt19937 random(20260);
  auto pick = [&](size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    return text;
  };
  auto expectSame = [](const std::string& text, const std::string& needle, Pos start) {
    ASSERT_EQ(NoCaseSearcher(needle).Find(text, start), FindNoCase(text, needle, start))
        << '"' << text << "\" / \"" << needle << "\" from " << start;
  };
  for (Pos start : {-7, 0, 1, 4, 5}) expectSame("abc", "", start);
  expectSame("", "", 1);
  expectSame("abc", "abcd", 1);
  expectSame(" pages found. 12", " PAGES found.", 1);
  for (int round = 0; round < 4000; ++round) {
    const std::string text = pick(random() % 60);
    const std::string needle = pick(random() % 6);
    expectSame(text, needle, static_cast<Pos>(random() % 64) - 1);
  }
}

}  // namespace
}  // namespace kestrova

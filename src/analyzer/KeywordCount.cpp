#include "analyzer/KeywordCount.h"

#include <limits>
#include <string>

#include "base/Text.h"

namespace kestrova {
namespace {

bool Stopped(const StopCheck& stopRequested) {
  return stopRequested && stopRequested();
}

bool IsWordBreak(char c) {
  return c == ' ' || c == '\r' || c == '\n';
}

// Words without the 16-bit cap, so a long page's density stays true.
long long CountWords(std::string_view text, long long limit) {
  long long words = 0;
  bool inWord = false;
  for (char c : text) {
    if (IsWordBreak(c)) {
      inWord = false;
    } else if (!inWord) {
      inWord = true;
      if (words == limit) break;
      ++words;
    }
  }
  return words;
}

}  // namespace

Integer CountOccurrences(std::string_view text, std::string_view keyword,
                         const StopCheck& stopRequested) {
  if (keyword.find_first_not_of(' ') == std::string_view::npos) return 0;
  if (Stopped(stopRequested)) return 0;
  // Folding both once keeps each search proportional to the distance to its hit.
  const std::string foldedText = LowerCase(text);
  const std::string foldedKeyword = LowerCase(keyword);
  Integer count = 0;
  size_t hit = foldedText.find(foldedKeyword);
  while (hit != std::string::npos && count < kIntegerMax) {
    ++count;
    hit = foldedText.find(foldedKeyword, hit + 1);
  }
  return Stopped(stopRequested) ? 0 : count;
}

Integer WordCount(std::string_view text) {
  return static_cast<Integer>(CountWords(text, kIntegerMax));
}

void KeywordDensity(std::string_view text, std::string_view keyword, Integer& count,
                    Integer& density, const StopCheck& stopRequested) {
  count = CountOccurrences(text, keyword, stopRequested);
  density = 0;
  if (count == 0) return;
  long long words = CountWords(text, std::numeric_limits<long long>::max());
  // A keyword of line breaks alone can occur in a text without words.
  if (words == 0) return;
  // count x 100 / words keeps exact halves exact, so they go to the even neighbour.
  density = ToIntegerSaturated(count * 100.0 / words);
}

}  // namespace kestrova

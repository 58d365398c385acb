// The anchor byte is picked by how common such bytes are in HTML and prose:
// punctuation such as "." or ":" is rare, spaces and frequent letters are not.
#include "base/NoCaseSearch.h"

#include <algorithm>
#include <cstring>

namespace kestrova {
namespace {

inline unsigned char Lower(char c) {
  return static_cast<unsigned char>(ToLowerChar(c));
}

// Higher is rarer in page text; ties keep the earliest byte.
int Rarity(unsigned char lower) {
  if (lower == ' ') return 0;
  if (std::strchr("etaoinsrhl", lower) != nullptr && lower != 0) return 1;
  if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9')) return 2;
  if (lower != 0 && std::strchr("<>\"=/\r\n\t", lower) != nullptr) return 2;
  return 3;
}

}  // namespace

NoCaseSearcher::NoCaseSearcher(std::string_view needle) {
  lowerNeedle_.reserve(needle.size());
  for (char c : needle) lowerNeedle_ += static_cast<char>(Lower(c));
  int best = -1;
  for (std::size_t i = 0; i < lowerNeedle_.size(); ++i) {
    const int rarity = Rarity(static_cast<unsigned char>(lowerNeedle_[i]));
    if (rarity > best) best = rarity, anchor_ = i;
  }
  if (!lowerNeedle_.empty()) {
    anchorLower_ = static_cast<unsigned char>(lowerNeedle_[anchor_]);
    anchorUpper_ = static_cast<unsigned char>(ToUpperChar(static_cast<char>(anchorLower_)));
  }
}

Pos NoCaseSearcher::Find(std::string_view text, Pos start) const {
  const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  const std::size_t length = lowerNeedle_.size();
  if (from > text.size() || length > text.size() - from) return 0;
  if (length == 0) return static_cast<Pos>(from + 1);
  const char* data = text.data();
  // Anchor bytes of possible matches lie in [first, last]; the match begins
  // anchor_ bytes earlier.
  const std::size_t first = from + anchor_;
  const std::size_t last = text.size() - length + anchor_;
  auto next = [&](unsigned char c, std::size_t at) -> std::size_t {
    const void* hit = std::memchr(data + at, c, last - at + 1);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data) : text.size();
  };
  const bool twoCases = anchorUpper_ != anchorLower_;
  std::size_t nextLower = next(anchorLower_, first);
  std::size_t nextUpper = twoCases ? next(anchorUpper_, first) : text.size();
  for (std::size_t at = first;;) {
    if (nextLower < at) nextLower = next(anchorLower_, at);
    if (twoCases && nextUpper < at) nextUpper = next(anchorUpper_, at);
    at = std::min(nextLower, nextUpper);
    if (at > last) return 0;
    const char* candidate = data + (at - anchor_);
    std::size_t k = 0;
    while (k < length && Lower(candidate[k]) == static_cast<unsigned char>(lowerNeedle_[k])) ++k;
    if (k == length) return static_cast<Pos>(at - anchor_ + 1);
    if (++at > last) return 0;
  }
}

}  // namespace kestrova

// A case-ignoring search prepared once per needle. FindNoCase jumps between
// occurrences of the needle's first byte, which crawls through page text when
// that byte is common (a space begins many results-start texts); this searcher
// jumps between occurrences of the needle's least common-looking byte instead.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/Text.h"

namespace kestrova {

class NoCaseSearcher {
 public:
  explicit NoCaseSearcher(std::string_view needle);

  // The same answer as FindNoCase(text, needle, start), edge cases included.
  Pos Find(std::string_view text, Pos start = 1) const;

 private:
  std::string lowerNeedle_;
  std::size_t anchor_ = 0;  // index of the byte whose occurrences are visited
  unsigned char anchorLower_ = 0, anchorUpper_ = 0;
};

}  // namespace kestrova

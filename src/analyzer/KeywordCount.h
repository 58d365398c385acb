// Measuring a keyword in a part of a page: how often it occurs, how many words the
// part has, and the keyword's density there in whole percent.
#pragma once

#include <functional>
#include <string_view>

#include "base/Numbers.h"

namespace kestrova {

// Asked whether the person has pressed Stop; an empty function means never.
using StopCheck = std::function<bool()>;

// Case-insensitive occurrences of `keyword` (as given, not trimmed) in `text`; each
// search restarts one character after the previous hit, so overlaps count. 0 for
// an empty or all-space keyword and when Stop is pressed; at most 32767.
Integer CountOccurrences(std::string_view text, std::string_view keyword,
                         const StopCheck& stopRequested = {});

// Runs of characters other than space, CR and LF; at most 32767.
Integer WordCount(std::string_view text);

// count = CountOccurrences; density = count / words x 100, halves to even, 0 when
// the keyword does not occur (or the text has no words), at most 32767. The words
// are counted without WordCount's cap, so a page of more than 32767 words still
// gets its true density.
void KeywordDensity(std::string_view text, std::string_view keyword, Integer& count,
                    Integer& density, const StopCheck& stopRequested = {});

}  // namespace kestrova

// Engine-independent readers of a page rewritten by ParseResultPage: the domain's
// position (the number of the marked entry in front of it) and the top URLs.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "engines/EngineRecord.h"
#include "engines/ResultList.h"

namespace kestrova {

using ResultsStartList = std::array<std::string, kResultsStartSlots>;

// The first run of digits of `text` (a "," right after one of its digits stays),
// every other character blanked, then trimmed: "ab 1,234 x 56" gives "1,234".
std::string FirstDigitRun(std::string_view text);

// Looks for `domain` after the first of `startTexts` (slots 0..lastSlot, the first
// empty slot ends them) that occurs on the page: as typed, then a "www." prefix
// (any case) as ".", then that "." as ":". "HotBot" pages are also searched for
// the domain as the engine codes it. On a hit, `position` becomes the number of
// the first marked entry after the nearest "<b" in front of the hit, when one can
// be read; otherwise `position` is left as it was. Returns whether the domain occurs.
bool FindDomainPosition(std::string_view engineName, std::string_view domain,
                        std::string_view pageText, int lastSlot, const ResultsStartList& startTexts,
                        Integer& position);

// Fills `list` with the link targets of the first marked entries, slot
// 10 x pageIndex + 1 onwards (so only the first page, index 0, fills any slot).
// "Excite" links carry the target after a ";".
void ExtractTopUrls(std::string_view keyword, std::string_view engineName,
                    std::string_view pageText, Integer pageIndex, ResultList& list);

}  // namespace kestrova

// The engine check: one keyword on one engine. Walks the engine's result pages
// down to the project's keyword depth, finds the domain's page and position,
// takes the first page's top URLs, saves every fetched page and writes one
// Keyword Log line per page.
#pragma once

#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "ranking/RecordUpdate.h"
#include "ranking/RunServices.h"

namespace kestrova {

// A page whose answer keeps redirecting is given up after this many redirects.
inline constexpr int kMaxRedirectsPerPage = 10;

// Checks `keyword` on the engine named `engineName`. An engine the catalogue does
// not know gives a failed outcome and nothing else happens.
CheckOutcome CheckEngine(RunServices& services, std::string_view keyword,
                         std::string_view engineName);

// Last 0-based page index for a keyword depth: depth / 10 rounded halves-to-even,
// less one, never below 0 (15 and 25 give 1, 35 gives 3, 0 to 5 give 0).
Integer LastPageIndex(Integer keywordDepth);

// "50%   Page 01 of 02": the progress caption for page index k of 0..last.
int ProgressPercent(Integer pageIndex, Integer lastPageIndex);
std::string ProgressCaption(Integer pageIndex, Integer lastPageIndex);

// The page saved in place of an empty answer.
std::string NoResultsPage(std::string_view color, std::string_view status,
                          std::string_view engineName);

}  // namespace kestrova

// Result pages in each catalogue engine's own layout: the texts the keyword
// check looks for, ten entries in the engine's numbering and link forms, and
// realistic surrounding HTML of varied size.
#pragma once

#include "base/HtmlEscape.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engines/EngineRecord.h"
#include "sim/SyntheticIndex.h"

namespace kestrova::sim {

struct ResultPageInput {
  const EngineRecord* engine = nullptr;
  std::string keywordHtml;     // the keyword as typed, escaped for HTML
  std::string encodedKeyword;  // as it stands in the query path
  int pageIndex = 0;           // 0 = first result page
  std::vector<ResultEntry> entries;
  std::uint64_t pageSeed = 0;  // picks link forms and the page size
  long hitCount = 0;           // the total the engine claims
};

// True for every engine name the simulator has a layout for.
bool HasLayout(std::string_view engineName);

// The HTML of one result page (no HTTP header). `minimumBytes` pads the page to
// at least that size after its entries (0: a size chosen by the page seed).
std::string RenderResultPage(const ResultPageInput& input, long minimumBytes = 0);

// The same page in three pieces, so a padded page of any size can be sent
// without being held: `before`, then `padding` bytes of PaddingPattern() repeated
// from its start (and cut where the count ends), then `after`.
struct ResultPagePieces {
  std::string before;
  std::size_t padding = 0;
  std::string after;
};
ResultPagePieces RenderResultPagePieces(const ResultPageInput& input, long minimumBytes);
std::string_view PaddingPattern();

// The engine's page for a keyword without results; it holds the engine's
// no-results text.
std::string RenderNoResultsPage(const EngineRecord& engine, std::string_view keywordHtml);

// A URL with ":", "/" and "." coded, as engines put targets into their own links.
std::string CodeUrl(std::string_view url);

}  // namespace kestrova::sim

// The result rule of an engine from the user's engines file: an XPath 1.0
// expression over the page as libxml2's HTML parser reads it, selecting the
// result links in page order (their href attributes, or the link elements).
// A page is rewritten into the marked form of the built-in parsers, so the
// position and top-URL readers treat it like any other engine's.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Numbers.h"

namespace kestrova {

// No page lists more result links than this; the rest stay unmarked.
inline constexpr std::size_t kMaxResultLinks = 1000;

// Empty when `expression` is a usable rule; otherwise why not (libxml2's reason
// for an expression that does not compile, or what it selects instead of nodes).
std::string CheckResultLinkRule(std::string_view expression);

struct ResultLink {
  std::size_t tagStart = 0;  // 0-based offset of the link's "<" in the page
  std::string href;          // the selected value, character references decoded
};

// The links `expression` selects on `page` (a whole HTTP answer or just its
// HTML), in page order, each link once. A page or rule that yields nothing
// gives an empty list. The page's bytes are read as single-byte text, so what
// comes back is the page's own bytes whatever its declared encoding.
std::vector<ResultLink> SelectResultLinks(std::string_view page, std::string_view expression);

// Puts "<b>N. </b>" + the Point marker + "<a href="URL"></a>" in front of every
// selected link, N = 10 x pageIndex + k (k counting the links from 1). The
// original link stays as it was; the inserted one carries the URL in the form
// the readers expect. A link whose URL is empty is left out.
void MarkResultLinks(std::string& pageText, std::string_view expression, Integer pageIndex);

}  // namespace kestrova

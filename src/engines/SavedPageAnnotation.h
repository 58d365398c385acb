// Prepares a marked result page for saving: a base address so its relative links
// still work from disk, a header bar naming the keyword and engine, and, when the
// project asks for it, the keyword highlighted in the result list.
#pragma once

#include <string>
#include <string_view>

#include "base/Numbers.h"

namespace kestrova {

struct SavedPageHeader {
  std::string title;    // see SavedPageTitle
  std::string baseUrl;  // the engine's Host
  std::string keyword;  // as typed
  std::string engineName;
  std::string highlightAfter;      // the engine's first results-start text
  bool highlightKeywords = false;  // the project's HighlightKeywords is 1
};

// Rewrites `pageText` for saving. Text in front of the "<HTML>" tag (the HTTP
// header lines) is dropped; a page without "<HTML>" or "<body...>" keeps that part
// unchanged. Highlighting starts at `highlightAfter` (or the page start). The
// title is HTML; the keyword and engine name are text and are escaped.
void AnnotateSavedPage(std::string& pageText, const SavedPageHeader& header);

// The bar title of a saved page: a link to the program's web page with its name,
// and "[Page NN]" with the 0-based page index.
std::string SavedPageTitle(std::string_view programWebPage, std::string_view programName,
                           Integer pageIndex);

}  // namespace kestrova

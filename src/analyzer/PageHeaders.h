// Reading the parts of a fetched page that are not counted: the HTTP response
// headers and the CONTENT of the named META tags in the page head.
#pragma once

#include <string_view>

#include "ranking/ProjectState.h"

namespace kestrova {

// LastModified and ServerName from the "Last-Modified:" and "Server:" lines (any
// case): the trimmed text up to the line's end (CR LF or LF, or the end of the headers).
void ParseHttpHeaders(std::string_view headerText, PageAnalysisRecord& record);

// Fills the Meta fields from every "<META NAME=" + quote + name tag (any case) of
// the head; a later tag of the same name replaces an earlier one.
void ParseMetaTags(std::string_view headText, PageAnalysisRecord& record);

}  // namespace kestrova

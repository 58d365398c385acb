// Query paths: which host and which path the keyword check requests for one
// result page of one engine, with the engine's placeholders expanded.
#pragma once

#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "engines/EngineRecord.h"

namespace kestrova {

// QueryTemplates slot for page index p (0 = first result page): p for 0-3, else 4.
int TemplateSlot(Integer pageIndex);

// Expands, each at its first occurrence only and ignoring letter case, in this
// order: %SEARCH_STRING%, %INCREMENT_INTEGER% (10p + offset),
// %INCREMENT_INTEGER_LESS_ONE% (10p - 1), %LAST_INCREMENT_INTEGER% (10(p + 1)),
// %NUMTIMES_INTEGER% (p + 1), %NUMTIMES_INTEGER_PLUS_ONE% (p + 2). The search
// text is inserted first, so later steps also see it. Numbers are 16-bit and
// saturate at the Integer range instead of wrapping.
std::string ExpandQueryTemplate(std::string_view queryTemplate, std::string_view searchText,
                                Integer offset, Integer pageIndex);

// The "NorthernLight" form: %SEARCH_STRING% as above, %INCREMENT_INTEGER% by the
// chain "10(p-1)+10(p-2)+...+0" (p = 4 gives "30+20+10+0"); offset is ignored.
std::string ExpandChainedTemplate(std::string_view queryTemplate, std::string_view searchText,
                                  Integer offset, Integer pageIndex);

// Everything one page request needs.
struct QueryRequest {
  std::string Host;
  std::string Path;  // exactly as expanded: nothing prefixed, nothing escaped again
  bool UsePost = false;
};

// Host, expanded path and post flag for page index p of `engine`, given the
// already encoded search text (the check encodes the keyword once per engine).
QueryRequest BuildQueryRequest(const EngineRecord& engine, std::string_view encodedSearchText,
                               Integer pageIndex);

// As BuildQueryRequest, encoding the keyword with EncodeSearchText first.
QueryRequest BuildKeywordQuery(const EngineRecord& engine, std::string_view keyword,
                               Integer pageIndex);

}  // namespace kestrova

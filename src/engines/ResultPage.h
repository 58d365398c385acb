// Rewrites a fetched result page into marked entries: every result entry gets a
// bold rank number and the Point marker in front of its link, so the readers in
// MarkedPageReaders.h can find positions and top URLs without knowing the engine.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "base/Text.h"
#include "engines/EngineRecord.h"

namespace kestrova {

// Put in front of every result entry's link; the readers look only at marked entries.
inline constexpr std::string_view kPointMarker = "<!-- !kestrova Point! -->";

// What a HEAD request brought back: the raw answer (status line and headers) and
// whether the transfer was given up (Stop, or a connection failure).
struct HeadAnswer {
  std::string response;
  bool transferAborted = false;
};

// The seam through which a parser follows an engine's redirect link with a HEAD
// request to `host` (the engine's Host, from the record it was given) and `path`. Only "Alles Klar
// AT" uses it. The engine check wires it to HttpClient::HttpHeadPage plus the TransferAborted flag;
// tests pass scripted answers. An empty function resolves nothing.
using HeadRequest = std::function<HeadAnswer(const std::string& host, const std::string& path)>;

// Rewrites `pageText` in place with the parser of `engine`: its result rule for
// an engine of the user's engines file (ResultLinkRule.h), else the built-in
// layout of the engine named exactly engine.Name (an unknown name leaves the
// page untouched). `pageIndex` is 0 for the first result page (computed rank numbers
// are 10 x pageIndex + k). A parser that meets a malformed entry leaves that
// entry unmarked and goes on; the page keeps everything rewritten so far. Any
// input ends in bounded time and memory.
void ParseResultPage(const EngineRecord& engine, std::string& pageText, Integer pageIndex,
                     const HeadRequest& head = {});

// True when `engineName` has a parser (every catalogue engine has one).
bool HasResultParser(std::string_view engineName);

// 0 when pos is 0 or not less than the length of text; otherwise the 1-based
// position of the last occurrence of `needle` (case ignored) lying wholly within
// the first `pos` characters of `text`, 0 when there is none.
Pos LastIndexBefore(Pos pos, std::string_view text, std::string_view needle);

}  // namespace kestrova

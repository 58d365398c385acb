// The engine check: one keyword on one engine. Walks the engine's result pages
// down to the project's keyword depth, finds the domain's page and position,
// takes the first page's top URLs, saves every fetched page and notes one
// Keyword Log line per page. It runs on a check worker's thread: it reads only
// what it is handed here and shows nothing itself (see CheckLog).
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "base/Messenger.h"
#include "base/Numbers.h"
#include "engines/EngineCatalogue.h"
#include "net/NetworkState.h"
#include "ranking/CheckLog.h"
#include "ranking/PageFetcher.h"
#include "ranking/ProjectState.h"
#include "ranking/RecordUpdate.h"

namespace kestrova {

// A page whose answer keeps redirecting is given up after this many redirects.
inline constexpr int kMaxRedirectsPerPage = 10;
// A result page with its redirects and link look-ups may take this many
// time-outs in all, as long as one answer may; then it counts as timed out.
inline constexpr int kPageDeadlineTimeouts = 4;

// What a check reads of the project, copied when the run starts.
struct CheckParameters {
  std::string domain;
  std::string reportDirectory;
  Integer keywordDepth = 0;
  bool highlightKeywords = false;
  std::chrono::milliseconds timeout{0};  // of each network step
};
CheckParameters CheckParametersOf(const ProjectState& project);

// What one check works with: all borrowed, none shared with another check
// except the read-only catalogue and parameters. The check yields through
// `messenger` after each page, which is where a Stop that came between two
// fetches reaches it; it never shows a message through it.
struct CheckServices {
  const EngineCatalogue& catalogue;
  const CheckParameters& parameters;
  NetworkState& net;
  PageFetcher& fetcher;
  Messenger& messenger;
  CheckLog& log;
};

// Checks `keyword` on the engine named `engineName`. An engine the catalogue does
// not know gives a failed outcome and nothing else happens.
CheckOutcome CheckEngine(CheckServices& services, std::string_view keyword,
                         std::string_view engineName);

// Last 0-based page index for a keyword depth: depth / 10 rounded halves-to-even,
// less one, never below 0 (15 and 25 give 1, 35 gives 3, 0 to 5 give 0).
Integer LastPageIndex(Integer keywordDepth);

// The page saved in place of an empty answer.
std::string NoResultsPage(std::string_view color, std::string_view status,
                          std::string_view engineName);

}  // namespace kestrova

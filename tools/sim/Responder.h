// Turns one request into the simulator's answer: result pages for catalogue
// engines as the scenario shapes them, the front page for any other host.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engines/EngineCatalogue.h"
#include "sim/EngineRouter.h"
#include "sim/PageLayout.h"
#include "sim/Reply.h"
#include "sim/Scenario.h"
#include "sim/SyntheticIndex.h"

namespace kestrova::sim {

// Hosts under this prefix answer like the engine host after it; the redirect
// fault sends clients there, and faults of that kind do not repeat on it.
inline constexpr std::string_view kMirrorPrefix = "mirror.";

// The pause between the two answers of the second-status-line fault, long
// enough for a client to have read the first answer on its own.
inline constexpr int kSecondStatusPauseMs = 150;

class Responder {
 public:
  Responder(const EngineCatalogue& catalogue, Scenario scenario, std::string frontPage);

  // The answer to a complete request head.
  Reply Answer(std::string_view requestHead) const;

  // The HTML of result page `pageIndex` for a keyword as typed, without faults
  // (padded to `minimumBytes` as the oversize fault pads it): what the engine
  // shows, also used by tests to know what was served.
  std::string ResultPageHtml(int engineIndex, std::string_view keyword, int pageIndex,
                             long minimumBytes = 0) const;

  // The URL at an overall rank of an engine's list for a keyword as typed.
  std::string UrlAtRank(int engineIndex, std::string_view keyword, int rank) const;

  // Engines of the user's engines file whose rule selects the links of none of
  // the modern page shapes (they are served the first shape all the same).
  std::vector<std::string> UnmatchedUserEngines() const;

 private:
  Reply AnswerEngine(const EngineQuery& query, const std::string& method,
                     std::string_view requestPath, bool onMirror) const;
  std::string PageHtml(int engineIndex, std::string_view encodedKeyword, int pageIndex,
                       long minimumBytes) const;
  ResultPageInput PageInput(int engineIndex, std::string_view encodedKeyword, int pageIndex) const;
  ResultEntry EntryAt(const EngineRecord& engine, std::string_view encodedKeyword,
                      std::string_view keywordHtml, int rank) const;
  Reply AnswerEngineOther(const EngineRecord& engine, const std::string& method,
                          std::string_view path) const;

  const EngineCatalogue& catalogue_;
  Scenario scenario_;
  std::string frontPage_;
  EngineRouter router_;
  std::vector<int> modernShapes_;  // per engine index; -1: built-in, or no shape fits
};

// The keyword as typed, from its form in a query path (the reverse of the
// engine check's coding of spaces, ":", "/" and ".").
std::string DecodeKeyword(std::string_view encodedKeyword);

}  // namespace kestrova::sim

// The front-page analysis proper: splits a fetched answer into headers, head,
// title, META tags, body, comments and ALT texts, and measures the keyword in each
// part into a PageAnalysisRecord.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "analyzer/KeywordCount.h"
#include "base/Messenger.h"
#include "base/ProductInfo.h"
#include "ranking/ProjectState.h"

namespace kestrova {

enum class AnalysisOutcome {
  Analyzed,    // Status -1, every count filled
  MissingTag,  // Status 1, ProblemText names the first missing tag, counts 0
  Stopped,     // Stop was pressed while the brackets were closed up; nothing more done
};

struct AnalysisHooks {
  // The status text when the analysis began; each step shows it with its own name added.
  std::string statusAtStart;
  std::function<void(const std::string&)> showStatus;
  StopCheck stopRequested;
  // Shows the missing-tag message and lets the window breathe between steps; may be null.
  Messenger* messenger = nullptr;
  std::string messageTitle = kProductName;
};

// Analyses `pageText` (the whole HTTP answer, header lines included) for `keyword`
// into `record`; the fields the analysis does not set keep their values.
AnalysisOutcome AnalyzePage(std::string pageText, PageAnalysisRecord& record,
                            std::string_view keyword, const AnalysisHooks& hooks = {});

// "No starting <BODY tag for page from ..." as the missing-tag message shows it.
std::string MissingTagMessage(const PageAnalysisRecord& record);

}  // namespace kestrova

// The "analyse front page" action: checks the domain and keyword the person gave,
// fetches the domain's front page and analyses it into the project's
// PageAnalyses element 1, for the improvement window to show.
#pragma once

#include <functional>
#include <string>

#include "analyzer/AnalyzePage.h"
#include "base/Messenger.h"
#include "base/ProductInfo.h"
#include "net/HttpClient.h"
#include "ranking/ProjectState.h"

namespace kestrova {

inline constexpr const char* kMessageSetDomain = "Set Domain to something!";
inline constexpr const char* kMessageAddKeywords = "Add some keywords to do analysis with!";
inline constexpr const char* kMessageChooseKeyword =
    "Set or select some keywords to do analysis with!";
inline constexpr const char* kMessageCannotDownload = "Could not download page from domain of ";

// What the action reads from the main window.
struct FrontPageRequest {
  std::string domain;          // txtDomain
  int keywordEntries = 0;      // entries in the keyword box
  bool keywordChosen = false;  // one of them is selected
  std::string keywordText;     // the keyword box text
};

// Where the action reports: the message boxes, the busy mark, status panel 3.
struct FrontPageServices {
  HttpClient& client;
  Messenger& messenger;
  std::function<void(const std::string&)> showStatus;
  std::string messageTitle = kProductName;
};

enum class FrontPageOutcome {
  NoDomain,         // message shown; the domain box takes the focus
  NoKeywords,       // message shown; the keyword box takes the focus
  NoKeywordChosen,  // message shown; the keyword box takes the focus
  DownloadFailed,   // message shown; the domain box takes the focus; PageAnalyses unchanged
  Analyzed,         // PageAnalyses replaced; open the improvement window (closing any old one)
};

struct FrontPageResult {
  FrontPageOutcome outcome = FrontPageOutcome::NoDomain;
  AnalysisOutcome analysis = AnalysisOutcome::Analyzed;  // when Analyzed
};

FrontPageResult AnalyzeFrontPage(const FrontPageRequest& request, ProjectState& project,
                                 FrontPageServices& services);

}  // namespace kestrova

#include "analyzer/AnalyzeFrontPage.h"

#include "base/Numbers.h"
#include "base/Text.h"
#include "net/HttpStatus.h"
#include "net/UrlSplit.h"

namespace kestrova {
namespace {

// The answer is usable when it came and its status is below 201 (no status line counts as 0).
constexpr int kFirstFailingStatus = 201;

void Status(FrontPageServices& services, const std::string& text) {
  if (services.showStatus) services.showStatus(text);
}

FrontPageResult Refuse(FrontPageServices& services, const std::string& message,
                       FrontPageOutcome outcome) {
  services.messenger.ShowMessage(message, services.messageTitle, MessageButtons::Ok,
                                 MessageIcon::None);
  return {outcome};
}

}  // namespace

FrontPageResult AnalyzeFrontPage(const FrontPageRequest& request, ProjectState& project,
                                 FrontPageServices& services) {
  if (TrimSpaces(request.domain).empty()) {
    return Refuse(services, kMessageSetDomain, FrontPageOutcome::NoDomain);
  }
  if (request.keywordEntries == 0) {
    return Refuse(services, kMessageAddKeywords, FrontPageOutcome::NoKeywords);
  }
  if (!request.keywordChosen && request.keywordText.empty()) {
    return Refuse(services, kMessageChooseKeyword, FrontPageOutcome::NoKeywordChosen);
  }

  std::string host, path;
  SplitUrl("http://" + TrimSpaces(request.domain), host, path);

  Status(services, "Downloading front page of " + request.domain);
  NetworkState& state = services.client.State();
  services.client.SetBusyPointer(true);
  ClearStop(state);
  std::string answer = services.client.HttpGetPage(host, path).answer;
  std::string location;
  Integer status = GetHttpStatus(answer, location);
  services.client.SetBusyPointer(false);
  Status(services, "");

  if (answer.empty() || status >= kFirstFailingStatus) {
    return Refuse(services, kMessageCannotDownload + request.domain,
                  FrontPageOutcome::DownloadFailed);
  }

  AnalysisHooks hooks;
  hooks.statusAtStart = "Analyzing current page of " +
                        FormatDigits(static_cast<long long>(answer.size()), 5) + " chars";
  hooks.showStatus = services.showStatus;
  hooks.stopRequested = [&state] { return state.StopRequested; };
  hooks.messenger = &services.messenger;
  hooks.messageTitle = services.messageTitle;
  Status(services, hooks.statusAtStart);

  project.PageAnalyses.assign(2, PageAnalysisRecord{});
  PageAnalysisRecord& record = project.PageAnalyses[1];
  record.Keyword = request.keywordText;
  FrontPageResult result{FrontPageOutcome::Analyzed};
  result.analysis = AnalyzePage(std::move(answer), record, request.keywordText, hooks);
  Status(services, "Done");
  return result;
}

}  // namespace kestrova

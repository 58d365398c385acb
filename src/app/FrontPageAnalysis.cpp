// Tools, Analyze Front Page: the domain's front page against the chosen keyword,
// fetched the way a run fetches (the same proxy, user agent and time-out).
#include "app/Application.h"
#include "base/Text.h"
#include "ranking/RunRanking.h"

namespace kestrova {

std::optional<FrontPageOutcome> Application::AnalyzeFrontPage() {
  if (rank.Controller().State().RunInProgress) return std::nullopt;
  const ComboBox& box = form.cmbKeyWords[kKeywordBox];
  FrontPageRequest request;
  request.domain = TrimSpaces(form.txtDomain.text);
  request.keywordEntries = static_cast<int>(box.items.size());
  request.keywordChosen = box.listIndex >= 0;
  request.keywordText = box.listIndex >= 0 ? box.text : std::string();
  // A project not ranked yet has no entries in the box, but its keyword lines
  // name what to analyse: the first of them.
  const std::string firstLine = FirstKeywordLine(form.txtKeywords.text);
  if (request.keywordEntries == 0 && !firstLine.empty()) {
    request = {request.domain, 1, true, firstLine};
  }
  form.ReadControls();
  HttpClient& client = rank.ClientAsARunSetsIt();
  FrontPageServices services{client, dialogs, [this](const std::string& text) {
                               form.sbStatusBar[2] = text;
                               form.ShowNow();
                             }};
  const FrontPageOutcome outcome = kestrova::AnalyzeFrontPage(request, project, services).outcome;
  switch (outcome) {
    case FrontPageOutcome::NoDomain:
    case FrontPageOutcome::DownloadFailed:
      form.focus = FormFocus::Domain;
      break;
    case FrontPageOutcome::NoKeywords:
    case FrontPageOutcome::NoKeywordChosen:
      form.focus = FormFocus::KeywordBox;
      break;
    case FrontPageOutcome::Analyzed:
      form.MarkModified();
      break;
  }
  return outcome;
}

}  // namespace kestrova

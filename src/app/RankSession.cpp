#include "app/RankSession.h"

#include "app/AppTexts.h"
#include "base/Text.h"
#include "net/PosixConnection.h"

namespace kestrova {

ConnectionFactory PosixConnections() {
  return [] { return std::make_unique<PosixConnection>(); };
}

RankSession::RankSession(MainFormModel& form, Dialogs& dialogs, const Clock& clock,
                         RunObserver& frontEnd, ConnectionFactory connections)
    : form_(form),
      frontEnd_(frontEnd),
      client_(net_, dialogs, connections),
      reports_(form.project, clock, form.ranking, form.selected),
      services_{form.project, form.catalogue, net_,  HttpPageFetchers(connections, &tls),
                dialogs,      clock,          *this, reports_},
      rank_(services_, *this) {}

std::string RankSession::KeywordBoxText() const {
  return keywordText ? *keywordText : form_.txtKeywords.text;
}

RunSettings RankSession::RunSettingsNow() {
  RunSettings settings;
  settings.userAgent = userAgent ? *userAgent : form_.txtUserAgentToUse.text;
  if (proxy) {
    settings.proxy = *proxy;
  } else {
    settings.proxy = {form_.chkUseProxy.value == 1, form_.txtHttpProxy.text,
                      form_.txtPortProxy.text};
  }
  settings.jobs = jobs ? *jobs : JobsFromText(form_.txtJobs.text);
  settings.markModified = [this] {
    form_.MarkModified();
    form_.ShowNow();
  };
  return settings;
}

HttpClient& RankSession::ClientAsARunSetsIt() {
  const RunSettings now = RunSettingsNow();
  net_.UserAgent = TrimSpaces(now.userAgent);
  ApplyProxySetting(client_, now.proxy);
  const Integer seconds = form_.project.TimeOutSecs;
  if (seconds > 0) client_.SetTimeout(TimeoutFromSeconds(seconds));
  return client_;
}

void RankSession::OpenPanel(int actionIndex) {
  if (actionIndex == kEnginesAction) form_.focus = FormFocus::Engines;
  if (actionIndex == kSettingsAction) form_.focus = FormFocus::ReportDirectory;
}

void RankSession::ShowRankingGrid() {
  form_.rankingGridVisible = true;
  form_.ShowNow();
}

void RankSession::SetFocus(FocusTarget target) {
  switch (target) {
    case FocusTarget::ReportDirectory:
      form_.focus = FormFocus::ReportDirectory;
      break;
    case FocusTarget::Domain:
      form_.focus = FormFocus::Domain;
      break;
    case FocusTarget::AddKeyword:
      form_.focus = FormFocus::KeywordLines;
      break;
  }
}

void RankSession::SetRunningDisplay(bool running, const std::string& rankCaption) {
  form_.running = running;
  form_.rankCaption = rankCaption;
  form_.ShowNow();
}

void RankSession::SelectOrAddKeyword(const std::string& keyword) {
  form_.SelectOrAddKeyword(keyword);
  form_.ShowNow();
}

void RankSession::ReselectKeyword(const std::string& keyword) {
  form_.ReselectKeyword(keyword);
  form_.ShowNow();
}

void RankSession::StatusText(std::string_view text) {
  form_.sbStatusBar[2] = std::string(text);
  frontEnd_.StatusText(text);
}

void RankSession::Progress(int percent, std::string_view caption) {
  frontEnd_.Progress(percent, caption);
}

void RankSession::ProgressVisible(bool visible) {
  frontEnd_.ProgressVisible(visible);
}

void RankSession::LineStarted(int number, int count, std::string_view line) {
  form_.SelectOrAddKeyword(std::string(line));
  form_.ShowNow();
  frontEnd_.LineStarted(number, count, line);
}

void RankSession::RecordWritten(const RankingRecord& record) {
  // The grids fill as the engines finish.
  if (form_.selected && *form_.selected == record.Keyword) {
    form_.RedrawGrids();
    form_.ShowNow();
  }
  frontEnd_.RecordWritten(record);
}

void RankSession::WriteFailed(std::string_view what) {
  form_.sbStatusBar[0] = texts::kCouldNotWrite + std::string(what);
  frontEnd_.WriteFailed(what);
}

}  // namespace kestrova

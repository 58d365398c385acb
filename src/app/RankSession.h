// A ranking run's wiring over the open project: the network state, the HTTP
// client, the page fetcher and the report files, the run's services and the
// Rank action. It stands in for the window the run talks to, reading the form
// model's fields and showing the run in it; the desktop window and
// `kestrova-cli rank` both rank through it.
#pragma once

#include <optional>
#include <string>

#include "net/Connection.h"
#include "net/HttpClient.h"
#include "ranking/HttpPageFetcher.h"
#include "ranking/RankAction.h"
#include "reports/RunReportFiles.h"
#include "ui/Dialogs.h"
#include "ui/MainFormModel.h"

namespace kestrova {

// The connections of a real run: POSIX sockets.
ConnectionFactory PosixConnections();

class RankSession final : public RankWindow, public RunObserver {
 public:
  // `frontEnd` shows the run's status and progress as well (the window's
  // status bar and progress display, the command line's progress lines).
  RankSession(MainFormModel& form, Dialogs& dialogs, const Clock& clock, RunObserver& frontEnd,
              ConnectionFactory connections = PosixConnections());
  RankSession(const RankSession&) = delete;
  RankSession& operator=(const RankSession&) = delete;

  RankController& Controller() { return rank_; }
  const RankController& Controller() const { return rank_; }
  HttpClient& Client() { return client_; }
  // The client of the front-page analysis, set up as a run sets up its
  // checks: the user agent, the proxy and the project's time-out of now.
  HttpClient& ClientAsARunSetsIt();
  // Where every check is kept as well; null: only the latest records.
  void SetHistory(RunHistory* history) { services_.history = history; }
  NetworkState& Network() { return net_; }

  // What the run takes instead of the keyword box, the user-agent field and
  // the proxy fields (the command line's --keyword, --user-agent, --proxy).
  std::optional<std::string> keywordText;
  std::optional<std::string> userAgent;
  std::optional<ProxySetting> proxy;
  // --jobs: how many engines are checked at once (else the form's field).
  std::optional<int> jobs;
  // Whose certificates HTTPS engines must show (--ca-file); the system's by default.
  TlsSettings tls;

  // RankWindow: the form model's fields and controls.
  void ReadControls() override { form_.ReadControls(); }
  std::string KeywordBoxText() const override;
  std::vector<std::string> FailedEngines() const override { return form_.ranking.FailedEngines(); }
  RunSettings RunSettingsNow() override;
  bool RankingGridVisible() const override { return form_.rankingGridVisible; }
  void ShowRankingGrid() override;
  void OpenPanel(int actionIndex) override;
  void SetFocus(FocusTarget target) override;
  void FocusVisibleGrid() override { form_.focus = FormFocus::VisibleGrid; }
  void SetRunningDisplay(bool running, const std::string& rankCaption) override;
  void SelectOrAddKeyword(const std::string& keyword) override;
  void ReselectKeyword(const std::string& keyword) override;

  // RunObserver: the status bar panels of the form, then the front end.
  void StatusText(std::string_view text) override;
  void Progress(int percent, std::string_view caption) override;
  void ProgressVisible(bool visible) override;
  // The keyword box follows the run: the line being checked is chosen, so its
  // grid fills as the engines finish.
  void LineStarted(int number, int count, std::string_view line) override;
  void WriteFailed(std::string_view what) override;
  void RecordWritten(const RankingRecord& record) override;

 private:
  MainFormModel& form_;
  RunObserver& frontEnd_;
  NetworkState net_;
  HttpClient client_;  // the front-page analysis; a run's checks have their own
  RunReportFiles reports_;
  RunServices services_;
  RankController rank_;
};

}  // namespace kestrova

// The Rank action's window on the command line: the form model and grids of an
// opened project, the keyword text of the command, and the network choices of
// its options taking the place of the window's fields.
#pragma once

#include <optional>
#include <string>

#include "cli/CliSession.h"
#include "ranking/RankWindow.h"

namespace kestrova::cli {

class CliRankWindow final : public RankWindow {
 public:
  CliRankWindow(CliSession& session, std::string keywordText)
      : session_(session), keywordText_(std::move(keywordText)) {}

  // --user-agent and --proxy; without them the project's window fields count.
  std::optional<std::string> userAgent;
  std::optional<ProxySetting> proxy;
  // --jobs: how many engines are checked at once.
  int jobs = kDefaultJobs;

  void ReadControls() override { session_.form.ReadControls(); }
  std::string KeywordBoxText() const override { return keywordText_; }
  std::vector<std::string> FailedEngines() const override {
    return session_.ranking.FailedEngines();
  }
  RunSettings RunSettingsNow() override;
  void SelectOrAddKeyword(const std::string& keyword) override;
  void ReselectKeyword(const std::string& keyword) override;

 private:
  CliSession& session_;
  std::string keywordText_;
};

}  // namespace kestrova::cli

// The Rank button and what hangs off it: the checks before a run, the switch
// between the idle and the running window, the Stop action, and ReRank, which
// runs every selected engine (mode 1) or only the failed ones ("Redo", mode 0).
#pragma once

#include <string>

#include "base/Numbers.h"
#include "ranking/RankWindow.h"
#include "ranking/RunRanking.h"
#include "ranking/RunServices.h"

namespace kestrova {

inline constexpr Integer kReRankFailed = 0;
inline constexpr Integer kReRankAll = 1;

class RankController {
 public:
  RankController(RunServices& services, RankWindow& window);

  // vseActionButton_Click(3): starts a run, or stops the one in progress.
  void RankAction();
  // The Stop half of the action: flags set; the run ends its checks in flight.
  void Stop();

  bool CheckSettingsDirectories();
  bool CheckSettingsOther();
  void ToggleDisplay(bool enabled);
  void ReRank(Integer mode);

  const RunState& State() const { return state_; }
  // Caption of button 3: "Rank", "Stop", or "Ranking" while the engine panel shows.
  std::string rankCaption = "Rank";
  // How the last run ended; Finished before any run.
  RunEnd LastRunEnd() const { return lastEnd_; }
  // True when the last Rank action was refused by a check.
  bool Refused() const { return refused_; }

 private:
  RunServices& services_;
  RankWindow& window_;
  RunState state_;
  RunEnd lastEnd_ = RunEnd::Finished;
  bool refused_ = false;
};

}  // namespace kestrova

#include "ranking/RankAction.h"

#include "ranking/RunTexts.h"

namespace kestrova {

RankController::RankController(RunServices& services, RankWindow& window)
    : services_(services), window_(window) {}

void RankController::Stop() {
  // The run sees the flags the next time it takes its turn (it is the caller's
  // thread that yielded) and stops the checks in flight.
  RequestStop(services_.net);
}

void RankController::RankAction() {
  refused_ = false;
  window_.HideSettingsPanel();
  window_.HideNumTotal();
  if (!window_.RankingGridVisible()) {
    window_.ShowRankingGrid();
    return;
  }
  if (rankCaption == texts::kActionStop) {
    Stop();
    return;
  }
  window_.ReadControls();
  services_.project.KeywordText = window_.KeywordBoxText();
  if (!CheckSettingsDirectories() || !CheckSettingsOther()) {
    refused_ = true;
    return;
  }
  window_.DisplayOnlyRanking();
  // The keyword box holds single keywords: it shows the first line the run
  // checks, never the whole text of several lines as one entry.
  const std::string first = FirstKeywordLine(services_.project.KeywordText);
  if (!first.empty()) window_.SelectOrAddKeyword(first);
  ReRank(kReRankAll);
}

void RankController::ToggleDisplay(bool enabled) {
  state_.RunInProgress = !enabled;
  rankCaption = enabled ? texts::kActionRank : texts::kActionStop;
  window_.SetRunningDisplay(!enabled, rankCaption);
}

void RankController::ReRank(Integer mode) {
  window_.FocusVisibleGrid();
  std::vector<std::string> savedSelection;
  if (mode == kReRankFailed) {
    std::vector<std::string> failed = window_.FailedEngines();
    if (failed.empty()) return;
    savedSelection = std::move(services_.project.SelectedEngines);
    services_.project.SelectedEngines = std::move(failed);
  }
  ToggleDisplay(false);
  lastEnd_ = RunRanking(services_, state_, window_.RunSettingsNow());
  ToggleDisplay(true);
  if (mode == kReRankFailed) services_.project.SelectedEngines = std::move(savedSelection);
  if (lastEnd_ == RunEnd::Declined) refused_ = true;
  window_.ReselectKeyword(state_.LastRunKeyword);
}

}  // namespace kestrova

// What the Rank action needs of the main window: its panels, the keyword box,
// the grids' state and the fields read at run start. The window's form model
// implements it; the command line implements it without a screen.
#pragma once

#include <string>
#include <vector>

#include "ranking/RunRanking.h"

namespace kestrova {

// Controls the Rank action's checks send the keyboard focus to.
enum class FocusTarget { ReportDirectory, Domain, AddKeyword };

// Action-bar indices of the panels the checks open.
inline constexpr int kEnginesAction = 2;
inline constexpr int kRankAction = 3;
inline constexpr int kSettingsAction = 5;

class RankWindow {
 public:
  virtual ~RankWindow() = default;

  // ReadControls: the controls into the project.
  virtual void ReadControls() = 0;
  // Text of the keyword box (cmbKeyWords item 0).
  virtual std::string KeywordBoxText() const = 0;
  // Engines whose Result column reads exactly "Failed", in grid order ("Redo").
  virtual std::vector<std::string> FailedEngines() const = 0;
  // User agent, proxy and the edit notice, as the fields hold them now.
  virtual RunSettings RunSettingsNow() = 0;

  // Panels and layout; a window without them ignores these.
  virtual void HideSettingsPanel() {}
  virtual void HideNumTotal() {}
  virtual bool RankingGridVisible() const { return true; }
  virtual void ShowRankingGrid() {}  // and hides the top-URLs grid
  virtual void OpenPanel(int /*actionIndex*/) {}
  virtual void SetFocus(FocusTarget /*target*/) {}
  virtual void FocusVisibleGrid() {}
  virtual void DisplayOnlyRanking() {}
  // Running: the ranking area and every action button but Rank disabled.
  virtual void SetRunningDisplay(bool /*running*/, const std::string& /*rankCaption*/) {}

  // Selects the keyword box's entry equal to `keyword`, adding it when missing.
  virtual void SelectOrAddKeyword(const std::string& /*keyword*/) {}
  // Clears the selection, then selects the entry equal to `keyword` (which
  // redraws both grids); without such an entry nothing stays selected.
  virtual void ReselectKeyword(const std::string& /*keyword*/) {}
};

}  // namespace kestrova

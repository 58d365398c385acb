// The ranking grid as data: one row per catalogue engine showing, for the
// chosen keyword, trend, rank, page, position, grade, result and summary;
// with its sorts, hidden columns, context menu and the links it opens.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/Grid.h"
#include "ui/GridMouse.h"

namespace kestrova {
struct EngineCatalogue;
struct ProjectState;
class Dialogs;
}  // namespace kestrova

namespace kestrova::ui {

inline constexpr int kRankingGridCols = 10;
inline constexpr int kRankingResultCol = 8;
// The widget's width when no window gives one (the command line): 800 pixels.
inline constexpr int kDefaultGridWidth = 12000;

inline constexpr const char* kRankingHeaders[kRankingGridCols] = {
    "Search Engine", "Language", "Country", "Trend",  "Rank",
    "Page",          "Position", "Grade",   "Result", "Overall"};

// The keyword chosen in the keyword box; nothing when none is selected.
using SelectedKeyword = std::optional<std::string>;

// Text colour of a Trend text: red going down, green going up, else none
// (window text).
std::optional<Rgb> TrendColor(const std::string& changeText);
// Colour of a grade word; none (window text) for "N/A" and unknown words.
std::optional<Rgb> GradeColor(const std::string& grade);

// The context menu as the window shows it.
struct GridMenuState {
  bool jumpToUrlEnabled = false;
  std::string jumpToUrlCaption = "Jump to URL : ";
  bool redoEnabled = true;
  bool jumpToResultsEnabled = true;
  bool unHideEnabled = false;
};

// What the pointer over a cell shows: a hand and a hint in the status bar.
struct PointerFeedback {
  bool hand = false;
  std::string hint;
};

class RankingGrid {
 public:
  explicit RankingGrid(const EngineCatalogue& catalogue, int widthTwips = kDefaultGridWidth);

  Grid& View() { return grid_; }
  const Grid& View() const { return grid_; }
  const EngineCatalogue& Catalogue() const { return catalogue_; }

  // chkBoldRankingGrid: whether the engine and data cells are bold.
  void SetBoldOption(bool bold) { bold_ = bold; }
  bool BoldOption() const { return bold_; }

  // Header, widths and engine columns 0-2 in catalogue order; a spare row below.
  void SetupRankingGrid();
  // Columns 3-9 for `keyword`; with no keyword selected the grid stays as it is.
  void DisplayRankingData(const ProjectState& project, const SelectedKeyword& keyword);

  // "Sort Column Ascending" / "Sort Column Descending": the current column.
  void SortCurrentColumn(bool ascending);
  // "Hide Column": the current column's width becomes 0.
  void HideColumn();
  // "Un-Hide Columns": every column of width 0 gets an equal share of the width.
  void UnHideColumns();
  bool ColumnsHidden() const { return columnsHidden_; }

  // A press (no Shift, Ctrl or Alt held): the cell under the pointer becomes
  // current and is returned in `lastCell`; the right button opens the menu.
  std::optional<GridMenuState> Press(MouseButton button, int x, int y, GridCellRef& lastCell);
  // The menu as it opens over (row, col); the current cell is left as it was.
  GridMenuState PopUpGridMenu(int row, int col);
  // "Jump to URL :": opens the URL after the caption's first 14 characters.
  void JumpToUrl(const std::string& caption, Dialogs& dialogs) const;
  // "Jump To Results": the current row's saved result page, when it exists.
  void JumpToResults(const ProjectState& project, const SelectedKeyword& keyword,
                     bool keywordListEmpty, Dialogs& dialogs) const;
  // Double-click on the cell found by the last press; returns the new hint,
  // or nothing when the hint stays.
  std::optional<std::string> DoubleClick(GridCellRef cell, const ProjectState& project,
                                         const SelectedKeyword& keyword, Dialogs& dialogs) const;
  // Pointer over `cell`; nothing while a run is in progress (all stays as it was).
  std::optional<PointerFeedback> MouseMove(GridCellRef cell, bool runInProgress) const;

  // The engines of rows whose Result reads exactly "Failed", in grid order ("Redo").
  std::vector<std::string> FailedEngines() const;

 private:
  const EngineCatalogue& catalogue_;
  Grid grid_;
  bool bold_ = false;
  bool columnsHidden_ = false;
};

// The home link of the engine named `name`, or empty when the catalogue lacks it.
std::string EngineLinkFor(const EngineCatalogue& catalogue, const std::string& name);

}  // namespace kestrova::ui

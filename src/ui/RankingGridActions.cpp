// The ranking grid's menu, clicks and pointer feedback.
#include "base/Files.h"
#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "ranking/ProjectState.h"
#include "ranking/ResultPaths.h"
#include "ui/Dialogs.h"
#include "ui/GridWidths.h"
#include "ui/RankingGrid.h"

namespace kestrova::ui {
namespace {

constexpr std::string_view kJumpCaption = "Jump to URL : ";

std::string ResultPageFor(const ProjectState& project, const std::string& engine,
                          const SelectedKeyword& keyword) {
  return ResultPagePath(project.ReportDirectory, project.Domain, engine, keyword.value_or(""));
}

}  // namespace

std::string EngineLinkFor(const EngineCatalogue& catalogue, const std::string& name) {
  Integer index = FindEngineIndex(catalogue, name);
  return index < 0 ? std::string() : EngineHomeLink(catalogue.At(index));
}

void RankingGrid::SortCurrentColumn(bool ascending) {
  RedrawPause pause(grid_);
  grid_.Sort(grid_.CurrentCol(), ascending);
}

void RankingGrid::HideColumn() {
  columnsHidden_ = true;
  grid_.SetColWidth(grid_.CurrentCol(), 0);
}

void RankingGrid::UnHideColumns() {
  columnsHidden_ = false;
  UnsetHiddenColumns(grid_);
}

std::optional<GridMenuState> RankingGrid::Press(MouseButton button, int x, int y,
                                                GridCellRef& lastCell) {
  lastCell = MouseDown(grid_, x, y);
  if (button != MouseButton::Right) return std::nullopt;
  int currentCol = grid_.CurrentCol();
  GridMenuState menu = PopUpGridMenu(lastCell.row, lastCell.col);
  grid_.SetCurrentCol(currentCol);
  return menu;
}

GridMenuState RankingGrid::PopUpGridMenu(int row, int col) {
  GridMenuState menu;
  int currentRow = grid_.CurrentRow(), currentCol = grid_.CurrentCol();
  grid_.SetCurrentRow(row);
  grid_.SetCurrentCol(col);
  {
    RedrawPause pause(grid_);
    const Cell& cell = grid_.At(row, col);
    if (cell.color == kBlue) {
      std::string candidate = col == 0 ? EngineLinkFor(catalogue_, cell.text) : cell.text;
      if (Left(candidate, 7) == "http://") {
        menu.jumpToUrlEnabled = true;
        menu.jumpToUrlCaption = std::string(kJumpCaption) + candidate;
      }
    }
    grid_.SetCurrentRow(currentRow);
    grid_.SetCurrentCol(currentCol);
  }
  menu.unHideEnabled = columnsHidden_;
  return menu;
}

void RankingGrid::JumpToUrl(const std::string& caption, Dialogs& dialogs) const {
  std::string url = TrimSpaces(Mid(caption, static_cast<Pos>(kJumpCaption.size()) + 1));
  if (!url.empty()) dialogs.OpenUrl(url);
}

void RankingGrid::JumpToResults(const ProjectState& project, const SelectedKeyword& keyword,
                                bool keywordListEmpty, Dialogs& dialogs) const {
  if (keywordListEmpty) return;
  std::string path = ResultPageFor(project, grid_.Text(grid_.CurrentRow(), 0), keyword);
  if (FileExists(path)) dialogs.OpenFile(path);
}

std::optional<std::string> RankingGrid::DoubleClick(GridCellRef cell, const ProjectState& project,
                                                    const SelectedKeyword& keyword,
                                                    Dialogs& dialogs) const {
  const std::string& engine = grid_.Text(cell.row, 0);
  if (cell.col == 0) {
    std::string link = EngineLinkFor(catalogue_, engine);
    if (!link.empty()) dialogs.OpenUrl(link);
  } else if (cell.col == kRankingResultCol && !grid_.Text(cell.row, cell.col).empty()) {
    std::string path = ResultPageFor(project, engine, keyword);
    dialogs.OpenFile(path);
    return "Showing " + path;
  }
  return std::nullopt;
}

std::optional<PointerFeedback> RankingGrid::MouseMove(GridCellRef cell, bool runInProgress) const {
  if (runInProgress) return std::nullopt;
  PointerFeedback feedback;
  bool dataRow = cell.row >= grid_.TopRow();
  const std::string& engine = grid_.Text(cell.row, 0);
  if (cell.col == 0 && dataRow) {
    feedback.hand = true;
    std::string link = EngineLinkFor(catalogue_, engine);
    if (!link.empty()) feedback.hint = "Double-click for " + link;
  } else if (cell.col == kRankingResultCol && dataRow && !grid_.Text(cell.row, cell.col).empty()) {
    feedback.hand = true;
    feedback.hint = "Double-click for Results from ==> " + engine + " <==";
  }
  return feedback;
}

}  // namespace kestrova::ui

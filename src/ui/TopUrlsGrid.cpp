#include "ui/TopUrlsGrid.h"

#include "base/Numbers.h"
#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "ranking/ProjectState.h"
#include "ui/Dialogs.h"
#include "ui/GridWidths.h"

namespace kestrova::ui {
namespace {

bool BeginsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

TopUrlsGrid::TopUrlsGrid(const EngineCatalogue& catalogue, int widthTwips)
    : catalogue_(catalogue), grid_(kTopUrlsGridCols, 2, widthTwips) {}

void TopUrlsGrid::SetupTopUrlsGrid() {
  RedrawPause pause(grid_);
  grid_.ClearTexts();
  grid_.SetCurrentRow(0);

  // The engine 2.3 units, each place one, all scaled to fill the width.
  std::vector<double> shares(kTopUrlsGridCols, 1.0);
  shares[0] = 2.3;
  LayOutColumns(grid_, shares);
  grid_.SetText(0, 0, "Search Engine");
  for (int col = 1; col < kTopUrlsGridCols; ++col) {
    Cell& header = *grid_.Edit(0, col);
    header.alignment = Alignment::Center;
    header.text = FormatDigits(col, 2);
  }

  grid_.SetCurrentCol(0);
  grid_.SetCurrentRow(0);
  int engines = catalogue_.LastEngineIndex + 1;
  while (grid_.Rows() < engines + 1) grid_.AddRow();
  for (int i = 0; i < engines; ++i) {
    Cell& name = *grid_.Edit(i + 1, 0);
    name.underline = true;
    name.color = kBlue;
    name.text = catalogue_.At(static_cast<Integer>(i)).Name;
  }
}

void TopUrlsGrid::DisplayTopUrlsData(const ProjectState& project, const SelectedKeyword& keyword) {
  if (!keyword) return;
  RedrawPause pause(grid_);
  countText_ = "00";
  for (int row = 1; row < grid_.Rows(); ++row) {
    for (int col = 0; col < grid_.Cols(); ++col) {
      Cell& cell = *grid_.Edit(row, col);
      cell.backColor.reset();
      if (col >= 1) cell.text.clear();
    }
  }
  if (keyword->empty()) return;  // free records are no results of any keyword

  // One pass over the records, in order; rows are found by the engine name.
  const auto rowsOfEngine = grid_.RowsByText(0);
  for (const RankingRecord& record : project.Rankings) {
    if (record.Keyword != *keyword) continue;
    const auto rows = rowsOfEngine.find(record.Engine);
    if (rows == rowsOfEngine.end()) continue;
    for (int row : rows->second) {
      for (int col = 1; col <= kTopUrlSlots && col < grid_.Cols(); ++col) {
        Cell& cell = *grid_.Edit(row, col);
        cell.alignment = Alignment::Left;
        cell.underline = true;
        cell.text = record.TopUrls[col - 1];
        if (BeginsWith(cell.text, "http://")) cell.color = kBlue;
      }
    }
  }
}

void TopUrlsGrid::ClickCurrentCell() {
  int row = grid_.CurrentRow(), col = grid_.CurrentCol();
  if (row < 1 || col < 1) return;
  std::string url = grid_.Text(row, col);
  if (url.empty() || url == highlightedUrl_) return;

  RedrawPause pause(grid_);
  ClearHighLightsTopUrls();
  grid_.Edit(row, 0)->backColor = kGreen;
  grid_.Edit(row, col)->backColor = kYellow;
  int count = 0;
  for (int c = 1; c < grid_.Cols(); ++c) {
    for (int r = 1; r < grid_.Rows(); ++r) {
      if (!BeginsWith(grid_.Text(r, c), url)) continue;
      grid_.Edit(r, c)->backColor = kYellow;
      grid_.Edit(r, 0)->backColor = kGreen;
      ++count;
    }
  }
  highlightedUrl_ = url;
  grid_.SetCurrentRow(row);
  grid_.SetCurrentCol(col);
  countText_ = FormatDigits(count, 2);
}

void TopUrlsGrid::ClearHighLightsTopUrls() {
  RedrawPause pause(grid_);
  for (int c = 1; c < grid_.Cols(); ++c) {
    for (int r = 1; r < grid_.Rows(); ++r) {
      grid_.Edit(r, 0)->backColor.reset();
      if (BeginsWith(grid_.Text(r, c), highlightedUrl_)) grid_.Edit(r, c)->backColor.reset();
    }
  }
  highlightedUrl_ = kNoHighlight;
}

void TopUrlsGrid::DoubleClick(Dialogs& dialogs) const {
  int row = grid_.CurrentRow(), col = grid_.CurrentCol();
  std::string url;
  if (col != 0) {
    url = grid_.Text(row, col);
  } else {
    url = EngineLinkFor(catalogue_, grid_.Text(row, 0));
    if (url.empty()) return;
  }
  if (BeginsWith(url, "http://")) dialogs.OpenUrl(url);
}

std::optional<PointerFeedback> TopUrlsGrid::MouseMove(GridCellRef cell) const {
  PointerFeedback feedback;
  const std::string& text = grid_.Text(cell.row, cell.col);
  if (cell.col == 0 && cell.row >= grid_.TopRow()) {
    feedback.hand = true;
    std::string link = EngineLinkFor(catalogue_, text);
    if (!link.empty()) feedback.hint = "Double-click for " + link;
    return feedback;
  }
  if (cell.row >= 1) {
    feedback.hand = true;
    if (BeginsWith(text, "http://")) feedback.hint = "Double-click for " + text;
    return feedback;
  }
  return std::nullopt;
}

}  // namespace kestrova::ui

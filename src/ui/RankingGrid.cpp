#include "ui/RankingGrid.h"

#include "base/Grade.h"
#include "base/Numbers.h"
#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "ranking/ProjectState.h"
#include "ui/GridWidths.h"

namespace kestrova::ui {
namespace {

void SetDataCell(Cell& cell, std::string text, bool bold, bool centred) {
  cell.bold = bold;
  if (centred) cell.alignment = Alignment::Center;
  cell.text = std::move(text);
}

void FillRecordRow(Grid& grid, int row, const RankingRecord& record, bool bold) {
  if (Cell* trend = grid.Edit(row, 3)) {
    trend->bold = bold;
    trend->color = TrendColor(record.ChangeText);
    trend->text = record.ChangeText;
  }
  SetDataCell(*grid.Edit(row, 4), std::to_string(record.Rank), bold, true);
  SetDataCell(*grid.Edit(row, 5), std::to_string(record.Page), bold, true);
  SetDataCell(*grid.Edit(row, 6), std::to_string(record.PagePosition), bold, true);
  std::string grade = record.Succeeded ? GetGradeRanking(record.Rank) : "N/A";
  Cell& gradeCell = *grid.Edit(row, 7);
  gradeCell.color = GradeColor(grade);
  SetDataCell(gradeCell, grade, bold, true);
  Cell& result = *grid.Edit(row, kRankingResultCol);
  result.underline = true;
  result.color = kBlue;
  SetDataCell(result, record.Succeeded ? "Success" : "Failed", bold, true);
  SetDataCell(*grid.Edit(row, 9), record.TrendText, bold, false);
}

}  // namespace

std::optional<Rgb> TrendColor(const std::string& changeText) {
  std::string trimmed = TrimSpaces(changeText);
  if (LowerCase(Left(trimmed, 4)) == "down") return kRed;
  if (LowerCase(Left(trimmed, 2)) == "up") return kGreen;
  return std::nullopt;
}

std::optional<Rgb> GradeColor(const std::string& grade) {
  if (grade == "BAD") return kRed;
  if (grade == "POOR") return kOrange;
  if (grade == "FAIR") return kYellow;
  if (grade == "GOOD") return kGreen;
  if (grade == "SUPER") return kBlue;
  return std::nullopt;
}

RankingGrid::RankingGrid(const EngineCatalogue& catalogue, int widthTwips)
    : catalogue_(catalogue), grid_(kRankingGridCols, 2, widthTwips) {}

void RankingGrid::SetupRankingGrid() {
  RedrawPause pause(grid_);
  grid_.ClearTexts();
  grid_.SetCurrentRow(0);

  // Units of a twelfth of the width: 2.3 for the engine, 1.3 for language and
  // country, 1.25 for the grade, 3.87 for the summary, 1 for the others. They
  // add up to more than twelve, so they are scaled to fill the width.
  LayOutColumns(grid_, {2.3, 1.3, 1.3, 1, 1, 1, 1, 1.25, 1, 3.87});

  for (int col = 0; col < kRankingGridCols; ++col) {
    Cell& header = *grid_.Edit(0, col);
    header.text = kRankingHeaders[col];
    if (col >= 4 && col <= 8) header.alignment = Alignment::Center;
  }

  int engines = catalogue_.LastEngineIndex + 1;
  while (grid_.Rows() < engines + 2) grid_.AddRow();
  for (int i = 0; i < engines; ++i) {
    const EngineRecord& engine = catalogue_.At(static_cast<Integer>(i));
    Cell& name = *grid_.Edit(i + 1, 0);
    name.bold = bold_;
    name.underline = true;
    name.color = kBlue;
    name.text = engine.Name;
    Cell& language = *grid_.Edit(i + 1, 1);
    language.bold = bold_;
    language.text = engine.Language;
    Cell& country = *grid_.Edit(i + 1, 2);
    country.bold = bold_;
    country.text = engine.Country;
  }
}

void RankingGrid::DisplayRankingData(const ProjectState& project, const SelectedKeyword& keyword) {
  if (!keyword) return;
  RedrawPause pause(grid_);
  for (int row = 1; row < grid_.Rows(); ++row)
    for (int col = 3; col < grid_.Cols(); ++col) grid_.SetText(row, col, "");
  if (keyword->empty()) return;  // free records are no results of any keyword

  // Rows are found by the engine name, so a sorted grid fills as well (after a
  // sort an engine may stand in the last row). One pass over the records, in
  // order: a later record of the same pair wins.
  const auto rowsOfEngine = grid_.RowsByText(0);
  for (const RankingRecord& record : project.Rankings) {
    if (record.Keyword != *keyword) continue;
    const auto rows = rowsOfEngine.find(record.Engine);
    if (rows == rowsOfEngine.end()) continue;
    for (int row : rows->second) FillRecordRow(grid_, row, record, bold_);
  }
}

std::vector<std::string> RankingGrid::FailedEngines() const {
  std::vector<std::string> engines;
  for (int row = 1; row < grid_.Rows(); ++row) {
    if (grid_.Text(row, kRankingResultCol) == "Failed") engines.push_back(grid_.Text(row, 0));
  }
  return engines;
}

}  // namespace kestrova::ui

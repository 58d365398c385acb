#include "ui/Grid.h"

#include <algorithm>

#include "base/Text.h"

namespace kestrova::ui {
namespace {

const Cell kNoCell{};

// A number as a person types one: optional sign, digits, at most one point;
// spaces around it are allowed.
bool IsNumericText(std::string_view text) {
  std::string trimmed = TrimSpaces(text);
  size_t i = 0;
  if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < trimmed.size(); ++i) {
    char c = trimmed[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

// Sort key: class 0 empty, 1 number, 2 other text. Classes keep the order
// total, which a plain "numbers if both numeric, else text" comparison is not.
struct SortKey {
  int kind = 0;
  double number = 0;
  std::string folded, raw;
};

SortKey MakeKey(const std::string& text) {
  SortKey key;
  if (text.empty()) return key;
  if (IsNumericText(text)) {
    key.kind = 1;
    key.number = LeadingNumber(text);
  } else {
    key.kind = 2;
    key.folded = LowerCase(text);
    key.raw = text;
  }
  return key;
}

bool KeyLess(const SortKey& a, const SortKey& b) {
  if (a.kind != b.kind) return a.kind < b.kind;
  if (a.kind == 1) return a.number < b.number;
  if (a.kind == 2) {
    if (a.folded != b.folded) return a.folded < b.folded;
    return a.raw < b.raw;
  }
  return false;
}

}  // namespace

Grid::Grid(int cols, int rows, int widthTwips) : cols_(std::max(cols, 1)), widthTwips_(widthTwips) {
  colWidths_.assign(cols_, kDefaultColWidth);
  SetRows(std::max(rows, 1));
}

void Grid::AddRow() {
  SetRows(Rows() + 1);
}

void Grid::SetRows(int rows) {
  rows = std::max(rows, 1);
  cells_.resize(rows, std::vector<Cell>(cols_));
  rowHeights_.resize(rows, kDefaultRowHeight);
  currentRow_ = std::min(currentRow_, rows - 1);
  topRow_ = std::clamp(topRow_, 1, std::max(rows - 1, 1));
  MarkChanged();
}

bool Grid::Inside(int row, int col) const {
  return row >= 0 && row < Rows() && col >= 0 && col < cols_;
}

const Cell& Grid::At(int row, int col) const {
  return Inside(row, col) ? cells_[row][col] : kNoCell;
}

Cell* Grid::Edit(int row, int col) {
  if (!Inside(row, col)) return nullptr;
  MarkChanged();
  return &cells_[row][col];
}

void Grid::SetText(int row, int col, std::string text) {
  if (Cell* cell = Edit(row, col)) cell->text = std::move(text);
}

std::unordered_map<std::string, std::vector<int>> Grid::RowsByText(int col) const {
  std::unordered_map<std::string, std::vector<int>> rows;
  for (int row = FixedRows(); row < Rows(); ++row) {
    const std::string& text = Text(row, col);
    if (!text.empty()) rows[text].push_back(row);
  }
  return rows;
}

void Grid::ClearTexts() {
  for (auto& row : cells_)
    for (auto& cell : row) cell.text.clear();
  MarkChanged();
}

void Grid::SetCurrentRow(int row) {
  if (row >= 0 && row < Rows()) currentRow_ = row;
}

void Grid::SetCurrentCol(int col) {
  if (col >= 0 && col < cols_) currentCol_ = col;
}

int Grid::ColWidth(int col) const {
  return col >= 0 && col < cols_ ? colWidths_[col] : 0;
}

void Grid::SetColWidth(int col, int twips) {
  if (col < 0 || col >= cols_) return;
  colWidths_[col] = std::max(twips, 0);
  MarkChanged();
}

int Grid::RowHeight(int row) const {
  return row >= 0 && row < Rows() ? rowHeights_[row] : 0;
}

void Grid::SetRowHeight(int row, int twips) {
  if (row < 0 || row >= Rows()) return;
  rowHeights_[row] = std::max(twips, 0);
  MarkChanged();
}

void Grid::SetTopRow(int row) {
  topRow_ = std::clamp(row, 1, std::max(Rows() - 1, 1));
}

void Grid::SetLeftCol(int col) {
  leftCol_ = std::clamp(col, 0, cols_ - 1);
}

void Grid::Sort(int col, bool ascending) {
  if (col < 0 || col >= cols_ || Rows() <= 2) return;
  struct Entry {
    SortKey key;
    std::vector<Cell> cells;
    int height;
  };
  std::vector<Entry> entries;
  entries.reserve(Rows() - 1);
  for (int row = 1; row < Rows(); ++row)
    entries.push_back({{}, std::move(cells_[row]), rowHeights_[row]});
  for (auto& entry : entries) entry.key = MakeKey(entry.cells[col].text);
  std::stable_sort(entries.begin(), entries.end(), [ascending](const Entry& a, const Entry& b) {
    return ascending ? KeyLess(a.key, b.key) : KeyLess(b.key, a.key);
  });
  for (int row = 1; row < Rows(); ++row) {
    cells_[row] = std::move(entries[row - 1].cells);
    rowHeights_[row] = entries[row - 1].height;
  }
  MarkChanged();
}

void Grid::ResumeRedraw() {
  if (suspended_ > 0) --suspended_;
  if (suspended_ == 0 && dirty_) {
    dirty_ = false;
    if (listener_) listener_();
  }
}

void Grid::MarkChanged() {
  if (suspended_ > 0) {
    dirty_ = true;
  } else if (listener_) {
    listener_();
  }
}

}  // namespace kestrova::ui

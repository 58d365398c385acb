#include "ui/GridWidths.h"

#include <algorithm>
#include <numeric>

#include "base/Numbers.h"
#include "base/Text.h"

namespace kestrova::ui {

void CollapseGrid(Grid& grid) {
  RedrawPause pause(grid);
  for (int col = 1; col < grid.Cols(); ++col) grid.SetColWidth(col, kCollapsedWidth);
}

void ExpandGrid(Grid& grid) {
  RedrawPause pause(grid);
  long factor = 85;
  for (int col = 1; col < grid.Cols(); ++col) {
    long longest = 0;
    for (int row = 0; row < grid.Rows(); ++row) {
      const Cell& cell = grid.At(row, col);
      longest = std::max<long>(longest, static_cast<long>(TrimSpaces(cell.text).size()));
      if (cell.bold) factor = 120;
    }
    long width = std::min<long>(longest * factor, kMaxExpandedWidth);
    if (longest >= 1) grid.SetColWidth(col, static_cast<int>(width));
  }
}

void UnsetHiddenColumns(Grid& grid) {
  int current = grid.CurrentCol();
  RedrawPause pause(grid);
  int share = static_cast<int>(RoundHalfEven(static_cast<double>(grid.Width()) / grid.Cols()));
  for (int col = 0; col < grid.Cols(); ++col) {
    if (grid.ColWidth(col) == 0) grid.SetColWidth(col, share);
  }
  grid.SetCurrentCol(current);
}

namespace {

// Column edges at the running sums of `weights` scaled to `total`: each width
// is the difference of two rounded edges, so the widths add up to `total`.
void SetScaledWidths(Grid& grid, const std::vector<double>& weights, int total) {
  const double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
  if (sum <= 0) return;
  double running = 0;
  long edge = 0;
  for (int col = 0; col < grid.Cols() && col < static_cast<int>(weights.size()); ++col) {
    running += weights[static_cast<std::size_t>(col)];
    const long next = static_cast<long>(RoundHalfEven(running / sum * total));
    grid.SetColWidth(col, static_cast<int>(next - edge));
    edge = next;
  }
}

long WidthSum(const Grid& grid) {
  long sum = 0;
  for (int col = 0; col < grid.Cols(); ++col) sum += grid.ColWidth(col);
  return sum;
}

}  // namespace

void LayOutColumns(Grid& grid, const std::vector<double>& shares) {
  RedrawPause pause(grid);
  SetScaledWidths(grid, shares, grid.Width());
}

bool ColumnsFillWidth(const Grid& grid) {
  return WidthSum(grid) == grid.Width();
}

void FollowViewWidth(Grid& grid, int twips) {
  twips = std::max(twips, 0);
  if (twips == grid.Width()) return;
  RedrawPause pause(grid);
  const bool fills = ColumnsFillWidth(grid) && grid.Width() > 0;
  grid.SetWidth(twips);
  if (!fills) return;
  std::vector<double> widths;
  for (int col = 0; col < grid.Cols(); ++col) widths.push_back(grid.ColWidth(col));
  SetScaledWidths(grid, widths, twips);
}

void FitColumnsToTexts(Grid& grid, const std::vector<int>& needed, int slack) {
  if (!ColumnsFillWidth(grid)) return;
  // A hidden column needs nothing: it stays hidden.
  auto need = [&](int col) {
    const bool known = col < static_cast<int>(needed.size()) && grid.ColWidth(col) > 0;
    return known ? std::max(0, needed[static_cast<std::size_t>(col)]) : 0;
  };
  double spare = 0, missing = 0, total = 0;
  bool tooNarrow = false;
  for (int col = 0; col < grid.Cols(); ++col) {
    const int width = grid.ColWidth(col);
    total += need(col);
    spare += std::max(0, width - need(col));
    missing += std::max(0, need(col) - width);
    tooNarrow = tooNarrow || need(col) - width > slack;
  }
  if (!tooNarrow) return;
  RedrawPause pause(grid);
  std::vector<double> weights;
  for (int col = 0; col < grid.Cols(); ++col) {
    const double room = std::max(0, grid.ColWidth(col) - need(col));
    // With room enough, what the short columns lack comes off the spare room.
    weights.push_back(total >= grid.Width() ? need(col)
                                            : need(col) + room * (spare - missing) / spare);
  }
  SetScaledWidths(grid, weights, grid.Width());
}

namespace {

void SaveSlot(const Grid& grid, std::array<Integer, kColumnWidthColumns>& slot) {
  for (int col = 0; col < std::min(grid.Cols(), kColumnWidthColumns); ++col)
    slot[col] = ToIntegerSaturated(grid.ColWidth(col));
}

void ApplySlot(const std::array<Integer, kColumnWidthColumns>& slot, Grid& grid) {
  for (int col = 0; col < std::min(grid.Cols(), kColumnWidthColumns); ++col) {
    if (slot[col] >= 1) grid.SetColWidth(col, slot[col]);
  }
}

}  // namespace

void GetColWidths(const Grid& ranking, const Grid& topUrls, ColumnWidthSlots& table) {
  SaveSlot(ranking, table[0]);
  SaveSlot(topUrls, table[1]);
}

void SetColWidths(const ColumnWidthSlots& table, Grid& ranking, Grid& topUrls) {
  RedrawPause rankingPause(ranking), topUrlsPause(topUrls);
  ApplySlot(table[0], ranking);
  ApplySlot(table[1], topUrls);
}

}  // namespace kestrova::ui

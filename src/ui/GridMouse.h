// Pointer handling both grids share: which cell lies under the pointer, the
// current cell on a press, and the header click that sorts a column.
#pragma once

#include <array>

#include "ui/Grid.h"

namespace kestrova::ui {

// A cell found under the pointer (the window keeps the last one as LastGridCell).
struct GridCellRef {
  int row = 0;
  int col = 0;
  friend bool operator==(const GridCellRef&, const GridCellRef&) = default;
};

// Hit-test in twips from the grid's top-left corner. Columns are counted from
// the first visible one; rows from the row above the top visible row, whose
// height stands for the header's, so the header reads as TopRow() - 1 and a
// data row as its own index. A point beyond the last column or row gives 0.
GridCellRef DetermineRowCol(const Grid& grid, int x, int y);

// A point in twips that DetermineRowCol finds in `cell`: the middle of the
// cell, counted from the first visible column and from the row above the top
// visible row (the header, when `cell.row` is TopRow() - 1). A view that
// names the cell under the pointer itself tells the grid's handlers this
// point, so both always agree on the cell. A column of width 0 has no point.
struct GridPoint {
  int x = 0;
  int y = 0;
};
GridPoint PointInCell(const Grid& grid, GridCellRef cell);

enum class MouseButton { Left, Right, Middle };

// A press: finds the cell and makes it current (column, then row).
GridCellRef MouseDown(Grid& grid, int x, int y);

// Per column 0-20, the direction of the last header-click sort: 0 never, 1
// ascending, 2 descending. One table serves both grids for the window's life.
class HeaderSortTable {
 public:
  static constexpr int kColumns = 21;
  int Direction(int col) const { return col >= 0 && col < kColumns ? directions_[col] : 0; }
  void Set(int col, int direction) {
    if (col >= 0 && col < kColumns) directions_[col] = direction;
  }

 private:
  std::array<int, kColumns> directions_{};
};

// A release: on the header row, sorts the rows by the current column. The
// first click on a column sorts it descending, later clicks alternate.
// True when it sorted.
bool MouseUp(Grid& grid, HeaderSortTable& table, int x, int y);

}  // namespace kestrova::ui

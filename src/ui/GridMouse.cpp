#include "ui/GridMouse.h"

#include <algorithm>

namespace kestrova::ui {

GridCellRef DetermineRowCol(const Grid& grid, int x, int y) {
  GridCellRef cell;
  long sum = 0;
  cell.col = 0;
  for (int col = grid.LeftCol(); col < grid.Cols(); ++col) {
    sum += grid.ColWidth(col);
    if (sum >= x) {
      cell.col = col;
      break;
    }
  }
  sum = 0;
  cell.row = 0;
  for (int row = grid.TopRow() - grid.FixedRows(); row < grid.Rows(); ++row) {
    sum += grid.RowHeight(row);
    if (sum >= y) {
      cell.row = row;
      break;
    }
  }
  cell.col = std::min(cell.col, grid.Cols() - 1);
  cell.row = std::min(cell.row, grid.Rows() - 1);
  return cell;
}

GridPoint PointInCell(const Grid& grid, GridCellRef cell) {
  GridPoint point;
  for (int col = grid.LeftCol(); col < cell.col; ++col) point.x += grid.ColWidth(col);
  for (int row = grid.TopRow() - grid.FixedRows(); row < cell.row; ++row) {
    point.y += grid.RowHeight(row);
  }
  // Half way in, rounded up: never the edge shared with the cell before.
  point.x += (grid.ColWidth(cell.col) + 1) / 2;
  point.y += (grid.RowHeight(cell.row) + 1) / 2;
  return point;
}

GridCellRef MouseDown(Grid& grid, int x, int y) {
  GridCellRef cell = DetermineRowCol(grid, x, y);
  grid.SetCurrentCol(cell.col);
  grid.SetCurrentRow(cell.row);
  return cell;
}

bool MouseUp(Grid& grid, HeaderSortTable& table, int x, int y) {
  GridCellRef cell = DetermineRowCol(grid, x, y);
  if (cell.row != grid.TopRow() - grid.FixedRows()) return false;
  RedrawPause pause(grid);
  int direction = table.Direction(cell.col);
  if (direction != 0 && direction != 1) {
    grid.Sort(grid.CurrentCol(), true);
    table.Set(cell.col, 1);
  } else {
    grid.Sort(grid.CurrentCol(), false);
    table.Set(cell.col, 2);
  }
  return true;
}

}  // namespace kestrova::ui

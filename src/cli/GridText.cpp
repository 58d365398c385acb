#include "cli/GridText.h"

#include <vector>

namespace kestrova::cli {

void PrintGrid(std::ostream& out, const ui::Grid& grid, GridFormat format) {
  // The grid's first row is its header.
  std::vector<std::vector<std::string>> rows;
  for (int r = 0; r < grid.Rows(); ++r) {
    std::vector<std::string> cells;
    bool anyText = false;
    for (int c = 0; c < grid.Cols(); ++c) {
      cells.push_back(grid.Text(r, c));
      anyText |= !grid.Text(r, c).empty();
    }
    if (anyText) rows.push_back(std::move(cells));
  }
  if (rows.empty()) return;
  RowPrinter printer(out, format, rows.front());
  for (std::size_t r = 1; r < rows.size(); ++r) printer.Row(rows[r]);
}

}  // namespace kestrova::cli

// A grid as text for the terminal or another program: aligned columns, CSV or
// JSON. Rows whose cells are all empty are left out; texts become UTF-8.
#pragma once

#include <iosfwd>

#include "cli/RowPrinter.h"
#include "ui/Grid.h"

namespace kestrova::cli {

void PrintGrid(std::ostream& out, const ui::Grid& grid, GridFormat format);

}  // namespace kestrova::cli

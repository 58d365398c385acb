// Column-width commands of both grids and the widths saved with the project.
#pragma once

#include <vector>

#include "ranking/ProjectState.h"
#include "ui/Grid.h"

namespace kestrova::ui {

inline constexpr int kCollapsedWidth = 650;
inline constexpr int kMaxExpandedWidth = 32000;

// Narrows columns 1 to the last to 650 twips; column 0 keeps its width.
void CollapseGrid(Grid& grid);
// Widens columns 1 to the last to their longest trimmed text, header included:
// 85 twips a character, 120 from the first bold cell seen on; at most 32000.
// A column with no text keeps its width.
void ExpandGrid(Grid& grid);

// Every column of width 0 gets the grid's width divided by its column count;
// other widths stay.
void UnsetHiddenColumns(Grid& grid);

// Gives the columns widths in proportion to `shares` (one per column, from
// column 0) that add up to the grid's width exactly; the rounding goes to the
// columns' edges, so no column is more than a twip off its share.
void LayOutColumns(Grid& grid, const std::vector<double>& shares);
// True when the column widths add up to the grid's width: the grid is laid
// out to fill its view, as a layout leaves it.
bool ColumnsFillWidth(const Grid& grid);
// The grid's view is now `twips` wide and the grid's width becomes that.
// Columns that filled the old width are scaled to fill the new one; widths a
// person or a command chose (which no longer add up to it) stay as they are.
void FollowViewWidth(Grid& grid, int twips);

// For a grid that fills its width: every column gets at least `needed[col]`
// (its texts' width in the view's font), paid for by the columns with room to
// spare, in proportion to that room; the widths still fill the grid. When the
// texts need more than the width, the columns share it in proportion to their
// needs. A column short by less than `slack` is left as it is, so a view that
// measures again after every change settles.
void FitColumnsToTexts(Grid& grid, const std::vector<int>& needed, int slack);

// Widths of columns 0-20 of the ranking grid into slot 0 and of the top-URLs
// grid into slot 1 (as far as each grid has columns); slot 2 is left alone.
void GetColWidths(const Grid& ranking, const Grid& topUrls, ColumnWidthSlots& table);
// The reverse: every saved width of at least 1 is applied; below 1 means not saved.
void SetColWidths(const ColumnWidthSlots& table, Grid& ranking, Grid& topUrls);

}  // namespace kestrova::ui

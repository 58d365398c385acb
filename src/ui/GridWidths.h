// Column-width commands of both grids and the widths saved with the project.
#pragma once

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

// Widths of columns 0-20 of the ranking grid into slot 0 and of the top-URLs
// grid into slot 1 (as far as each grid has columns); slot 2 is left alone.
void GetColWidths(const Grid& ranking, const Grid& topUrls, ColumnWidthSlots& table);
// The reverse: every saved width of at least 1 is applied; below 1 means not saved.
void SetColWidths(const ColumnWidthSlots& table, Grid& ranking, Grid& topUrls);

}  // namespace kestrova::ui

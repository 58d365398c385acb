#include "ui/Grid.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/GridMouse.h"
#include "ui/GridWidths.h"

namespace kestrova::ui {
namespace {

std::vector<std::string> Column(const Grid& grid, int col) {
  std::vector<std::string> texts;
  for (int row = 1; row < grid.Rows(); ++row) texts.push_back(grid.Text(row, col));
  return texts;
}

Grid NumberedGrid(const std::vector<std::string>& texts) {
  Grid grid(2, static_cast<int>(texts.size()) + 1, 12000);
  grid.SetText(0, 0, "Rank");
  for (size_t i = 0; i < texts.size(); ++i) {
    grid.SetText(static_cast<int>(i) + 1, 0, texts[i]);
    grid.SetText(static_cast<int>(i) + 1, 1, std::to_string(i));
  }
  return grid;
}

TEST(Grid, SortsNumbersByValueTextsWithoutCaseAndKeepsTheHeader) {
  Grid grid = NumberedGrid({"10", "9", "", "beta", " 2", "Alpha", "-3.5", "9"});
  grid.Sort(0, true);
  EXPECT_EQ(Column(grid, 0),
            (std::vector<std::string>{"", "-3.5", " 2", "9", "9", "10", "Alpha", "beta"}));
  EXPECT_EQ(grid.Text(0, 0), "Rank");
  // Equal keys keep their order, and the whole row travels with its key.
  EXPECT_EQ(grid.Text(4, 1), "1");
  EXPECT_EQ(grid.Text(5, 1), "7");

  grid.Sort(0, false);
  EXPECT_EQ(Column(grid, 0),
            (std::vector<std::string>{"beta", "Alpha", "10", "9", "9", " 2", "-3.5", ""}));
  EXPECT_EQ(grid.Text(4, 1), "1");
}

TEST(Grid, MixedTextsThatLookNumericStillSortWithoutFault) {
  // "5a" lies between "10" and "9" as text; the order must stay total.
  std::vector<std::string> texts;
  for (int i = 0; i < 200; ++i)
    texts.push_back(i % 3 == 0 ? std::to_string(i) : (i % 3 == 1 ? std::to_string(i) + "a" : ""));
  Grid grid = NumberedGrid(texts);
  grid.Sort(0, true);
  EXPECT_EQ(grid.Text(1, 0), "");
  EXPECT_EQ(grid.Text(grid.Rows() - 1, 0), "97a");
}

TEST(Grid, ReadsAndWritesOutsideTheGridAreHarmless) {
  Grid grid(3, 2, 12000);
  grid.SetText(5, 5, "lost");
  grid.SetText(-1, 0, "lost");
  EXPECT_EQ(grid.Text(5, 5), "");
  EXPECT_EQ(grid.Edit(2, 0), nullptr);
  grid.SetColWidth(1, -20);
  EXPECT_EQ(grid.ColWidth(1), 0);
  grid.SetCurrentRow(9);
  EXPECT_EQ(grid.CurrentRow(), 0);
  grid.Sort(9, true);
}

TEST(GridMouse, HitTestNamesTheHeaderByTheTopRowAndOutsidePointsByZero) {
  Grid grid(3, 6, 12000);
  for (int col = 0; col < 3; ++col) grid.SetColWidth(col, 1000);
  EXPECT_EQ(DetermineRowCol(grid, 1000, 240), (GridCellRef{0, 0}));
  EXPECT_EQ(DetermineRowCol(grid, 1001, 241), (GridCellRef{1, 1}));
  EXPECT_EQ(DetermineRowCol(grid, 2500, 5 * 240 + 1), (GridCellRef{5, 2}));
  EXPECT_EQ(DetermineRowCol(grid, 3001, 6 * 240 + 1), (GridCellRef{0, 0}));

  grid.SetTopRow(3);  // scrolled: the header is reported as row 2
  grid.SetLeftCol(1);
  EXPECT_EQ(DetermineRowCol(grid, 10, 10), (GridCellRef{2, 1}));
  EXPECT_EQ(DetermineRowCol(grid, 10, 250), (GridCellRef{3, 1}));
}

TEST(GridMouse, ThePointOfEveryCellHitsThatCellScrolledOrNot) {
  Grid grid(4, 6, 12000);
  const std::vector<int> widths = {1, 2, 0, 999};  // the narrowest, an even one, a hidden one
  for (int col = 0; col < 4; ++col) grid.SetColWidth(col, widths[static_cast<size_t>(col)]);
  grid.SetRowHeight(2, 1);
  for (int top : {1, 3}) {
    grid.SetTopRow(top);
    grid.SetLeftCol(top - 1);
    for (int row = top - 1; row < grid.Rows(); ++row) {
      for (int col = grid.LeftCol(); col < grid.Cols(); ++col) {
        if (grid.ColWidth(col) == 0) continue;
        const GridPoint point = PointInCell(grid, {row, col});
        EXPECT_EQ(DetermineRowCol(grid, point.x, point.y), (GridCellRef{row, col}))
            << "top " << top << " row " << row << " col " << col;
      }
    }
  }
}

TEST(GridMouse, FirstHeaderClickSortsDescendingThenClicksAlternate) {
  Grid grid = NumberedGrid({"2", "10", "1"});
  for (int col = 0; col < 2; ++col) grid.SetColWidth(col, 1000);
  HeaderSortTable table;

  MouseDown(grid, 10, 10);  // header of column 0
  EXPECT_TRUE(MouseUp(grid, table, 10, 10));
  EXPECT_EQ(Column(grid, 0), (std::vector<std::string>{"10", "2", "1"}));
  EXPECT_EQ(table.Direction(0), 2);
  EXPECT_TRUE(MouseUp(grid, table, 10, 10));
  EXPECT_EQ(Column(grid, 0), (std::vector<std::string>{"1", "2", "10"}));

  // A press on a data row sorts nothing; the other column starts afresh.
  EXPECT_FALSE(MouseUp(grid, table, 10, 300));
  MouseDown(grid, 1500, 10);
  EXPECT_TRUE(MouseUp(grid, table, 1500, 10));
  EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"2", "1", "0"}));
  EXPECT_EQ(table.Direction(25), 0);
}

TEST(GridWidths, ALaidOutGridFollowsItsViewUntilAPersonSetsAWidth) {
  Grid grid(3, 2, 3000);
  LayOutColumns(grid, {1, 1, 1.5});
  EXPECT_EQ((std::vector<int>{grid.ColWidth(0), grid.ColWidth(1), grid.ColWidth(2)}),
            (std::vector<int>{857, 857, 1286}));
  EXPECT_TRUE(ColumnsFillWidth(grid));

  // Wider and narrower again: still filling, still in proportion.
  FollowViewWidth(grid, 6001);
  EXPECT_EQ(grid.Width(), 6001);
  EXPECT_TRUE(ColumnsFillWidth(grid));
  EXPECT_EQ(grid.ColWidth(2), 2572);
  FollowViewWidth(grid, 2999);
  EXPECT_TRUE(ColumnsFillWidth(grid));
  EXPECT_EQ(grid.ColWidth(0), 857);

  // A column a person widens, or hides, keeps what was chosen.
  grid.SetColWidth(1, 2000);
  FollowViewWidth(grid, 9000);
  EXPECT_EQ(grid.Width(), 9000);
  EXPECT_EQ(grid.ColWidth(0), 857);
  EXPECT_EQ(grid.ColWidth(1), 2000);
  grid.SetColWidth(1, 0);
  LayOutColumns(grid, {1, 1, 1});
  grid.SetColWidth(1, 0);
  FollowViewWidth(grid, 300);
  EXPECT_EQ(grid.ColWidth(1), 0);
  EXPECT_EQ(grid.ColWidth(2), 3000);
}

TEST(GridWidths, NarrowColumnsTakeWhatTheirTextsNeedFromTheColumnsWithRoomToSpare) {
  Grid grid(4, 2, 4000);
  LayOutColumns(grid, {1, 1, 1, 1});  // 1000 each
  FitColumnsToTexts(grid, {1300, 200, 500, 1000}, 15);
  // 300 short; the spare 800 and 500 give 300 in proportion.
  EXPECT_EQ(
      (std::vector<int>{grid.ColWidth(0), grid.ColWidth(1), grid.ColWidth(2), grid.ColWidth(3)}),
      (std::vector<int>{1300, 815, 885, 1000}));
  EXPECT_TRUE(ColumnsFillWidth(grid));
  FitColumnsToTexts(grid, {1310, 200, 500, 1000}, 15);  // within the slack: settled
  EXPECT_EQ(grid.ColWidth(0), 1300);

  // Texts wider than the grid: the width is shared by need, nothing beyond it.
  FitColumnsToTexts(grid, {4000, 2000, 1000, 1000}, 15);
  EXPECT_EQ(grid.ColWidth(0), 2000);
  EXPECT_TRUE(ColumnsFillWidth(grid));

  // Widths a person chose, and hidden columns, are left alone.
  grid.SetColWidth(1, 0);
  FitColumnsToTexts(grid, {9000, 9000, 9000, 9000}, 15);
  EXPECT_EQ(grid.ColWidth(0), 2000);
  EXPECT_EQ(grid.ColWidth(1), 0);
}

}  // namespace
}  // namespace kestrova::ui

#include "ui/RankingGrid.h"

#include <gtest/gtest.h>

#include <set>

#include "ranking/ProjectState.h"
#include "ranking/ResultPaths.h"
#include "support/MiniCatalogue.h"
#include "support/ScriptedDialogs.h"
#include "ui/GridWidths.h"
#include "ui/TopUrlsGrid.h"

namespace kestrova::ui {
namespace {

RankingRecord Record(const std::string& keyword, const std::string& engine, bool succeeded,
                     Integer rank, const std::string& change, const std::string& trend) {
  RankingRecord record;
  record.Keyword = keyword;
  record.Engine = engine;
  record.Succeeded = succeeded;
  record.Rank = rank;
  record.Page = static_cast<Integer>(rank == 0 ? 0 : (rank - 1) / 10 + 1);
  record.PagePosition = static_cast<Integer>(rank == 0 ? 0 : (rank - 1) % 10 + 1);
  record.ChangeText = change;
  record.TrendText = trend;
  return record;
}

class RankingGridTest : public ::testing::Test {
 protected:
  EngineCatalogue catalogue = test::MiniCatalogue();
  RankingGrid ranking{catalogue};
  ProjectState project;
  Grid& grid = ranking.View();

  void SetUp() override {
    project.ReportDirectory = "/reports";
    project.Domain = "example.com";
    ranking.SetupRankingGrid();
  }
};

TEST_F(RankingGridTest, SetupLaysOutEnginesAndASpareRowAndResortsOnRedo) {
  EXPECT_EQ(grid.Rows(), 5);  // header, three engines, the spare row
  EXPECT_EQ(grid.Text(2, 0), "Beta DE");
  EXPECT_EQ(grid.Text(2, 2), "Germany");
  EXPECT_EQ(grid.At(2, 0).color, kBlue);
  EXPECT_EQ(grid.Text(4, 0), "");
  // The columns keep their shares (Overall 3.87 of 15.02) and fill the width.
  EXPECT_EQ(grid.ColWidth(9), 3092);
  EXPECT_TRUE(ColumnsFillWidth(grid));
  ranking.SetBoldOption(true);
  grid.Sort(0, false);
  ranking.SetupRankingGrid();  // back to catalogue order, same row count
  EXPECT_EQ(grid.Rows(), 5);
  EXPECT_EQ(grid.Text(1, 0), "Alpha");
  EXPECT_TRUE(grid.At(1, 2).bold);
}

TEST_F(RankingGridTest, DisplayColoursTrendsAndGradesAndShowsFailures) {
  project.Rankings = {Record("seo", "Alpha", true, 12, "  Up, (5)", "Increased to GOOD ranking"),
                      Record("seo", "Beta DE", true, 35, "Down, (-7)", "Dropped to POOR ranking"),
                      Record("seo", "Gamma", false, 0, "", "Re-run"),
                      Record("other", "Alpha", true, 41, "---", "Unchanged with BAD ranking")};
  ranking.DisplayRankingData(project, "seo");
  const std::vector<std::string> alpha = {"12", "2", "2", "GOOD", "Success"};
  for (int col = 4; col <= 8; ++col) EXPECT_EQ(grid.Text(1, col), alpha[col - 4]) << col;
  EXPECT_EQ(grid.At(1, 3).color, kGreen);
  EXPECT_EQ(grid.At(2, 3).color, kRed);
  EXPECT_EQ(grid.At(1, 7).color, kGreen);
  EXPECT_EQ(grid.At(2, 7).color, kOrange);
  EXPECT_EQ(grid.Text(2, 9), "Dropped to POOR ranking");
  // A failed check: grade N/A without colour, Failed in blue, Re-run.
  EXPECT_EQ(grid.Text(3, 4), "0");
  EXPECT_EQ(grid.Text(3, 7), "N/A");
  EXPECT_EQ(grid.At(3, 7).color, std::nullopt);
  EXPECT_EQ(grid.Text(3, 8), "Failed");
  EXPECT_EQ(grid.At(3, 8).color, kBlue);
  EXPECT_EQ(ranking.FailedEngines(), std::vector<std::string>{"Gamma"});

  ranking.DisplayRankingData(project, "other");
  EXPECT_EQ(grid.At(1, 3).color, std::nullopt);  // "---"
  EXPECT_EQ(grid.Text(1, 7), "BAD");
  EXPECT_EQ(grid.At(1, 7).color, kRed);
  EXPECT_EQ(grid.Text(2, 4), "");                     // no record of this keyword on Beta DE
  ranking.DisplayRankingData(project, std::nullopt);  // nothing selected: unchanged
  EXPECT_EQ(grid.Text(1, 9), "Unchanged with BAD ranking");
}

TEST_F(RankingGridTest, DisplayFindsEnginesInASortedGridAndIgnoresFreeRecords) {
  project.Rankings = {Record("seo", "Gamma", true, 4, "---", "old"),
                      Record("seo", "Gamma", true, 7, "---", "new"),
                      Record("", "Alpha", true, 1, "---", "freed")};
  grid.SetCurrentCol(0);
  ranking.SortCurrentColumn(true);  // the spare row first, Gamma in the last row
  ASSERT_EQ(grid.Text(4, 0), "Gamma");
  ranking.DisplayRankingData(project, "seo");
  EXPECT_EQ(grid.Text(4, 4), "7");
  EXPECT_EQ(grid.Text(1, 4), "");  // the spare row stays empty
  ranking.DisplayRankingData(project, std::string());
  EXPECT_EQ(grid.Text(2, 9), "");
}

TEST_F(RankingGridTest, HiddenColumnsComeBackWithAnEqualShare) {
  const int rankWidth = grid.ColWidth(4);
  grid.SetCurrentCol(3);
  ranking.HideColumn();
  grid.SetCurrentCol(5);
  ranking.HideColumn();
  EXPECT_EQ(grid.ColWidth(3), 0);
  EXPECT_TRUE(ranking.PopUpGridMenu(1, 1).unHideEnabled);

  ranking.UnHideColumns();
  EXPECT_EQ(grid.ColWidth(3), 1200);  // 12000 / 10 columns
  EXPECT_EQ(grid.ColWidth(5), 1200);
  EXPECT_EQ(grid.ColWidth(4), rankWidth);  // only width-0 columns change
  EXPECT_EQ(grid.CurrentCol(), 5);
  EXPECT_FALSE(ranking.PopUpGridMenu(1, 1).unHideEnabled);
}

TEST_F(RankingGridTest, ColumnWidthsRoundTripThroughTheProjectTable) {
  TopUrlsGrid topUrls(catalogue);
  topUrls.SetupTopUrlsGrid();
  grid.SetColWidth(2, 0);
  grid.SetColWidth(9, 40000);  // beyond an Integer: saturates
  topUrls.View().SetColWidth(10, 777);
  ColumnWidthSlots table{};
  table[2][4] = 99;
  GetColWidths(grid, topUrls.View(), table);
  EXPECT_EQ(table[0][9], 32767);
  EXPECT_EQ(table[0][10], 0);  // the ranking grid has ten columns
  EXPECT_EQ(table[1][10], 777);
  EXPECT_EQ(table[2][4], 99);

  RankingGrid reopened(catalogue, 6000);
  TopUrlsGrid reopenedTop(catalogue, 6000);
  reopened.SetupRankingGrid();
  reopenedTop.SetupTopUrlsGrid();
  SetColWidths(table, reopened.View(), reopenedTop.View());
  EXPECT_EQ(reopened.View().ColWidth(2), 519);  // a saved 0 means "not saved": the layout's
  EXPECT_EQ(reopened.View().ColWidth(9), 32767);
  EXPECT_EQ(reopenedTop.View().ColWidth(10), 777);
}

TEST_F(RankingGridTest, MenuAndClicksOpenLinksAndPagesInsideTheReportFolder) {
  project.Rankings = {Record("a/../b", "Beta DE", true, 3, "---", "")};
  ranking.DisplayRankingData(project, "a/../b");
  GridCellRef last;
  auto pressed = ranking.Press(MouseButton::Right, 1, 2 * 240 + 1, last);
  ASSERT_TRUE(pressed);
  EXPECT_EQ(pressed->jumpToUrlCaption, "Jump to URL : http://beta.test");

  grid.SetCurrentRow(4);
  grid.SetCurrentCol(9);
  GridMenuState menu = ranking.PopUpGridMenu(2, 0);
  EXPECT_TRUE(menu.jumpToUrlEnabled);
  EXPECT_EQ(grid.CurrentRow(), 4);                             // the current cell is restored
  EXPECT_FALSE(ranking.PopUpGridMenu(2, 8).jumpToUrlEnabled);  // blue, but no URL

  test::ScriptedDialogs dialogs;
  ranking.JumpToUrl(menu.jumpToUrlCaption, dialogs);
  auto hint = ranking.DoubleClick({2, 8}, project, "a/../b", dialogs);
  EXPECT_EQ(ranking.DoubleClick({4, 0}, project, "a/../b", dialogs), std::nullopt);
  EXPECT_EQ(dialogs.openedUrls, std::vector<std::string>{"http://beta.test"});
  const std::string path =
      "/reports/domain_example.com/Beta DE/keywords/kywd_00_a!..!b_eab86698.html";
  EXPECT_EQ(dialogs.openedFiles, std::vector<std::string>{path});
  EXPECT_EQ(hint, "Showing " + path);
  grid.SetCurrentRow(2);
  ranking.JumpToResults(project, "a/../b", false, dialogs);  // the page is not there
  EXPECT_EQ(dialogs.openedFiles.size(), 1u);
  EXPECT_EQ(ranking.MouseMove({2, 8}, false)->hint,
            "Double-click for Results from ==> Beta DE <==");
  EXPECT_FALSE(ranking.MouseMove({2, 0}, true).has_value());
}

TEST(ResultPaths, NoKeywordDomainOrEngineLeavesItsFolder) {
  EXPECT_EQ(ResultPagePath("/r", "example.com", "Alpha", "seo tools"),
            "/r/domain_example.com/Alpha/keywords/kywd_00_seo tools.html");
  EXPECT_EQ(ResultPagePath("/r", "a.com/x?y=1&z", "Alpha", "../../../etc/passwd"),
            "/r/domain_a.com!x!y!1!z_af168fee/Alpha/keywords/"
            "kywd_00_..!..!..!etc!passwd_3c6fc1dd.html");
  EXPECT_EQ(ResultPagePath("/r", "..", "..", "..\\x"),
            "/r/domain__a3d4a70d/_a3d4a70d/keywords/kywd_00_..!x_5697f721.html");
  EXPECT_EQ(SavedPageName(12, std::string("a=\0b", 4)), "kywd_12_a!!b_f58c5701.html");
}

TEST(ResultPaths, EveryKeywordGetsAValidNameOfItsOwn) {
  const std::string longKeyword(300, 'k');
  std::vector<std::string> keywords = {"",    ".",   "..",  "....", "a/b",  "a\\b",
                                       "a?b", "a=b", "a&b", "a!b",  "a\nb", "a\033b"};
  keywords.insert(keywords.end(), {"caf\xE9 cr\xE8me", longKeyword + "1", longKeyword + "2",
                                   std::string(kLongestNamePart, 'k')});
  std::set<std::string> names;
  for (const std::string& keyword : keywords) {
    const std::string name = SavedPageName(3276, keyword);
    EXPECT_TRUE(names.insert(name).second) << "two keywords share " << name;
    EXPECT_LE(name.size(), 10 + kLongestNamePart + 9 + 5) << keyword;
    EXPECT_EQ(name.find_first_of(std::string("/\\\0\n\x1b", 5)), std::string::npos) << name;
  }
  // Ordinary keywords, however long the file system allows, keep their names.
  EXPECT_EQ(SavedPageName(0, "a!b"), "kywd_00_a!b.html");
  EXPECT_EQ(SavedPageName(0, "caf\xE9 cr\xE8me"), "kywd_00_caf\xE9 cr\xE8me.html");
  EXPECT_EQ(SavedPageName(1, std::string(kLongestNamePart, 'k')),
            "kywd_01_" + std::string(kLongestNamePart, 'k') + ".html");
  EXPECT_EQ(SavedPageName(0, ""), "kywd_00_.html");
  // A cut name keeps its first part, then the hash.
  EXPECT_EQ(SavedPageName(0, longKeyword + "1").substr(0, 8 + kLongestNamePart + 1),
            "kywd_00_" + std::string(kLongestNamePart, 'k') + "_");
}

}  // namespace
}  // namespace kestrova::ui

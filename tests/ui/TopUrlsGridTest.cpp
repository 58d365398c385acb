#include "ui/TopUrlsGrid.h"

#include <gtest/gtest.h>

#include "ranking/ProjectState.h"
#include "support/MiniCatalogue.h"
#include "support/ScriptedDialogs.h"
#include "ui/GridWidths.h"

namespace kestrova::ui {
namespace {

RankingRecord UrlRecord(const std::string& keyword, const std::string& engine,
                        std::vector<std::string> urls) {
  RankingRecord record;
  record.Keyword = keyword;
  record.Engine = engine;
  for (size_t i = 0; i < urls.size() && i < 10; ++i) record.TopUrls[i] = urls[i];
  record.TopUrlCount = static_cast<Integer>(urls.size());
  return record;
}

class TopUrlsGridTest : public ::testing::Test {
 protected:
  EngineCatalogue catalogue = test::MiniCatalogue();
  TopUrlsGrid topUrls{catalogue};
  ProjectState project;
  Grid& grid = topUrls.View();

  void SetUp() override {
    topUrls.SetupTopUrlsGrid();
    project.Rankings = {
        UrlRecord("seo", "Alpha", {"http://a.test/", "http://b.test/x", "ftp://c.test/"}),
        UrlRecord("seo", "Beta DE", {"http://b.test/", "http://a.test/"}),
        UrlRecord("seo", "Gamma", {"", "http://b.test/y", "http://b.test"})};
    topUrls.DisplayTopUrlsData(project, "seo");
  }

  void ClickAt(int row, int col) {
    grid.SetCurrentRow(row);
    grid.SetCurrentCol(col);
    topUrls.ClickCurrentCell();
  }
};

TEST_F(TopUrlsGridTest, SetupAndDisplayFillOneRowPerEngine) {
  EXPECT_EQ(grid.Rows(), 4);  // no spare row
  EXPECT_EQ(grid.Text(0, 10), "10");
  EXPECT_EQ(grid.Text(1, 2), "http://b.test/x");
  EXPECT_EQ(grid.At(1, 2).color, kBlue);
  EXPECT_EQ(grid.At(1, 3).color, std::nullopt);  // not an http:// URL
  EXPECT_EQ(grid.Text(2, 3), "");                // fewer than ten URLs
  EXPECT_EQ(topUrls.CountText(), "00");
}

TEST_F(TopUrlsGridTest, ClickHighlightsEveryCellBeginningWithTheUrlAndCountsThem) {
  ClickAt(2, 1);  // "http://b.test/" begins two more cells
  EXPECT_EQ(topUrls.CountText(), "03");
  EXPECT_EQ(topUrls.HighlightedUrl(), "http://b.test/");
  EXPECT_EQ(grid.At(2, 1).backColor, kYellow);
  EXPECT_EQ(grid.At(3, 2).backColor, kYellow);
  EXPECT_EQ(grid.At(3, 3).backColor, std::nullopt);  // "http://b.test" is shorter
  EXPECT_EQ(grid.At(3, 0).backColor, kGreen);
  EXPECT_EQ(grid.At(1, 1).backColor, std::nullopt);

  // The same URL again, an empty cell, the header or an engine cell: nothing.
  grid.Edit(2, 1)->backColor.reset();
  for (auto [row, col] : {std::pair{2, 1}, {3, 1}, {0, 2}, {1, 0}}) ClickAt(row, col);
  EXPECT_EQ(grid.At(2, 1).backColor, std::nullopt);
  EXPECT_EQ(topUrls.CountText(), "03");

  // Another URL clears the old highlights first.
  ClickAt(1, 1);
  EXPECT_EQ(topUrls.CountText(), "02");
  EXPECT_EQ(grid.At(1, 2).backColor, std::nullopt);
  EXPECT_EQ(grid.At(3, 0).backColor, std::nullopt);
  EXPECT_EQ(grid.At(2, 2).backColor, kYellow);

  topUrls.ClearHighLightsTopUrls();
  EXPECT_EQ(topUrls.HighlightedUrl(), kNoHighlight);
  EXPECT_EQ(grid.At(2, 2).backColor, std::nullopt);

  // A redisplay clears the colours but keeps the highlighted URL.
  ClickAt(1, 1);
  topUrls.DisplayTopUrlsData(project, "seo");
  EXPECT_EQ(grid.At(1, 1).backColor, std::nullopt);
  EXPECT_EQ(topUrls.CountText(), "00");
  ClickAt(1, 1);
  EXPECT_EQ(topUrls.CountText(), "00");
}

TEST_F(TopUrlsGridTest, DoubleClickOpensOnlyWebAddresses) {
  test::ScriptedDialogs dialogs;
  grid.SetCurrentRow(1);
  for (int col : {2, 3, 0}) {  // a URL, an ftp:// address, the engine
    grid.SetCurrentCol(col);
    topUrls.DoubleClick(dialogs);
  }
  EXPECT_EQ(dialogs.openedUrls,
            (std::vector<std::string>{"http://b.test/x", "http://www.alpha.test"}));
  EXPECT_EQ(topUrls.MouseMove({1, 3})->hint, "");
  EXPECT_FALSE(topUrls.MouseMove({0, 3}).has_value());
}

TEST_F(TopUrlsGridTest, CollapseAndExpandSizeColumnsToTheirTexts) {
  CollapseGrid(grid);
  EXPECT_EQ(grid.ColWidth(10), 650);

  grid.SetText(2, 4, "  " + std::string(500, 'x') + "  ");
  ExpandGrid(grid);
  EXPECT_EQ(grid.ColWidth(1), 14 * 85);  // "http://a.test/"
  EXPECT_EQ(grid.ColWidth(4), 32000);
  EXPECT_EQ(grid.ColWidth(5), 2 * 85);  // only the header "05"
  grid.Edit(3, 1)->bold = true;
  grid.SetText(0, 10, "");
  ExpandGrid(grid);
  EXPECT_EQ(grid.ColWidth(1), 14 * 120);  // a bold cell widens from there on
  EXPECT_EQ(grid.ColWidth(10), 2 * 85);   // an all-empty column keeps its width
}

}  // namespace
}  // namespace kestrova::ui

// The buttons beside the grids and the top-URLs click as the form holds them:
// they act on the grid that shows, and the counter follows the highlight.
#include <gtest/gtest.h>

#include "FormFixture.h"
#include "ui/GridWidths.h"

namespace kestrova {
namespace {

RankingRecord UrlRecord(const std::string& keyword, const std::string& engine,
                        const std::string& url) {
  RankingRecord record;
  record.Keyword = keyword;
  record.Engine = engine;
  record.TopUrls[0] = url;
  record.TopUrlCount = 1;
  return record;
}

TEST(MainFormGrids, CollapseAndExpandActOnTheGridThatShows) {
  test::FormFixture f;
  f.form.SetupGrids();
  const int rankingWidth = f.form.ranking.View().ColWidth(9);
  f.form.rankingGridVisible = false;
  f.form.cmdCollapseTopUrls_Click();
  EXPECT_EQ(f.form.topUrls.View().ColWidth(1), ui::kCollapsedWidth);
  EXPECT_EQ(f.form.ranking.View().ColWidth(9), rankingWidth);
  EXPECT_EQ(f.form.focus, FormFocus::VisibleGrid);

  f.form.rankingGridVisible = true;
  f.form.cmdExpandTopUrls_Click();
  EXPECT_EQ(f.form.ranking.View().ColWidth(9), 7 * 85);  // "Overall"
  EXPECT_EQ(f.form.topUrls.View().ColWidth(1), ui::kCollapsedWidth);
}

TEST(MainFormGrids, TheCounterShowsTheHighlightUntilAKeywordIsShown) {
  test::FormFixture f;
  f.project.Rankings = {UrlRecord("seo", "Alpha", "http://a.test/"),
                        UrlRecord("seo", "Beta DE", "http://a.test/x"),
                        UrlRecord("web", "Alpha", "http://a.test/")};
  f.form.SetupGrids();
  f.form.LoadKeywordCombos("seo");
  ui::Grid& grid = f.form.topUrls.View();
  grid.SetCurrentRow(1);
  grid.SetCurrentCol(1);
  f.form.grdTopUrls_Click();
  EXPECT_EQ(f.form.lblNumTotal.caption, "02");

  f.form.cmbKeyWords_Click(1);  // "web": a new grid, nothing counted yet
  EXPECT_EQ(f.form.lblNumTotal.caption, "00");
  f.form.cmbKeyWords_Click(-1);  // nothing chosen: the grid and its count stay
  EXPECT_EQ(f.form.lblNumTotal.caption, "00");
}

}  // namespace
}  // namespace kestrova

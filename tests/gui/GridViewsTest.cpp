// The grids in the window, driven with the pointer and the keyboard: header
// sorts and the pop-up menu's items, the hints and links, the top-URLs
// highlight with its counter and the width buttons, the View menu's reports,
// the widths kept with the project, and Redo against the engine simulator.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "base/Files.h"
#include "e2e/SimProcess.h"
#include "gui/GuiWindow.h"
#include "qt/GridTableModel.h"
#include "ranking/ResultPaths.h"
#include "ui/GridWidths.h"

namespace kestrova::test {
namespace {

QAction& Action(QObject& owner, const char* name) {
  auto* action = owner.findChild<QAction*>(name);
  if (action == nullptr) {
    ADD_FAILURE() << "no action " << name;
    static QAction none;
    return none;
  }
  return *action;
}

struct GridViews : ::testing::Test {
  void SetUp() override { w.Open(GridProject(w.Reports())); }

  QMenu& Menu() { return *w.window->findChild<QMenu*>("mnuGridMenu"); }
  // Right-clicks the ranking grid's cell and returns the menu it pops up.
  QMenu& RightClick(int row, int col) {
    QTest::mouseClick(Ranking().viewport(), Qt::RightButton, {}, CellCentre(Ranking(), row, col));
    Settle();
    EXPECT_TRUE(Menu().isVisible());
    return Menu();
  }
  void Choose(const char* item) {
    Menu().hide();
    Action(Menu(), item).trigger();
    Settle();
  }
  QTableView& Ranking() { return w.Ranking(); }
  static std::string Text(QTableView& view, int row, int col) {
    return view.model()->index(row, col).data().toString().toStdString();
  }
  int Row(int engine) { return RowOf(Ranking(), Catalogue().At(engine).Name); }
  const std::string& Hint() { return w.window->App().form.sbStatusBar[2]; }

  GridWindow w;
};

TEST_F(GridViews, HeaderClicksSortAndTheMenuSortsHidesAndUnhides) {
  QTableView& ranking = Ranking();
  QWidget* header = ranking.horizontalHeader()->viewport();
  const int last = ranking.model()->rowCount() - 1;
  QTest::mouseClick(header, Qt::LeftButton, {}, HeaderPoint(ranking, 4));
  Settle();
  EXPECT_EQ(Text(ranking, 0, 4), "35");  // "Rank": the first click sorts descending
  QTest::mouseClick(header, Qt::LeftButton, {}, HeaderPoint(ranking, 4));
  Settle();
  EXPECT_EQ(Text(ranking, last, 4), "35");
  EXPECT_EQ(Text(ranking, 0, 4), "");
  // With Shift held the grid's own handler hears nothing.
  QTest::mouseClick(header, Qt::LeftButton, Qt::ShiftModifier, HeaderPoint(ranking, 4));
  Settle();
  EXPECT_EQ(Text(ranking, last, 4), "35");

  QMenu& menu = RightClick(last, 3);
  EXPECT_FALSE(Action(menu, "mnuGridMenuUnHideColumns").isEnabled());
  EXPECT_TRUE(Action(menu, "mnuGridMenuRedo").isEnabled());
  Choose("mnuGridMenuHideColumn");
  EXPECT_TRUE(ranking.isColumnHidden(3));  // "Trend", the column right-clicked

  RightClick(0, 4);
  EXPECT_TRUE(Action(menu, "mnuGridMenuUnHideColumns").isEnabled());
  Choose("mnuGridMenuSort1");
  EXPECT_EQ(Text(ranking, 0, 4), "35");
  RightClick(0, 4);
  Choose("mnuGridMenuSort0");
  EXPECT_EQ(Text(ranking, last, 4), "35");
  RightClick(0, 4);
  Choose("mnuGridMenuUnHideColumns");
  EXPECT_FALSE(ranking.isColumnHidden(3));
  EXPECT_GT(ranking.columnWidth(3), 0);

  // Over an engine's name the menu offers its home page.
  RightClick(Row(0), 0);
  const std::string home = EngineHomeLink(Catalogue().At(0));
  EXPECT_EQ(Action(menu, "mnuGridMenuJumpToUrl").text().toStdString(), "Jump to URL : " + home);
  Choose("mnuGridMenuJumpToUrl");
  Choose("mnuGridMenuJumpToResults");  // no saved result page: nothing opens
  EXPECT_EQ(w.dialogs.openedUrls, std::vector<std::string>{home});
  EXPECT_TRUE(w.dialogs.openedFiles.empty());
  // Once a run has saved it, the page of the engine right-clicked opens.
  const std::string page =
      ResultPagePath(w.Reports(), "www.example.com", Catalogue().At(0).Name, "rank checker");
  ASSERT_TRUE(MakeDirectories(page.substr(0, page.rfind('/'))));
  ASSERT_TRUE(WriteFileAtomically(page, "<HTML>"));
  RightClick(Row(0), 5);
  Choose("mnuGridMenuJumpToResults");
  EXPECT_EQ(w.dialogs.openedFiles, std::vector<std::string>{page});
}

TEST_F(GridViews, ThePointerShowsHintsAndTheKeyboardOpensTheMenuAndTheLinks) {
  QTableView& ranking = Ranking();
  ranking.setFocus();
  QTest::mouseMove(ranking.viewport(), CellCentre(ranking, Row(1), 0));
  EXPECT_EQ(Hint(), "Double-click for " + EngineHomeLink(Catalogue().At(1)));
  EXPECT_EQ(ranking.viewport()->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(ranking.viewport(), CellCentre(ranking, Row(1), 8));
  EXPECT_EQ(Hint(), "Double-click for Results from ==> " + Catalogue().At(1).Name + " <==");
  DoubleClick(ranking, Row(1), 8);
  ASSERT_EQ(w.dialogs.openedFiles.size(), 1u);
  EXPECT_EQ(Hint(), "Showing " + w.dialogs.openedFiles[0]);
  QTest::mouseMove(ranking.viewport(), CellCentre(ranking, Row(1), 5));
  EXPECT_EQ(Hint(), "");
  EXPECT_NE(ranking.viewport()->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(ranking.viewport(), CellCentre(ranking, Row(1), 0));
  ASSERT_TRUE(ranking.hasFocus());
  w.window->findChild<QComboBox*>()->setFocus();  // the hint goes with the focus
  EXPECT_EQ(Hint(), "");

  ranking.setFocus();
  ranking.setCurrentIndex(ranking.model()->index(Row(1), 0));
  QTest::keyClick(&ranking, Qt::Key_Menu);
  EXPECT_TRUE(Menu().isVisible());
  Menu().hide();
  QTest::keyClick(&ranking, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_TRUE(Menu().isVisible());
  Menu().hide();
  QTest::keyClick(&ranking, Qt::Key_Return);
  EXPECT_EQ(w.dialogs.openedUrls, std::vector<std::string>{EngineHomeLink(Catalogue().At(1))});

  // The bold option shows at once.
  MainFormModel& form = w.window->App().form;
  form.chkBoldRankingGrid.value = 1;
  form.chkBoldRankingGrid_Click();
  Settle();
  EXPECT_TRUE(ranking.model()->index(Row(1), 4).data(Qt::FontRole).value<QFont>().bold());
}

TEST_F(GridViews, AClickHighlightsAndCountsAndTheButtonsSizeTheGridThatShows) {
  QTableView& topUrls = w.TopUrls();
  auto& count = *w.window->findChild<QLabel*>("lblNumTotal");
  EXPECT_FALSE(count.isVisible());  // it belongs to the top-URLs grid
  w.ShowGrid(topUrls);
  EXPECT_TRUE(count.isVisible());
  EXPECT_EQ(count.text(), "00");

  const int first = RowOf(topUrls, Catalogue().At(0).Name);
  QTest::mouseClick(topUrls.viewport(), Qt::LeftButton, {}, CellCentre(topUrls, first, 1));
  Settle();
  EXPECT_EQ(count.text(), "03");  // the shared URL on three engines
  const ui::Grid& grid = w.window->App().form.topUrls.View();
  EXPECT_EQ(grid.At(first + 1, 1).backColor, ui::kYellow);  // the grid's colours stay
  EXPECT_EQ(topUrls.model()->index(first, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
            QColor(0, 255, 0));
  topUrls.setCurrentIndex(topUrls.model()->index(first, 2));
  QTest::keyClick(&topUrls, Qt::Key_Space);
  EXPECT_EQ(count.text(), "01");
  QTest::mouseMove(topUrls.viewport(), CellCentre(topUrls, first, 2));
  EXPECT_EQ(Hint(), "Double-click for " + kOwnUrl);

  auto& expand = *w.window->findChild<QPushButton*>("cmdExpandTopUrls");
  auto& collapse = *w.window->findChild<QPushButton*>("cmdCollapseTopUrls");
  QTest::mouseClick(&expand, Qt::LeftButton);
  Settle();
  EXPECT_GE(topUrls.columnWidth(1),
            topUrls.fontMetrics().horizontalAdvance(QString::fromStdString(kSharedUrl)));
  QTest::mouseClick(&collapse, Qt::LeftButton);
  Settle();
  EXPECT_EQ(topUrls.columnWidth(1), ui::kCollapsedWidth / kTwipsPerPixel);

  w.ShowGrid(Ranking());  // now the buttons size the ranking grid
  EXPECT_FALSE(count.isVisible());
  const int urlWidth = topUrls.columnWidth(2);
  QTest::mouseClick(&collapse, Qt::LeftButton);
  Settle();
  EXPECT_EQ(Ranking().columnWidth(9), ui::kCollapsedWidth / kTwipsPerPixel);
  EXPECT_EQ(topUrls.columnWidth(2), urlWidth);
}

TEST_F(GridViews, TheViewMenuWritesAndOpensEachReport) {
  Action(*w.window, "mnuViewLogReport").trigger();  // no run has written one
  EXPECT_EQ(Hint().rfind("No run has written a Log report yet: ", 0), 0u);
  Action(*w.window, "mnuViewMasterReport").trigger();  // there is no report folder yet
  ASSERT_EQ(w.dialogs.messages.size(), 1u);
  EXPECT_TRUE(w.dialogs.openedFiles.empty());

  ASSERT_TRUE(MakeDirectories(w.Reports()));
  ASSERT_TRUE(WriteFileAtomically(w.Reports() + "/Log.html", "<HTML>"));
  for (const char* item : {"mnuViewLogReport", "mnuViewMasterReport", "mnuViewRankingReport",
                           "mnuViewTopUrlsReport"}) {
    Action(*w.window, item).trigger();
  }
  RightClick(0, 3);
  Choose("mnuGridMenuHideColumn");
  RightClick(0, 4);
  Choose("mnuGridMenuGenerateReport");
  const std::string dir = w.Reports() + "/";
  EXPECT_EQ(w.dialogs.openedFiles,
            (std::vector<std::string>{dir + "Log.html", dir + "Master.html", dir + "Ranking.html",
                                      dir + "TopUrls.html", dir + "Ranking.html"}));
  std::string ranking, topUrls;
  ASSERT_TRUE(ReadWholeFile(dir + "Ranking.html", ranking));
  EXPECT_NE(ranking.find("There are hidden columns of : <br> [Trend]"), std::string::npos);
  ASSERT_TRUE(ReadWholeFile(dir + "TopUrls.html", topUrls));
  EXPECT_NE(topUrls.find("TopUrls Report for 'rank checker'"), std::string::npos);
  EXPECT_EQ(w.dialogs.messages.size(), 1u);
}

TEST_F(GridViews, AWidenedColumnIsSavedWithTheProjectAndComesBackOnOpen) {
  DragColumnTo(Ranking(), 2, 210);
  w.window.Action("&Save").trigger();
  ProjectState saved;
  ASSERT_TRUE(ReadProjectFile(w.Path(), saved, w.dialogs, Catalogue()));
  EXPECT_EQ(saved.ColumnWidthTable[0][2], 210 * kTwipsPerPixel);
  EXPECT_GT(saved.ColumnWidthTable[1][1], 0);

  w.window.Action("&New").trigger();
  Settle();
  EXPECT_NE(Ranking().columnWidth(2), 210);
  w.window.Action(QString::fromStdString("&0 " + w.Path())).trigger();
  Settle();
  EXPECT_EQ(Ranking().columnWidth(2), 210);
  EXPECT_TRUE(w.dialogs.messages.empty());
}

TEST(GridViewsRedo, ChecksOnlyTheFailedEnginesAgainAndShowsTheRun) {
  SimProcess sim("");
  ASSERT_NE(sim.Port(), 0);
  GridWindow redo;
  ASSERT_TRUE(MakeDirectories(redo.Reports()));
  // One engine kept from an earlier run (not what the simulator would say),
  // one that failed; the simulator lists the demo domain on both.
  ProjectState project = GridProject(redo.Reports());
  project.Domain = "www.kestrova-demo.com";
  project.KeywordText = "rank checker";
  project.AvailableEngines.clear();
  project.SelectedEngines = {Catalogue().At(0).Name, Catalogue().At(3).Name};
  SyncEngineLists(project, Catalogue());
  project.Rankings = {GridRecord("rank checker", 0, true, 7),
                      GridRecord("rank checker", 3, false, 0)};
  project.Rankings[0].TrendText = "kept";
  redo.Open(project);
  MainFormModel& form = redo.window->App().form;
  form.chkUseProxy.value = 1;
  form.txtHttpProxy.text = "127.0.0.1";
  form.txtPortProxy.text = std::to_string(sim.Port());

  QTableView& ranking = redo.Ranking();
  const int failed = RowOf(ranking, Catalogue().At(3).Name);
  QTest::mouseClick(ranking.viewport(), Qt::RightButton, {}, CellCentre(ranking, failed, 8));
  auto& menu = *redo.window->findChild<QMenu*>("mnuGridMenu");
  ASSERT_TRUE(menu.isVisible());
  menu.hide();
  Action(menu, "mnuGridMenuRedo").trigger();
  Settle();

  const ProjectState& after = redo.window->App().project;
  ASSERT_EQ(after.Rankings.size(), 2u);
  EXPECT_EQ(after.Rankings[0].TrendText, "kept");  // not checked again
  EXPECT_TRUE(after.Rankings[1].Succeeded);
  EXPECT_EQ(after.Rankings[1].Rank, 10);  // the demo's place on that engine
  EXPECT_EQ(after.SelectedEngines, project.SelectedEngines);
  EXPECT_EQ(ranking.model()->index(failed, 8).data().toString(), "Success");
  EXPECT_EQ(redo.window->RankButton().text(), "Rank");
  EXPECT_FALSE(form.lblLastRun.caption.empty());
  EXPECT_TRUE(redo.dialogs.messages.empty());
}

}  // namespace
}  // namespace kestrova::test

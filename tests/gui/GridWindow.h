// A main window offscreen over a sample project, for the grids' tests: five
// engines with a grade each (one failed), top URLs on three of them, two
// keywords. The grid views are found as Qt sees them, and the pointer and
// keys are sent as a person's would be.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <memory>

#include "base/Grade.h"
#include "engines/EngineCatalogue.h"
#include "gui/GuiWindow.h"
#include "qt/MainWindow.h"
#include "store/ProjectFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace kestrova::test {

inline RankingRecord GridRecord(const std::string& keyword, int engine, bool succeeded,
                                Integer rank) {
  RankingRecord record;
  record.Keyword = keyword;
  record.Engine = Catalogue().At(static_cast<Integer>(engine)).Name;
  record.Succeeded = succeeded;
  record.Rank = rank;
  record.Page = static_cast<Integer>(rank == 0 ? 0 : (rank - 1) / 10 + 1);
  record.PagePosition = static_cast<Integer>(rank == 0 ? 0 : (rank - 1) % 10 + 1);
  record.ChangeText = succeeded ? "---" : "";
  record.TrendText = succeeded ? "Unchanged with " + GetGradeRanking(rank) + " ranking" : "Re-run";
  return record;
}

// A long URL on the engines 0 to 2 of "rank checker", another on engine 0 only.
inline const std::string kSharedUrl =
    "http://www.widgetworks-example.com/catalogue/blue/widgets/index.html";
inline const std::string kOwnUrl = "http://www.alpha-example.org/page?a=1&b=2";

inline ProjectState GridProject(const std::string& reports) {
  ProjectState project;
  project.Domain = "www.example.com";
  project.KeywordText = "rank checker\r\nweb tools";
  project.TimeOutSecs = 5;
  project.KeywordDepth = 10;
  project.ReportDirectory = reports;
  SyncEngineLists(project, Catalogue());
  const Integer ranks[] = {3, 12, 25, 35, 0};
  for (int engine = 0; engine < 5; ++engine) {
    project.Rankings.push_back(GridRecord("rank checker", engine, engine != 4, ranks[engine]));
  }
  for (int engine = 0; engine < 3; ++engine) {
    RankingRecord& record = project.Rankings[static_cast<size_t>(engine)];
    record.TopUrls[0] = kSharedUrl;
    record.TopUrls[1] = engine == 0 ? kOwnUrl : "http://www.other-example.net/";
    record.TopUrlCount = 2;
  }
  project.Rankings[1].ChangeText = "  Up, (3)";
  project.Rankings[2].ChangeText = "Down, (-5)";
  project.Rankings.push_back(GridRecord("web tools", 0, true, 41));
  return project;
}

struct GridWindow {
  GridWindow() {
    window =
        std::make_unique<MainWindow>(dialogs, clock, ProgramPaths{dir / "config", dir / "data"});
  }
  ~GridWindow() {
    window->close();  // the shutdown tasks run before the window goes
    window.reset();
  }

  // Writes `project` as "site.rnk", starts the window on it and shows it.
  void Open(const ProjectState& project) {
    ASSERT_TRUE(WriteProjectFile(Path(), project));
    window->StartUp({Path()});
    window->resize(1180, 680);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Settle();
  }
  std::string Path() const { return dir / "site.rnk"; }
  std::string Reports() const { return dir / "Results"; }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  // The grid views by their column counts: ten for the ranking, eleven for the top URLs.
  QTableView& View(int columns) const {
    for (QTableView* view : window->findChildren<QTableView*>()) {
      if (view->model() != nullptr && view->model()->columnCount() == columns) return *view;
    }
    ADD_FAILURE() << "no grid of " << columns << " columns";
    return *window->findChild<QTableView*>();
  }
  QTableView& Ranking() const { return View(10); }
  QTableView& TopUrls() const { return View(11); }
  // Shows the tab (or page) of `view`.
  void ShowGrid(QTableView& view) const {
    auto* tabs = window->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentWidget(&view);
    Settle();
  }
  // The view's row whose engine column reads `engine`.
  static int RowOf(QTableView& view, const std::string& engine) {
    for (int row = 0; row < view.model()->rowCount(); ++row) {
      if (view.model()->index(row, 0).data().toString().toStdString() == engine) return row;
    }
    return -1;
  }
  static QPoint CellCentre(QTableView& view, int row, int col) {
    return view.visualRect(view.model()->index(row, col)).center();
  }
  static QPoint HeaderPoint(QTableView& view, int col) {
    QHeaderView* header = view.horizontalHeader();
    return {header->sectionViewportPosition(col) + header->sectionSize(col) / 2,
            header->height() / 2};
  }
  static void DoubleClick(QTableView& view, int row, int col) {
    const QPoint at = CellCentre(view, row, col);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
    Settle();
  }
  // A person drags the right edge of column `col` to `pixels` wide.
  static void DragColumnTo(QTableView& view, int col, int pixels) {
    QHeaderView* header = view.horizontalHeader();
    const int edge = header->sectionViewportPosition(col) + header->sectionSize(col) - 1;
    const int y = header->height() / 2;
    QWidget* target = header->viewport();
    QTest::mousePress(target, Qt::LeftButton, {}, QPoint(edge, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(edge + pixels - header->sectionSize(col), y),
                     target->mapToGlobal(QPointF(edge, y)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QTest::mouseRelease(target, Qt::LeftButton, {},
                        QPoint(edge + pixels - header->sectionSize(col), y));
    Settle();
  }

  QApplication& app = GuiApp();  // one for the whole test program
  TempFolder dir{"kestrova-gui-"};
  ScriptedDialogs dialogs;
  FixedClock clock{MakeDate({2024, 3, 9, 14, 5, 6})};
  std::unique_ptr<MainWindow> window;
};

}  // namespace kestrova::test

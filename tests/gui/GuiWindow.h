// What the window tests share: one QApplication for the whole test program
// (offscreen unless a platform is set), sample projects, a main window over a
// temporary home with scripted dialogs, look-ups of its widgets, menu actions
// and grid views, and the pointer and keys sent as a person's would be.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <memory>
#include <string>

#include "base/Grade.h"
#include "engines/EngineCatalogue.h"
#include "qt/MainWindow.h"
#include "qt/QtSettingsBackend.h"
#include "store/ProjectFile.h"
#include "store/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace kestrova::test {

inline QApplication& GuiApp() {
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);  // lives as long as the process
  return *app;
}

// A check of `keyword` on the catalogue's engine `engine`, found at `rank` (0: not found).
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

// A project of two keywords, each with one record, at `dir`/`name`.
inline std::string WriteSampleProject(const std::string& dir,
                                      const std::string& name = "sample.rnk") {
  ProjectState project;
  project.Domain = "www.example.com";
  project.KeywordText = "web tools\r\nrank checker";
  project.TimeOutSecs = 50;
  project.KeywordDepth = 30;
  project.ReportDirectory = dir + "/Results";
  SyncEngineLists(project, Catalogue());
  project.Rankings = {GridRecord("web tools", 0, true, 12), GridRecord("rank checker", 1, true, 3)};
  const std::string path = dir + "/" + name;
  EXPECT_TRUE(WriteProjectFile(path, project));
  return path;
}

inline ProjectState ReadBack(const std::string& path) {
  ProjectState project;
  ScriptedDialogs quiet;
  EXPECT_TRUE(ReadProjectFile(path, project, quiet, Catalogue()));
  return project;
}

// A long URL on the engines 0 to 2 of "rank checker", another on engine 0 only.
inline const std::string kSharedUrl =
    "http://www.widgetworks-example.com/catalogue/blue/widgets/index.html";
inline const std::string kOwnUrl = "http://www.alpha-example.org/page?a=1&b=2";

// For the grids: five engines with a grade each (one failed), top URLs on
// three of them, two keywords.
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

inline void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// A main window over `home`, with a settings store there when `withStore`.
class GuiWindow {
 public:
  explicit GuiWindow(const TempFolder& home, bool withStore = false)
      : window_((GuiApp(), dialogs), clock_, ProgramPaths{home / "config", home / "data"}) {
    if (withStore) {
      backend_ = OpenQtSettingsBackend(home / "config");
      store_ = std::make_unique<SettingsStore>(*backend_, dialogs, kProductName);
      window_.App().store = store_.get();
    }
  }
  ~GuiWindow() { window_.App().store = nullptr; }

  MainWindow& operator*() { return window_; }
  MainWindow* operator->() { return &window_; }

  template <class Widget>
  Widget& Find(const char* name) {
    Widget* widget = window_.findChild<Widget*>(name);
    if (widget == nullptr) {
      ADD_FAILURE() << "no widget " << name;
      throw std::runtime_error(name);
    }
    return *widget;
  }

  // The menu action whose text is `text` ("&New", "&0 /path").
  QAction& Action(const QString& text) {
    for (QAction* action : window_.findChildren<QAction*>()) {
      if (action->text() == text) return *action;
    }
    ADD_FAILURE() << "no action " << text.toStdString();
    throw std::runtime_error(text.toStdString());
  }

  // The grid views by their column counts: ten for the ranking, eleven for the top URLs.
  QTableView& View(int columns) {
    for (QTableView* view : window_.findChildren<QTableView*>()) {
      if (view->model() != nullptr && view->model()->columnCount() == columns) return *view;
    }
    ADD_FAILURE() << "no grid of " << columns << " columns";
    throw std::runtime_error("no grid");
  }
  QTableView& Ranking() { return View(10); }
  QTableView& TopUrls() { return View(11); }
  // Shows the tab (or page) of `view`.
  void ShowGrid(QTableView& view) {
    window_.findChild<QTabWidget*>()->setCurrentWidget(&view);
    Settle();
  }

  ScriptedDialogs dialogs;

 private:
  SystemClock clock_;
  std::unique_ptr<SettingsBackend> backend_;
  std::unique_ptr<SettingsStore> store_;
  MainWindow window_;
};

// A window over its own folder, opened on a project written there as "site.rnk".
struct GridWindow {
  ~GridWindow() { window->close(); }  // the shutdown tasks run before the window goes

  void Open(const ProjectState& project) {
    ASSERT_TRUE(WriteProjectFile(Path(), project));
    window->StartUp({Path()});
    window->resize(1180, 680);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&*window));
    Settle();
  }
  std::string Path() const { return dir / "site.rnk"; }
  std::string Reports() const { return dir / "Results"; }
  QTableView& Ranking() { return window.Ranking(); }
  QTableView& TopUrls() { return window.TopUrls(); }
  void ShowGrid(QTableView& view) { window.ShowGrid(view); }

  TempFolder dir{"kestrova-gui-"};
  GuiWindow window{dir};
  ScriptedDialogs& dialogs = window.dialogs;
};

// The view's row whose engine column reads `engine`, or -1.
inline int RowOf(QTableView& view, const std::string& engine) {
  for (int row = 0; row < view.model()->rowCount(); ++row) {
    if (view.model()->index(row, 0).data().toString().toStdString() == engine) return row;
  }
  return -1;
}
inline QPoint CellCentre(QTableView& view, int row, int col) {
  return view.visualRect(view.model()->index(row, col)).center();
}
inline QPoint HeaderPoint(QTableView& view, int col) {
  QHeaderView* header = view.horizontalHeader();
  return {header->sectionViewportPosition(col) + header->sectionSize(col) / 2,
          header->height() / 2};
}
inline void DoubleClick(QTableView& view, int row, int col) {
  const QPoint at = CellCentre(view, row, col);
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
  Settle();
}
// A person drags the right edge of column `col` to `pixels` wide.
inline void DragColumnTo(QTableView& view, int col, int pixels) {
  QHeaderView* header = view.horizontalHeader();
  const int edge = header->sectionViewportPosition(col) + header->sectionSize(col) - 1;
  const int y = header->height() / 2;
  const int to = edge + pixels - header->sectionSize(col);
  QWidget* target = header->viewport();
  QTest::mousePress(target, Qt::LeftButton, {}, QPoint(edge, y));
  QMouseEvent move(QEvent::MouseMove, QPointF(to, y), target->mapToGlobal(QPointF(edge, y)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(to, y));
  Settle();
}

}  // namespace kestrova::test

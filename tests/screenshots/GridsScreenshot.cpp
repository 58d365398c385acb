// The main window over a project ranked on every engine, shown until it is
// closed (or for a minute), for the screenshot harness. "menu" opens the
// ranking grid's pop-up menu over a failed engine's Result; "highlight" shows
// the top-URLs grid with one URL highlighted on the engines that list it;
// "expanded" shows that grid after Expand, its URLs whole.
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <string>

#include "base/Grade.h"
#include "engines/EngineCatalogue.h"
#include "qt/MainWindow.h"
#include "qt/RankingGridView.h"
#include "qt/TopUrlsGridView.h"
#include "store/ProjectFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

// Each engine lists pages of its own, and a few of these shared ones.
const char* kSharedUrls[] = {"http://www.blue-widgets.example.com/catalogue/index.html",
                             "http://shop.example.org/widgets?colour=blue&size=10",
                             "http://en.wikipedia.example/wiki/Widget"};
const char* kHosts[] = {"www.widget-reviews.example.net", "news.example.com",
                        "www.gadgets.example.co.uk",      "blog.example.de",
                        "www.example-supplies.com",       "forum.example.org"};

std::string TopUrl(int engine, int slot) {
  const int shared = (engine * 3 + slot) % 11;
  if (shared < 3) return kSharedUrls[shared];
  return "http://" + std::string(kHosts[(engine + slot) % 6]) + "/widgets/" +
         std::to_string(engine * 10 + slot) + ".html";
}

ProjectState RankedProject(const std::string& reports) {
  ProjectState project;
  project.Domain = "www.widgetworks.com";
  project.KeywordText = "blue widgets\r\nwidget shop";
  project.TimeOutSecs = 50;
  project.KeywordDepth = 30;
  project.ReportDirectory = reports;
  for (Integer i = 0; i <= Catalogue().LastEngineIndex; ++i) {
    project.SelectedEngines.push_back(Catalogue().At(i).Name);
    RankingRecord record;
    record.Keyword = "blue widgets";
    record.Engine = Catalogue().At(i).Name;
    record.Succeeded = i % 7 != 5;
    record.Rank = record.Succeeded ? static_cast<Integer>((i * 7) % 46) : 0;
    record.Page = static_cast<Integer>(record.Rank == 0 ? 0 : (record.Rank - 1) / 10 + 1);
    record.PagePosition = static_cast<Integer>(record.Rank == 0 ? 0 : (record.Rank - 1) % 10 + 1);
    const int change = (i % 5) - 2;
    record.ChangeText = !record.Succeeded ? ""
                        : change == 0     ? "---"
                        : change < 0      ? "Down, (" + std::to_string(change) + ")"
                                          : "  Up, (" + std::to_string(change) + ")";
    record.TrendText = !record.Succeeded ? "Re-run"
                       : change == 0 ? "Unchanged with " + GetGradeRanking(record.Rank) + " ranking"
                       : change < 0  ? "Dropped to " + GetGradeRanking(record.Rank) + " ranking"
                                     : "Increased to " + GetGradeRanking(record.Rank) + " ranking";
    for (int slot = 0; slot < 10 && record.Succeeded; ++slot) {
      record.TopUrls[static_cast<size_t>(slot)] = TopUrl(i, slot);
    }
    record.TopUrlCount = record.Succeeded ? 10 : 0;
    project.Rankings.push_back(record);
  }
  SyncEngineLists(project, Catalogue());
  return project;
}

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv) {
  using namespace kestrova;
  const std::string mode = argc > 1 ? argv[1] : "menu";
  QApplication app(argc, argv);
  test::TempFolder folder("kestrova-screenshot-");
  const std::string path = folder / "shop.rnk";
  if (!WriteProjectFile(path, RankedProject(folder / "Results"))) return 1;
  test::ScriptedDialogs dialogs;
  SystemClock clock;
  MainWindow window(dialogs, clock, ProgramPaths{folder / "config", folder / "data"});
  window.StartUp({path});
  window.move(0, 0);
  window.show();

  QTimer::singleShot(400, &window, [&] {
    MainFormModel& form = window.App().form;
    if (mode != "menu") {
      auto* topUrls = window.findChild<TopUrlsGridView*>();
      window.findChild<QTabWidget*>()->setCurrentWidget(topUrls);
      topUrls->setFocus();
      // A page many engines list among their first ten.
      topUrls->setCurrentIndex(topUrls->model()->index(1, 9));
      form.grdTopUrls_Click();
      form.sbStatusBar[2] = "Double-click for " + form.topUrls.View().Text(2, 9);
      form.ShowNow();
      if (mode == "expanded") window.findChild<QPushButton*>("cmdExpandTopUrls")->click();
    } else {
      auto* ranking = window.findChild<RankingGridView*>();
      ranking->setFocus();
      ranking->setCurrentIndex(ranking->model()->index(5, 8));
      ranking->PopUpAt({6, 8});  // the failed engine's Result
    }
  });
  QTimer::singleShot(60000, &app, &QApplication::quit);
  return app.exec();
}

// The main window for the screenshot harness, in one of three states:
//   main_window_screenshot idle|run|settings SIM_PATH
// idle: after a finished run of the demo world; run: during a run that waits
// on the demo's silent engine; settings: idle with the settings open. The
// window stays until it is closed (or for a minute).
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstring>

#include "engines/EngineCatalogue.h"
#include "qt/MainWindow.h"
#include "sim/Scenario.h"
#include "store/ProjectFile.h"
#include "support/ExternalServer.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

// The demo project: every engine but the silent one when idle, all of them for a run.
std::string WriteDemoProject(const test::TempFolder& folder, bool withSilentEngine) {
  ProjectState project;
  project.Domain = std::string(sim::kDemoDomain);
  project.KeywordText = withSilentEngine
                            ? "rank checker\r\nwebsite ranking\r\nsearch engine position"
                            : "website ranking\r\nrank checker";
  project.TimeOutSecs = 60;
  project.KeywordDepth = 30;
  project.ReportDirectory = folder / "Results";
  const EngineCatalogue& catalogue = Catalogue();
  for (int i = 0; i <= catalogue.LastEngineIndex; ++i) {
    const std::string& name = catalogue.At(static_cast<Integer>(i)).Name;
    if (withSilentEngine || name != "HotBot") project.SelectedEngines.push_back(name);
  }
  SyncEngineLists(project, catalogue);
  const std::string path = folder / "demo.rnk";
  return WriteProjectFile(path, project) ? path : std::string();
}

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv) {
  using namespace kestrova;
  if (argc != 3) return 2;
  const std::string mode = argv[1];
  QApplication app(argc, argv);
  test::TempFolder folder("kestrova-screenshot-");
  test::ExternalServer sim;
  const std::uint16_t port = sim.StartOnReportedPort(
      {argv[2], "--port", "0", "--port-file", folder / "sim.port", "--quiet"}, folder / "sim.port",
      folder / "sim.log");
  if (port == 0) return 1;
  const std::string path = WriteDemoProject(folder, mode == "run");
  if (path.empty()) return 1;

  test::ScriptedDialogs dialogs;
  dialogs.onYield = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
  SystemClock clock;
  MainWindow window(dialogs, clock, ProgramPaths{folder / "config", folder / "data"});
  window.StartUp({path});
  MainFormModel& form = window.App().form;
  form.chkUseProxy.value = 1;
  form.txtHttpProxy.text = "127.0.0.1";
  form.txtPortProxy.text = std::to_string(port);
  window.move(0, 0);
  window.resize(1270, 760);
  window.show();
  QTimer::singleShot(300, &window, [&] {
    window.RankButton().click();  // returns when the run has ended (idle, settings)
    if (mode == "settings") window.OpenSettings();
  });
  QTimer::singleShot(60000, &app, [&] {
    if (form.running) window.RankButton().click();  // Stop; the close follows the run
    QApplication::exit(0);
  });
  return app.exec();
}

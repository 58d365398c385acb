// kestrova [FILE.rnk]: the desktop program. Loads the settings, shows the main
// window, opens a project named first on the command line, and on close saves
// the settings and a changed project.
#include <QApplication>
#include <memory>

#include "base/Date.h"
#include "base/Files.h"
#include "base/Text.h"
#include "qt/MainWindow.h"
#include "qt/QtDialogs.h"
#include "qt/QtSettingsBackend.h"
#include "qt/QtText.h"
#include "store/SettingsPaths.h"
#include "store/UserEngines.h"

int main(int argc, char** argv) {
  using namespace kestrova;
  QApplication app(argc, argv);
  QApplication::setApplicationName(kProductName);

  QtDialogs dialogs;
  const ProgramPaths paths = ProgramPathsFromEnvironment();
  std::unique_ptr<SettingsBackend> backend = OpenQtSettingsBackend(paths.configDirectory);
  SettingsStore store(*backend, dialogs, kProductName);
  store.ReportBackendProblems();
  ProgramSettings settings;
  LoadSettings(store, settings);  // a failure was shown; the defaults stand

  // A missing report directory stops nothing here; the run checks it again.
  const std::string reportDirectory = DefaultReportDirectory(paths);
  if (!DirExists(reportDirectory)) MakeDirectories(reportDirectory);

  // A bad engines file costs its bad engines, never the start.
  const CatalogueLoad engines = LoadProgramCatalogue(UserEnginesPath(paths), false);
  if (!engines.problems.empty()) {
    dialogs.ShowMessage(UserEnginesMessage(engines.problems), kProductName, MessageButtons::Ok,
                        MessageIcon::Exclamation);
  }

  SystemClock clock;
  MainWindow window(dialogs, clock, settings, &store, reportDirectory, engines.catalogue);
  window.show();

  const QStringList args = QApplication::arguments();
  if (args.size() > 1) {
    const std::string path = FromQt(args.at(1));
    if (FindNoCase(path, "rnk") > 0 && FileExists(path)) window.OpenProject(path);
  }
  return QApplication::exec();
}

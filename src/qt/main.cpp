// kestrova [FILE.rnk]: the desktop program. Loads the settings, shows the main
// window, opens a project named first on the command line, and on close saves
// the settings and a changed project.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "base/Process.h"
#include "base/ProductInfo.h"
#include "qt/MainWindow.h"
#include "qt/QtDialogs.h"
#include "qt/QtSettingsBackend.h"
#include "qt/QtText.h"
#include "store/SettingsPaths.h"
#include "store/SettingsStore.h"
#include "store/UserEngines.h"
#include "store/XdgFileAssociation.h"

namespace {

constexpr const char* kUsageText =
    "Usage: kestrova [FILE.rnk]\n"
    "The desktop program of Kestrova, the rank checker: checks where a domain is\n"
    "listed on the search engines of its catalogue for each keyword of a project.\n"
    "\n"
    "Arguments:\n"
    "  FILE.rnk       a project file to open at start\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "  --version      print the version and exit\n"
    "\n"
    "kestrova-cli offers the same actions without a window.\n";

// Answers --help and --version before Qt starts, so they need no display
// (help2man asks both while the program is built).
bool AnsweredWithoutWindow(int argc, char** argv) {
  if (argc < 2) return false;
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fputs(kUsageText, stdout);
    return true;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("kestrova %s\n", kestrova::kProductVersionText);
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kestrova;
  if (AnsweredWithoutWindow(argc, argv)) return 0;
  QApplication app(argc, argv);
  QApplication::setApplicationName(kProductName);

  QtDialogs dialogs;
  const ProgramPaths paths = ProgramPathsFromEnvironment();
  std::unique_ptr<SettingsBackend> backend = OpenQtSettingsBackend(paths.configDirectory);
  SettingsStore store(*backend, dialogs, kProductName);
  // A bad engines file costs its bad engines, never the start.
  const CatalogueLoad engines = LoadProgramCatalogue(UserEnginesPath(paths), false);
  if (!engines.problems.empty()) {
    dialogs.ShowMessage(UserEnginesMessage(engines.problems), kProductName, MessageButtons::Ok,
                        MessageIcon::Exclamation);
  }
  const std::string programPath = CurrentProgramPath();
  const std::unique_ptr<FileAssociation> association = ChooseFileAssociation(store, programPath);
  SystemClock clock;

  MainWindow window(dialogs, clock, paths, engines.catalogue);
  dialogs.SetParent(&window);
  Application& application = window.App();
  application.store = &store;
  application.association = association.get();
  application.programPath = programPath;
  application.enginesFileIncomplete = !engines.problems.empty();
  std::vector<std::string> commandLine;
  for (const QString& argument : QApplication::arguments().mid(1)) {
    commandLine.push_back(FromQt(argument));
  }
  window.StartUp(commandLine);
  window.show();
  const int code = QApplication::exec();
  dialogs.SetParent(nullptr);
  return code;
}

// kestrova [FILE.rnk]: the desktop program. Loads the settings, shows the main
// window, opens a project named first on the command line, and on close saves
// the settings and a changed project.
#include <QApplication>
#include <memory>

#include "qt/MainWindow.h"
#include "qt/QtDialogs.h"
#include "qt/QtSettingsBackend.h"
#include "qt/QtText.h"
#include "store/SettingsStore.h"

int main(int argc, char** argv) {
  using namespace kestrova;
  QApplication app(argc, argv);
  QApplication::setApplicationName(kProductName);

  QtDialogs dialogs;
  const ProgramPaths paths = ProgramPathsFromEnvironment();
  std::unique_ptr<SettingsBackend> backend = OpenQtSettingsBackend(paths.configDirectory);
  SettingsStore store(*backend, dialogs, kProductName);
  StoreFileAssociation association(store);
  SystemClock clock;

  MainWindow window(dialogs, clock, paths);
  dialogs.SetParent(&window);
  Application& application = window.App();
  application.store = &store;
  application.association = &association;
  application.programPath = FromQt(QApplication::applicationFilePath());
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

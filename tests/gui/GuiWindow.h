// What the window tests share: one QApplication for the whole test program
// (offscreen unless a platform is set), a main window over a temporary home
// with scripted dialogs, and look-ups of its widgets and menu actions.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <memory>
#include <string>

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

inline RankingRecord FoundRecord(const std::string& keyword, const std::string& engine,
                                 Integer rank) {
  RankingRecord record;
  record.Succeeded = true;
  record.Keyword = keyword;
  record.Engine = engine;
  record.Rank = rank;
  record.Page = 2;
  record.PagePosition = 2;
  record.ChangeText = "---";
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
  project.Rankings = {FoundRecord("web tools", Catalogue().At(0).Name, 12),
                      FoundRecord("rank checker", Catalogue().At(1).Name, 3)};
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

  ScriptedDialogs dialogs;

 private:
  SystemClock clock_;
  std::unique_ptr<SettingsBackend> backend_;
  std::unique_ptr<SettingsStore> store_;
  MainWindow window_;
};

}  // namespace kestrova::test

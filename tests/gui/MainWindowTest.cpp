// The main window offscreen: a project named on the command line shows in the
// grid, New asks before throwing edits away, a recent file reopens, and closing
// with unsaved edits saves the project without losing its records.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <cstdlib>

#include "engines/EngineCatalogue.h"
#include "qt/GridTableModel.h"
#include "qt/MainWindow.h"
#include "store/ProjectFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

RankingRecord Record(const std::string& keyword, const std::string& engine, Integer rank) {
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

std::string WriteSampleProject(const std::string& dir) {
  ProjectState project;
  project.Domain = "www.example.com";
  project.KeywordText = "web tools\r\nrank checker";
  project.TimeOutSecs = 50;
  project.KeywordDepth = 30;
  project.ReportDirectory = dir + "/Results";
  SyncEngineLists(project, Catalogue());
  project.Rankings = {Record("web tools", Catalogue().At(0).Name, 12),
                      Record("rank checker", Catalogue().At(1).Name, 3)};
  const std::string path = dir + "/sample.rnk";
  EXPECT_TRUE(WriteProjectFile(path, project));
  return path;
}

// The row of the model whose engine column reads `engine`, or -1.
int RowOf(GridTableModel& model, const std::string& engine) {
  for (int row = 0; row < model.rowCount(); ++row) {
    if (model.index(row, 0).data().toString().toStdString() == engine) return row;
  }
  return -1;
}

// The File menu's action whose text is `text` ("&New", "&0 /path").
QAction& MenuAction(MainWindow& window, const QString& text) {
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text() == text) return *action;
  }
  ADD_FAILURE() << "no action " << text.toStdString();
  static QAction none;
  return none;
}

TEST(MainWindow, OpensTheCommandLineProjectAsksBeforeNewAndSavesEditsOnClose) {
  int argc = 1;
  char name[] = "test_gui";
  char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  test::TempFolder dir("kestrova-gui-");
  const std::string path = WriteSampleProject(dir.path());

  test::ScriptedDialogs dialogs;
  SystemClock clock;
  MainWindow window(dialogs, clock, ProgramPaths{dir / "config", dir / "data"});
  window.App().settings.Jobs = 3;
  window.StartUp({path});
  EXPECT_EQ(window.RankButton().text().toStdString(), "Rank");
  EXPECT_EQ(window.App().rank.RunSettingsNow().jobs, 3);  // the stored degree reaches the run
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrova Pro - sample.rnk");
  EXPECT_EQ(window.App().settings.RecentFiles[0], path);
  EXPECT_TRUE(MenuAction(window, QString::fromStdString("&0 " + path)).isVisible());

  // The first keyword is chosen: its record fills its engine's row, the other stays empty.
  GridTableModel& model = window.RankingModel();
  EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Search Engine");
  const int first = RowOf(model, Catalogue().At(0).Name);
  const int second = RowOf(model, Catalogue().At(1).Name);
  ASSERT_GE(first, 0);
  ASSERT_GE(second, 0);
  EXPECT_EQ(model.index(first, 4).data().toString(), "12");
  EXPECT_EQ(model.index(first, 7).data().toString(), "GOOD");
  EXPECT_TRUE(model.index(first, 8).data(Qt::FontRole).value<QFont>().underline());
  EXPECT_EQ(model.index(second, 4).data().toString(), "");
  window.show();
  if (const char* shot = std::getenv("KESTROVA_GUI_SCREENSHOT")) window.grab().save(shot);

  // New with unsaved edits asks first; No throws them away.
  window.App().form.MarkModified();
  dialogs.answers = {MessageAnswer::No};
  MenuAction(window, "&New").trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Save Project file before closing?");
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrova Pro - (none)");
  EXPECT_EQ(model.index(first, 4).data().toString(), "");

  // The recent file reopens; an edit marks it, and closing saves it, records and all.
  MenuAction(window, QString::fromStdString("&0 " + path)).trigger();
  EXPECT_EQ(model.index(first, 4).data().toString(), "12");
  window.App().form.MarkModified();
  window.App().form.ShowNow();
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrova Pro - <sample.rnk>");
  window.close();
  EXPECT_EQ(dialogs.messages.size(), 1u);  // closing saves without asking
  ProjectState reread;
  test::ScriptedDialogs quiet;
  ASSERT_TRUE(ReadProjectFile(path, reread, quiet, Catalogue()));
  EXPECT_EQ(reread.Rankings.size(), 2u);
  EXPECT_EQ(reread.KeywordText, "web tools\r\nrank checker");
  EXPECT_EQ(reread.Domain, "www.example.com");
}

}  // namespace
}  // namespace kestrova

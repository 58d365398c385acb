// The main window offscreen: a project written by the core shows in the grid,
// and closing with unsaved edits saves the project without losing its records.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>

#include "engines/EngineCatalogue.h"
#include "qt/GridTableModel.h"
#include "qt/MainWindow.h"
#include "qt/QtDialogs.h"
#include "store/ProjectFile.h"
#include "support/ScriptedDialogs.h"

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

std::string WriteSampleProject(const std::filesystem::path& dir) {
  ProjectState project;
  project.Domain = "www.example.com";
  project.KeywordText = "web tools\r\nrank checker";
  project.TimeOutSecs = 50;
  project.KeywordDepth = 30;
  project.ReportDirectory = (dir / "Results").string();
  SyncEngineLists(project, Catalogue());
  project.Rankings = {Record("web tools", Catalogue().At(0).Name, 12),
                      Record("rank checker", Catalogue().At(1).Name, 3)};
  const std::string path = (dir / "sample.rnk").string();
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

TEST(MainWindow, ShowsAnOpenedProjectAndSavesItsEditsOnClose) {
  int argc = 1;
  char name[] = "test_gui";
  char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const auto dir = std::filesystem::temp_directory_path() / "kestrova_gui_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = WriteSampleProject(dir);

  QtDialogs dialogs;
  SystemClock clock;
  ProgramSettings settings;
  settings.Jobs = 3;
  MainWindow window(dialogs, clock, settings, nullptr, (dir / "Results").string());
  EXPECT_EQ(window.RankButton().text().toStdString(), "Rank");
  EXPECT_EQ(window.RunSettingsNow().jobs, 3);  // the stored degree reaches the run
  ASSERT_TRUE(window.OpenProject(path));
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrova Pro - sample.rnk");
  EXPECT_EQ(settings.RecentFiles[0], path);

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

  // An edit marks the project; closing saves it, records and all.
  window.RunSettingsNow().markModified();
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrova Pro - <sample.rnk>");
  window.close();
  ProjectState reread;
  test::ScriptedDialogs quiet;
  ASSERT_TRUE(ReadProjectFile(path, reread, quiet, Catalogue()));
  EXPECT_EQ(reread.Rankings.size(), 2u);
  EXPECT_EQ(reread.KeywordText, "web tools\r\nrank checker");
  EXPECT_EQ(reread.Domain, "www.example.com");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kestrova

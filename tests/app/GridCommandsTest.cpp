// What the grids ask of the application: a report that cannot be written is
// told and not opened, Redo with nothing failed runs nothing, and a command
// without a window keeps the file's own column widths. (The View menu writing
// and opening each report: GridViews in the window tests.)
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "app/GridRedo.h"
#include "app/ReportViews.h"
#include "base/Files.h"

namespace kestrova::test {
namespace {

struct GridCommands : AppFixture, ::testing::Test {
  void SetUp() override {
    app.StartUp({});
    WriteProject(home / "site.rnk", "web tools");
    dialogs.ChooseNext(home / "site.rnk");
    app.mnuFileOpen_Click();
    app.project.ReportDirectory = home / "Results";
  }
};

TEST_F(GridCommands, AReportThatCannotBeWrittenIsToldAndNotOpened) {
  // The report directory was never made: there is nowhere to write.
  ViewReportFromMenu(app.form, ReportChoice::Ranking);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.rfind("The report could not be written.\r\n\r\n", 0), 0u);
  EXPECT_NE(dialogs.messages[0].text.find("Ranking.html"), std::string::npos);
  EXPECT_TRUE(dialogs.openedFiles.empty());
  EXPECT_EQ(ViewReport(app.form, ReportChoice::TopUrls).path, home / "Results/TopUrls.html");
}

TEST_F(GridCommands, RedoWithNoFailedEngineRunsNothing) {
  EXPECT_FALSE(RedoFailedEngines(app));
  EXPECT_EQ(app.project.LastRunDate, kNeverRun);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GridCommands, OnlyAWindowsWidthsAreSavedWithTheProject) {
  const std::string path = home / "site.rnk";
  app.form.ranking.View().SetColWidth(9, 4321);
  ASSERT_TRUE(app.mnuFileSave_Click());  // no window: the file's widths stay unsaved
  ProjectState reread;
  ASSERT_TRUE(ReadProjectFile(path, reread, dialogs, Catalogue()));
  EXPECT_EQ(reread.ColumnWidthTable[0][9], 0);

  app.form.gridWidthsShown = true;
  ASSERT_TRUE(app.mnuFileSave_Click());
  ASSERT_TRUE(ReadProjectFile(path, reread, dialogs, Catalogue()));
  EXPECT_EQ(reread.ColumnWidthTable[0][9], 4321);
}

}  // namespace
}  // namespace kestrova::test

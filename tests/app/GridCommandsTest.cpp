// What the grids ask of the application: the reports a person views (written
// from the grids, opened through the desktop's handler, a missing or unwritable
// one told), Redo with nothing failed, and the column widths a project keeps.
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
  std::string Report(const char* name) const { return home / "Results/" + name; }
};

TEST_F(GridCommands, EachReportIsWrittenFromTheGridsAndOpened) {
  ASSERT_TRUE(MakeDirectories(home / "Results"));
  ViewReportFromMenu(app.form, ReportChoice::Log);  // no run has written one
  EXPECT_EQ(app.form.sbStatusBar[2], "No run has written a Log report yet: " + Report("Log.html"));
  EXPECT_TRUE(dialogs.openedFiles.empty());

  ASSERT_TRUE(WriteFileAtomically(Report("Log.html"), "<HTML>"));
  ASSERT_TRUE(WriteFileAtomically(Report("Ranking.html"), "an old table"));
  for (ReportChoice choice : {ReportChoice::Log, ReportChoice::Master, ReportChoice::Ranking,
                              ReportChoice::TopUrls, ReportChoice::CurrentTable}) {
    ViewReportFromMenu(app.form, choice);
  }
  EXPECT_EQ(
      dialogs.openedFiles,
      (std::vector<std::string>{Report("Log.html"), Report("Master.html"), Report("Ranking.html"),
                                Report("TopUrls.html"), Report("Ranking.html")}));
  EXPECT_TRUE(dialogs.messages.empty());
  std::string ranking, topUrls;
  ASSERT_TRUE(ReadWholeFile(Report("Ranking.html"), ranking));
  ASSERT_TRUE(ReadWholeFile(Report("TopUrls.html"), topUrls));
  EXPECT_NE(ranking.find(">4</font>"), std::string::npos);  // the grid's rank of "web tools"
  EXPECT_NE(topUrls.find("TopUrls Report for 'web tools'"), std::string::npos);
}

TEST_F(GridCommands, AReportThatCannotBeWrittenIsToldAndNotOpened) {
  // The report directory was never made: there is nowhere to write.
  ViewReportFromMenu(app.form, ReportChoice::Ranking);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.rfind("The report could not be written.\r\n\r\n", 0), 0u);
  EXPECT_NE(dialogs.messages[0].text.find("Ranking.html"), std::string::npos);
  EXPECT_TRUE(dialogs.openedFiles.empty());
  EXPECT_EQ(ViewReport(app.form, ReportChoice::TopUrls).path, Report("TopUrls.html"));
}

TEST_F(GridCommands, RedoWithNoFailedEngineRunsNothing) {
  EXPECT_FALSE(RedoFailedEngines(app));
  EXPECT_EQ(app.project.LastRunDate, kNeverRun);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GridCommands, AWindowsWidthsAreSavedAndAppliedAndACommandKeepsTheFilesOwn) {
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
  EXPECT_EQ(reread.ColumnWidthTable[1][1], app.form.topUrls.View().ColWidth(1));

  // Opened again, the grids take the saved widths over their layout.
  app.mnuFileNew_Click();
  EXPECT_NE(app.form.ranking.View().ColWidth(9), 4321);
  dialogs.ChooseNext(path);
  app.mnuFileOpen_Click();
  EXPECT_EQ(app.form.ranking.View().ColWidth(9), 4321);
}

}  // namespace
}  // namespace kestrova::test

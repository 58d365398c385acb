// The File menu: what Open, Save, Save As, New and the recent files ask, refuse,
// read and write, and what they leave in the window.
#include <gtest/gtest.h>

#include <tuple>

#include "AppTestSupport.h"
#include "app/RecentFiles.h"
#include "base/Files.h"

namespace kestrova::test {
namespace {

// A file dialog's title, filter, folder, proposed name and extension, printable.
using DialogSetup = std::tuple<std::string, std::string, std::string, std::string, std::string>;
DialogSetup Shown(const FileDialogSetup& setup) {
  return {setup.title, setup.filter, setup.directory, setup.fileName, setup.defaultExtension};
}

struct ProjectCommands : AppFixture, ::testing::Test {
  void SetUp() override { app.StartUp({}); }
};

TEST_F(ProjectCommands, OpenChecksTheNameThenReadsAndListsTheFile) {
  const std::string upper = home / "site.RNK";
  WriteProject(upper, "web tools");
  WriteProject(home / "site.rnk.bak", "web tools");
  dialogs.fileAnswers = {{home / "site.rnk.bak"}, {home / "gone.rnk"}, {"  "}, {}, {upper}};
  for (int i = 0; i < 4; ++i) app.mnuFileOpen_Click();
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Filename must end in extension of rnk\r\nFile will not be read!",
                            "Filename must exist to be read!"}));
  EXPECT_EQ(dialogs.messages[0].title, "Warning");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(app.project.Rankings.empty());

  // The dialog opens in the projects folder, made on demand, with no name.
  ASSERT_EQ(dialogs.fileDialogs.size(), 4u);
  const FileDialogSetup& first = dialogs.fileDialogs[0].setup;
  EXPECT_EQ(Shown(first),
            (DialogSetup{"Open Project from a File", "*.rnk", Projects(), "", "rnk"}));
  EXPECT_TRUE(DirExists(Projects()));

  app.mnuFileOpen_Click();  // the extension test ignores case
  EXPECT_EQ(app.form.openPath, upper);
  EXPECT_EQ(app.form.caption, "Kestrova Pro - site.RNK");
  EXPECT_EQ(app.form.ranking.View().Text(1, 4), "4");
  EXPECT_EQ(app.settings.RecentFiles[0], upper);
  EXPECT_EQ(app.form.mnuFileName[0].caption, "&0 " + upper);

  // With a file open the next dialog starts at it.
  app.mnuFileOpen_Click();
  EXPECT_EQ(dialogs.fileDialogs.back().setup.directory, home.path());
  EXPECT_EQ(dialogs.fileDialogs.back().setup.fileName, "site.RNK");
}

TEST_F(ProjectCommands, AProjectNamingEnginesADamagedEnginesFileLostSaysSoWhenItOpens) {
  ProjectState named;
  named.Domain = "www.example.com";
  named.TimeOutSecs = 50;
  named.SelectedEngines = {"Google", "Intranet Search", "Old Engine"};
  const std::string path = home / "site.rnk";
  ASSERT_TRUE(WriteProjectFile(path, named));
  dialogs.fileAnswers = {{path}, {path}};

  // With the engines file in order, an engine gone from the catalogue goes quietly.
  app.mnuFileOpen_Click();
  ASSERT_EQ(app.form.openPath, path);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(app.project.SelectedEngines, (std::vector<std::string>{"Google"}));

  app.enginesFileIncomplete = true;
  app.mnuFileOpen_Click();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].rfind("This project names engines that the engines file did not give: "
                                "Intranet Search, Old Engine.\r\n",
                                0),
            0u)
      << Messages()[0];
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(app.project.SelectedEngines, (std::vector<std::string>{"Google"}));
}

TEST_F(ProjectCommands, ReadingShowsItsStatusAndADamagedFileKeepsTheOpenProject) {
  const std::string good = home / "good.rnk", bad = home / "bad.rnk";
  WriteProject(good, "web tools");
  ASSERT_TRUE(WriteFileAtomically(bad, "\"01.26\"\r\nnot a project"));
  std::vector<std::string> shown;
  app.form.showNow = [&] { shown.push_back(app.form.sbStatusBar[2]); };
  dialogs.fileAnswers = {{good}, {bad}};
  app.mnuFileOpen_Click();
  EXPECT_EQ(shown.front(), "Loading file....");
  EXPECT_EQ(app.form.sbStatusBar[2], "");
  EXPECT_GT(dialogs.busyCalls, 0);

  app.mnuFileOpen_Click();
  EXPECT_EQ(Messages(), std::vector<std::string>{"There was an error reading this file!"});
  EXPECT_EQ(app.form.openPath, good);  // a later Save must not write over the damaged file
  EXPECT_EQ(app.form.caption, "Kestrova Pro - good.rnk");
  EXPECT_EQ(app.project.Rankings.size(), 1u);
}

TEST_F(ProjectCommands, OpenAsksBeforeThrowingChangesAwayAndReportsADialogError) {
  app.form.MarkModified();  // changed, with no file yet
  dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
  dialogs.fileAnswers = {{std::nullopt, 20477}};
  app.mnuFileOpen_Click();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Lose changes made so far?"});
  EXPECT_TRUE(dialogs.fileDialogs.empty());
  EXPECT_TRUE(app.project.Modified);

  app.mnuFileOpen_Click();  // Yes: the dialog opens, and fails
  EXPECT_EQ(Messages().back(), "There was an error detected\r\n\r\nerr=20477");
  EXPECT_TRUE(app.project.Rankings.empty());
}

// Save As refusing "copy.txt": WindowFiles in the window tests.
TEST_F(ProjectCommands, SaveWithoutAFileIsSaveAsInTheProjectsFolder) {
  std::vector<std::string> shown;
  app.form.showNow = [&] { shown.push_back(app.form.sbStatusBar[2]); };
  app.form.txtDomain.text = "www.mysite.com";
  app.form.MarkModified();
  dialogs.fileAnswers = {{}, {home / "mine.rnk"}};
  EXPECT_FALSE(app.mnuFileSave_Click());  // cancelled
  const FileDialogSetup& setup = dialogs.fileDialogs.at(0).setup;
  EXPECT_TRUE(dialogs.fileDialogs[0].save);
  EXPECT_EQ(Shown(setup),
            (DialogSetup{"Write Project to a File", "*.rnk", Projects(), "firstone", "rnk"}));

  EXPECT_TRUE(app.mnuFileSave_Click());
  EXPECT_EQ(shown, (std::vector<std::string>{"Saving file .....", ""}));
  EXPECT_FALSE(app.project.Modified);
  EXPECT_EQ(app.form.openPath, home / "mine.rnk");
  EXPECT_EQ(app.form.caption, "Kestrova Pro - mine.rnk");
  EXPECT_EQ(app.settings.RecentFiles[0], home / "mine.rnk");
  ProjectState reread;
  ASSERT_TRUE(ReadProjectFile(home / "mine.rnk", reread, dialogs, Catalogue()));
  EXPECT_EQ(reread.Domain, "www.mysite.com");

  // Save now writes the open file without a dialog.
  app.form.txtDomain.text = "www.other.com";
  EXPECT_TRUE(app.mnuFileSave_Click());
  EXPECT_EQ(dialogs.fileDialogs.size(), 2u);
  ASSERT_TRUE(ReadProjectFile(home / "mine.rnk", reread, dialogs, Catalogue()));
  EXPECT_EQ(reread.Domain, "www.other.com");
}

TEST_F(ProjectCommands, ASaveAsThatCannotWriteKeepsTheFileTheProjectHad) {
  const std::string path = home / "a.rnk";
  WriteProject(path, "web tools");
  dialogs.fileAnswers = {{path}, {home / "no such folder/b.rnk"}};
  app.mnuFileOpen_Click();
  EXPECT_FALSE(app.mnuFileSaveAs_Click());
  EXPECT_EQ(dialogs.messages.size(), 1u);  // the write's own problem
  EXPECT_EQ(app.form.openPath, path);
  EXPECT_EQ(app.project.ProjectFileName, "a.rnk");
  EXPECT_EQ(app.settings.RecentFiles[0], path);
}

TEST_F(ProjectCommands, NewAsksToSaveAndACancelledSaveKeepsTheProject) {
  const std::string path = home / "a.rnk";
  WriteProject(path, "web tools");
  dialogs.ChooseNext(path);
  app.mnuFileOpen_Click();
  app.form.MarkModified();

  // Yes, then the file is saved and the project goes.
  app.mnuFileNew_Click();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Save Project file before closing?"});
  EXPECT_EQ(dialogs.messages[0].title, "Save Project File");
  EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(app.project.Rankings.empty());
  EXPECT_EQ(app.form.txtDomain.text, "");
  EXPECT_EQ(app.form.openPath, "(none)");
  EXPECT_EQ(app.form.caption, "Kestrova Pro - (none)");
  EXPECT_EQ(app.form.txtTimeOut.text, "050");
  EXPECT_EQ(app.form.txtReportDirectory.text, home / "data/Results");
  EXPECT_EQ(app.form.lstSites[kAllSites].items.size(),
            static_cast<std::size_t>(Catalogue().LastEngineIndex + 1));
  EXPECT_FALSE(app.settings.FirstTimeRun);  // set, then cleared by the activation
  EXPECT_EQ(backend.ReadValue(SettingsRoot::Machine, kRememberKey, "FirstTimeRun"), "False");

  // An unsaved new project: Yes opens Save As; cancelling it keeps the edits.
  app.form.txtDomain.text = "typed";
  app.form.MarkModified();
  app.mnuFileNew_Click();
  EXPECT_EQ(app.form.txtDomain.text, "typed");
  EXPECT_TRUE(app.project.Modified);
  EXPECT_TRUE(dialogs.fileDialogs.back().save);
}

TEST_F(ProjectCommands, RecentFilesReopenAndAMissingOneStaysListed) {
  const std::string a = home / "a.rnk", b = home / "b.rnk";
  WriteProject(a, "alpha");
  WriteProject(b, "beta");
  app.settings.RecentFiles = {a, home / "gone.rnk", b, "", ""};
  app.FixnDisplayMenuFiles();
  app.mnuFileName_Click(2);
  EXPECT_EQ(app.form.openPath, b);
  EXPECT_EQ(app.form.selected, "beta");
  EXPECT_EQ(app.settings.RecentFiles, (RecentFileSlots{b, a, home / "gone.rnk", "", ""}));
  EXPECT_EQ(app.form.mnuFileName[1].caption, "&1 " + a);

  app.mnuFileName_Click(2);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Filename must exist to be read!"});
  EXPECT_EQ(app.settings.RecentFiles[2], home / "gone.rnk");
  EXPECT_EQ(app.form.openPath, b);

  // The open file's own item reads nothing: edits stay.
  app.form.txtDomain.text = "edited";
  app.mnuFileName_Click(0);
  EXPECT_EQ(app.form.txtDomain.text, "edited");
  app.mnuFileName_Click(-1);
  app.mnuFileName_Click(5);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

}  // namespace
}  // namespace kestrova::test

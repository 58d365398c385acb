// The File menu in the window: the dialogs start in the projects folder and
// take only ".rnk" names, the caption names no project as "(none)", and closing
// a changed project that was never saved keeps the window unless let go.
#include <QPushButton>
#include <filesystem>

#include "base/Files.h"
#include "gui/GuiWindow.h"
#include "store/SettingsPaths.h"

namespace kestrova {
namespace {

namespace fs = std::filesystem;

TEST(WindowFiles, DialogsStartInTheProjectsFolderAndRefuseOtherExtensions) {
  test::TempFolder home("kestrova-gui-files-");
  test::GuiWindow window(home);
  window->StartUp({});
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrova Pro - (none)");
  const std::string projects = ProjectsDirectory(window->App().paths);

  // A backup beside a project is no project.
  const std::string backup = test::WriteSampleProject(home.path(), "demo.rnk.bak");
  window.dialogs.ChooseNext(backup);
  window.Action("&Open...").trigger();
  ASSERT_EQ(window.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(window.dialogs.fileDialogs[0].setup.directory, projects);
  EXPECT_TRUE(DirExists(projects));
  ASSERT_EQ(window.dialogs.messages.size(), 1u);
  EXPECT_EQ(window.dialogs.messages[0].text,
            "Filename must end in extension of rnk\r\nFile will not be read!");
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrova Pro - (none)");
  EXPECT_TRUE(window->App().project.Rankings.empty());

  // Save As "copy.txt" writes nothing and keeps the project without a file.
  window.dialogs.ChooseNext(home / "copy.txt");
  window.Action("Save &As...").trigger();
  ASSERT_EQ(window.dialogs.fileDialogs.size(), 2u);
  EXPECT_TRUE(window.dialogs.fileDialogs[1].save);
  EXPECT_EQ(window.dialogs.fileDialogs[1].setup.directory, projects);
  EXPECT_EQ(window.dialogs.fileDialogs[1].setup.defaultExtension, "rnk");
  ASSERT_EQ(window.dialogs.messages.size(), 2u);
  EXPECT_EQ(window.dialogs.messages[1].text,
            "Filename must end in extension of rnk\r\nFile will not be saved!");
  EXPECT_FALSE(fs::exists(home / "copy.txt"));

  // A proper name is written and becomes the most recent file.
  window.dialogs.ChooseNext(projects + "/copy.rnk");
  window.Action("Save &As...").trigger();
  EXPECT_TRUE(fs::exists(projects + "/copy.rnk"));
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrova Pro - copy.rnk");
  EXPECT_TRUE(window.Action(QString::fromStdString("&0 " + projects + "/copy.rnk")).isVisible());
}

TEST(WindowFiles, ClosingANeverSavedChangedProjectKeepsTheWindowUnlessLetGo) {
  test::TempFolder home("kestrova-gui-close-");
  test::GuiWindow window(home);
  window->StartUp({});
  window->show();
  window->App().project.Rankings = {test::GridRecord("web tools", 0, true, 4)};
  window->App().form.MarkModified();

  // Yes, then Cancel in Save As: the run's results stay, and so does the window.
  window.dialogs.answers = {MessageAnswer::Yes};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(window.dialogs.messages.size(), 1u);
  EXPECT_EQ(window.dialogs.messages[0].text, "Save Project file before closing?");
  EXPECT_EQ(window.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(window->App().project.Rankings.size(), 1u);

  // Cancel on the question keeps it too; Exit goes the same way.
  window.dialogs.answers = {MessageAnswer::Cancel};
  window.Action("E&xit").trigger();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->RankButton().text().toStdString(), "Rank");
  EXPECT_TRUE(window->RankButton().isEnabled());

  // No lets it go.
  window.dialogs.answers = {MessageAnswer::No};
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace kestrova

// The main window offscreen: a project named on the command line shows in the
// grid, New asks before throwing edits away, a recent file reopens, and closing
// with unsaved edits saves the project without losing its records.
#include <QFont>
#include <QPushButton>

#include "gui/GuiWindow.h"

namespace kestrova {
namespace {

TEST(MainWindow, OpensTheCommandLineProjectAsksBeforeNewAndSavesEditsOnClose) {
  test::TempFolder dir("kestrova-gui-");
  const std::string path = test::WriteSampleProject(dir.path());
  test::GuiWindow window(dir);
  window->App().settings.Jobs = 3;
  window->StartUp({path});
  EXPECT_EQ(window->RankButton().text().toStdString(), "Rank");
  EXPECT_EQ(window->App().rank.RunSettingsNow().jobs, 3);  // the stored degree reaches the run
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrova Pro - sample.rnk");
  EXPECT_EQ(window->App().settings.RecentFiles[0], path);
  EXPECT_TRUE(window.Action(QString::fromStdString("&0 " + path)).isVisible());

  // The first keyword is chosen: its record fills its engine's row, the other stays empty.
  QAbstractItemModel& model = *window.Ranking().model();
  const int first = test::RowOf(window.Ranking(), Catalogue().At(0).Name);
  const int second = test::RowOf(window.Ranking(), Catalogue().At(1).Name);
  ASSERT_GE(first, 0);
  ASSERT_GE(second, 0);
  EXPECT_EQ(model.index(first, 4).data().toString(), "12");
  EXPECT_EQ(model.index(first, 7).data().toString(), "GOOD");
  EXPECT_TRUE(model.index(first, 8).data(Qt::FontRole).value<QFont>().underline());
  EXPECT_EQ(model.index(second, 4).data().toString(), "");
  window->show();

  // New with unsaved edits asks first; No throws them away.
  window->App().form.MarkModified();
  window.dialogs.answers = {MessageAnswer::No};
  window.Action("&New").trigger();
  ASSERT_EQ(window.dialogs.messages.size(), 1u);
  EXPECT_EQ(window.dialogs.messages[0].text, "Save Project file before closing?");
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrova Pro - (none)");
  EXPECT_EQ(model.index(first, 4).data().toString(), "");

  // The recent file reopens; an edit marks it, and closing saves it, records and all.
  window.Action(QString::fromStdString("&0 " + path)).trigger();
  EXPECT_EQ(model.index(first, 4).data().toString(), "12");
  window->App().form.MarkModified();
  window->App().form.ShowNow();
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrova Pro - <sample.rnk>");
  window->close();
  EXPECT_EQ(window.dialogs.messages.size(), 1u);  // closing saves without asking
  const ProjectState reread = test::ReadBack(path);
  EXPECT_EQ(reread.Rankings.size(), 2u);
  EXPECT_EQ(reread.KeywordText, "web tools\r\nrank checker");
  EXPECT_EQ(reread.Domain, "www.example.com");
}

}  // namespace
}  // namespace kestrova

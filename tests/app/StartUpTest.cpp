// Start-up and shutdown: the settings, the ".rnk" association asked about
// once, the report folder, the command-line project, and what closing saves.
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "base/Files.h"

namespace kestrova::test {
namespace {

struct StartUp : AppFixture, ::testing::Test {
  std::optional<std::string> Stored(std::string_view key, std::string_view name) {
    return backend.ReadValue(SettingsRoot::Machine, key, name);
  }
};

TEST_F(StartUp, AFirstStartMakesTheDefaultsAndTakesAnUnownedExtensionSilently) {
  app.StartUp({});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(association.writes, std::vector<std::string>{"kestrova rnk /usr/bin/kestrova %1"});
  EXPECT_EQ(Stored(kRememberKey, "CheckAssociation"), "False");  // saved at once
  EXPECT_EQ(Stored(kUserSettingsKey, "Domain"), "www.example.com");
  EXPECT_TRUE(DirExists(home / "data/Results"));
  EXPECT_EQ(app.form.caption, "Kestrova Pro - (none)");
  EXPECT_EQ(app.form.txtDomain.text, "www.example.com");

  // The first activation clears the first-run marker; the second start asks nothing.
  app.Form_Activate();
  EXPECT_EQ(Stored(kRememberKey, "FirstTimeRun"), "False");
  Application again{dialogs, clock, ProgramPaths{home / "config", home / "data"}, quiet};
  again.store = &store;
  again.association = &association;
  again.StartUp({});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(association.writes.size(), 1u);
}

TEST_F(StartUp, AnExtensionOwnedByAnotherProgramIsTakenOnlyOnYes) {
  association.owner = "otherapp";
  dialogs.answers = {MessageAnswer::No};
  app.StartUp({});
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Do you wish to associate \".rnk\" with Kestrova");
  EXPECT_EQ(dialogs.messages[0].title, "Change File Association");
  EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_TRUE(association.writes.empty());
  EXPECT_EQ(Stored(kRememberKey, "CheckAssociation"), "False");
}

TEST_F(StartUp, TheFirstArgumentOpensAProjectWhenItNamesOne) {
  const std::string path = home / "Site.RNK";
  WriteProject(path, "web tools");
  app.StartUp({home / "missing.rnk"});
  EXPECT_TRUE(app.project.Rankings.empty());
  EXPECT_EQ(app.settings.RecentFiles[0], "");

  Application opened{dialogs, clock, ProgramPaths{home / "config", home / "data"}, quiet};
  opened.StartUp({path, "ignored"});
  EXPECT_EQ(opened.form.openPath, path);
  EXPECT_EQ(opened.settings.RecentFiles[0], path);
  EXPECT_EQ(opened.form.selected, "web tools");
  EXPECT_TRUE(dialogs.messages.empty());  // nothing asks to clear what just opened
  EXPECT_FALSE(opened.project.Modified);
}

TEST_F(StartUp, ClosingSavesTheChoicesAndAChangedProjectWithoutAsking) {
  std::string error;
  backend.WriteValue(SettingsRoot::Machine, kUserSettingsKey, "HttpProxy", "proxy.test", error);
  backend.WriteValue(SettingsRoot::Machine, kUserSettingsKey, "UseProxy", "-1", error);
  const std::string path = home / "a.rnk";
  WriteProject(path, "web tools");
  app.StartUp({path});
  EXPECT_EQ(app.form.txtHttpProxy.text, "proxy.test");  // stored choices show at start
  EXPECT_EQ(app.form.chkUseProxy.value, 1);

  app.form.txtPortProxy.text = " 3128 ";
  app.form.txtDomain.text = "www.changed.com";
  app.form.MarkModified();
  EXPECT_TRUE(app.ShutdownTasks());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Stored(kUserSettingsKey, "PortProxy"), "3128");
  EXPECT_EQ(Stored(kUserSettingsKey, "HttpProxy"), "proxy.test");
  EXPECT_EQ(Stored(kUserSettingsKey, "UseProxy"), "-1");
  EXPECT_EQ(Stored(kRecentFilesKey, "0"), path);
  ProjectState reread;
  ASSERT_TRUE(ReadProjectFile(path, reread, dialogs, Catalogue()));
  EXPECT_EQ(reread.Domain, "www.changed.com");
  EXPECT_EQ(reread.Rankings.size(), 1u);
}

}  // namespace
}  // namespace kestrova::test

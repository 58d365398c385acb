#include "store/Settings.h"

#include <gtest/gtest.h>

#include "store/SettingsMemoryBackend.h"
#include "support/ScriptedMessenger.h"

namespace kestrova {
namespace {

struct SettingsFixture {
  SettingsMemoryBackend backend;
  test::ScriptedMessenger dialogs;
  SettingsStore store{backend, dialogs, "Kestrova"};
  ProgramSettings settings;

  std::optional<std::string> Value(std::string_view key, std::string_view name,
                                   SettingsRoot root = SettingsRoot::Machine) {
    return backend.ReadValue(root, key, name);
  }
  void Put(std::string_view key, std::string_view name, std::string_view value) {
    std::string error;
    backend.WriteValue(SettingsRoot::Machine, key, name, value, error);
  }
};

TEST(Settings, AFirstLoadCreatesEveryDefault) {
  SettingsFixture f;
  std::string error;
  f.backend.WriteValue(SettingsRoot::User, "RemoteAccess", "InternetProfile", "Dial Home", error);
  ASSERT_TRUE(LoadSettings(f.store, f.settings));
  EXPECT_TRUE(f.dialogs.messages.empty());
  const std::pair<const char*, const char*> userValues[] = {
      {"InterNet", "Dial Home"},
      {"Domain", "www.example.com"},
      {"UseProxy", "0"},
      {"HttpProxy", ""},
      {"PortProxy", ""},
      {"UseDirect", "0"},
      {"BoldRankingGrid", "0"},
      {"AgentIndex", "0"},
      {"Jobs", "8"},
      {"CustomAgent", "Mozilla/4.0 (compatible; kestrova 01.26; Windows 95)"}};
  for (auto [name, value] : userValues) EXPECT_EQ(f.Value(kUserSettingsKey, name), value) << name;
  for (const char* slot : {"0", "1", "2", "3", "4"}) EXPECT_EQ(f.Value(kRecentFilesKey, slot), "");
  EXPECT_EQ(f.Value(kRememberKey, "FirstTimeRun"), "True");
  EXPECT_EQ(f.Value(kRememberKey, "CheckAssociation"), "True");
  // 10 user values, 5 recent files, 2 markers, and the dial-up value we put there.
  EXPECT_EQ(f.backend.ValueCount(), 18u);
  EXPECT_EQ(f.settings.InterNet, "Dial Home");
  EXPECT_TRUE(f.settings.FirstTimeRun);
}

TEST(Settings, StoredValuesAreReadByTheirRules) {
  struct Case {
    const char *useProxy, *bold, *agent, *jobs;
    bool proxyOn;
    int boldValue, agentValue, jobsValue;
  };
  // Jobs: no number or below 1 is the default, past the limit the limit.
  const Case cases[] = {
      {"-1", "1 ", "7 ", "1 ", true, 1, 3, 1},
      {"1 ", "5 ", "-2", "0 ", false, 1, 0, 8},
      {"0 ", "3 ", "2 ", "99", false, 3, 2, 64},
      {"-1 ", "-4", "x", "x", false, 0, 0, 8},
      {"TRUE", "2", "3", "34", false, 2, 3, 34},
      // far past int's range, as a hand-edited store may hold
      {"0", "88888888888888888888", "-99999999999999999999", "99999999999", false, 1, 0, 64}};
  for (const Case& c : cases) {
    SettingsFixture f;
    f.Put(kUserSettingsKey, "UseProxy", c.useProxy);
    f.Put(kUserSettingsKey, "BoldRankingGrid", c.bold);
    f.Put(kUserSettingsKey, "AgentIndex", c.agent);
    f.Put(kUserSettingsKey, "Jobs", c.jobs);
    f.Put(kRememberKey, "FirstTimeRun", "true");  // only "True" is true
    ASSERT_TRUE(LoadSettings(f.store, f.settings));
    EXPECT_EQ(f.settings.UseProxy, c.proxyOn) << c.useProxy;
    EXPECT_EQ(f.settings.BoldRankingGrid, c.boldValue) << c.bold;
    EXPECT_EQ(f.settings.AgentIndex, c.agentValue) << c.agent;
    EXPECT_EQ(f.settings.Jobs, c.jobsValue) << c.jobs;
    EXPECT_FALSE(f.settings.FirstTimeRun);
  }
}

TEST(Settings, NamesMatchExactlyAndNoWriteLeavesAMissingValueAlone) {
  SettingsFixture f;
  f.Put(kUserSettingsKey, "useproxy", "-1");
  ASSERT_TRUE(LoadSettings(f.store, f.settings));
  EXPECT_FALSE(f.settings.UseProxy);
  EXPECT_EQ(f.Value(kUserSettingsKey, "UseProxy"), "0");

  ASSERT_TRUE(f.store.OpenKey(SettingsRoot::Machine, "A\\B"));
  std::string value = "unchanged";
  EXPECT_FALSE(f.store.GetValue("Missing", value, "!nowrite!"));
  EXPECT_EQ(value, "unchanged");
  EXPECT_EQ(f.Value("A\\B", "Missing"), std::nullopt);
  EXPECT_TRUE(f.store.GetValue("Missing", value, "made"));
  EXPECT_EQ(f.Value("A\\B", "Missing"), "made");
}

TEST(Settings, SavingWritesTheFieldsInTheirTwoCharacterForms) {
  SettingsFixture f;
  NetworkControls controls;
  controls.chkUseProxy = true;
  controls.txtHttpProxy = "  proxy.test  ";
  controls.txtPortProxy = " 8080";
  controls.optAgent = {false, false, false, true};
  controls.txtUserAgentToUse = " My Agent ";
  controls.txtJobs = " 34";
  f.settings.BoldRankingGrid = 2;
  f.settings.RecentFiles = {"/p/a.rnk", "", "", "", "/p/e.rnk"};
  f.settings.FirstTimeRun = false;
  ASSERT_TRUE(SaveSettings(f.store, f.settings, controls));
  const std::pair<const char*, const char*> saved[] = {
      {"UseProxy", "-1"},    {"UseDirect", "0 "},          {"HttpProxy", "proxy.test"},
      {"PortProxy", "8080"}, {"AgentIndex", "3 "},         {"BoldRankingGrid", "2 "},
      {"Jobs", "34"},        {"CustomAgent", " My Agent "}};  // untrimmed
  for (auto [name, value] : saved) EXPECT_EQ(f.Value(kUserSettingsKey, name), value) << name;
  EXPECT_EQ(f.Value(kRecentFilesKey, "4"), "/p/e.rnk");
  EXPECT_EQ(f.Value(kRememberKey, "FirstTimeRun"), "False");

  // The custom agent is taken from the field only while the own agent is chosen.
  controls.optAgent = {false, true, false, false};
  controls.txtUserAgentToUse = "Mozilla/4.05 [en] (Win95; I)";
  ReadNetworkControls(controls, f.settings);
  EXPECT_EQ(f.settings.AgentIndex, 1);
  EXPECT_EQ(f.settings.CustomAgent, " My Agent ");
  controls.optAgent = {};
  controls.txtJobs = "1";
  ReadNetworkControls(controls, f.settings);
  EXPECT_EQ(f.settings.AgentIndex, 0);
  EXPECT_EQ(f.settings.Jobs, 1);
}

TEST(Settings, AFailingStoreShowsItsErrorAndStops) {
  SettingsFixture f;
  f.Put(kUserSettingsKey, "InterNet", "");
  f.backend.failWrites = "disk full";
  const Status loaded = LoadSettings(f.store, f.settings);
  EXPECT_EQ(loaded.code(), StatusCode::WriteFailed);
  EXPECT_EQ(loaded.message(), "disk full");
  // Domain could not be created: nothing after it is loaded; the application
  // settings fail on their own first value.
  ASSERT_GE(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text, "disk full");
  EXPECT_EQ(f.dialogs.messages[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(f.settings.CustomAgent.empty());

  // A failed user save skips the application settings.
  f.dialogs.messages.clear();
  EXPECT_FALSE(SaveSettings(f.store, f.settings, NetworkControls{}));
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
}

TEST(Settings, FileTypesAreAssociatedUnderTheClassesRoot) {
  SettingsFixture f;
  // An extension nobody owns is given to the asking program as a side effect.
  EXPECT_EQ(GetFileTypeOwner(f.store, "kestrova", "rnk"), "kestrova");
  EXPECT_EQ(f.Value(".rnk", "", SettingsRoot::Classes), "kestrova");
  std::string error;
  f.backend.WriteValue(SettingsRoot::Classes, ".rnk", "", "otherapp", error);
  EXPECT_EQ(GetFileTypeOwner(f.store, "kestrova", ".rnk"), "otherapp");
  ASSERT_TRUE(AssociateFileType(f.store, "kestrova", "rnk", "/opt/kestrova/KESTROVA.EXE %1"));
  EXPECT_EQ(f.Value(".rnk", "", SettingsRoot::Classes), "kestrova");
  EXPECT_EQ(f.Value("kestrova\\shell\\open\\command", "", SettingsRoot::Classes),
            "/opt/kestrova/KESTROVA.EXE %1");
}

}  // namespace
}  // namespace kestrova

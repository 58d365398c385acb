// settings in-process against a settings folder of its own: what it writes is
// what the window's start loads, refusals write nothing, and rank takes the
// stored proxy and user agent unless its options name others.
#include <gtest/gtest.h>

#include "base/Files.h"
#include "cli/CliTestSupport.h"
#include "qt/QtSettingsBackend.h"
#include "store/ProjectFile.h"
#include "store/Settings.h"
#include "support/ExternalServer.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedServer.h"
#include "support/TempFolder.h"

namespace kestrova::test {
namespace {

class SettingsCommand : public ::testing::Test {
 protected:
  // The window's start: the same files, the same load.
  ProgramSettings WindowLoad() const {
    ScriptedMessages<Messenger> messenger;
    auto backend = OpenQtSettingsBackend(config_);
    SettingsStore store(*backend, messenger, "Kestrova");
    ProgramSettings settings;
    EXPECT_TRUE(LoadSettings(store, settings));
    EXPECT_TRUE(messenger.messages.empty());
    return settings;
  }
  void StoreValue(const std::string& key, const std::string& name, const std::string& value) {
    ScriptedMessages<Messenger> messenger;
    auto backend = OpenQtSettingsBackend(config_);
    SettingsStore store(*backend, messenger, "Kestrova");
    ASSERT_TRUE(store.OpenKey(SettingsRoot::Machine, key));
    ASSERT_TRUE(store.SetValue(name, value));
  }
  std::string MachineFile() const {
    std::string bytes;
    ReadWholeFile(config_ + "/machine.ini", bytes);
    return bytes;
  }

  TempFolder folder_;
  const std::string config_ = folder_ / "config";
  ScopedEnvironment pointed_{"KESTROVA_CONFIG_DIR", config_};
};

TEST_F(SettingsCommand, PrintingShowsTheDefaultsAndCreatesNothing) {
  const CliResult printed = RunCliCommand({"settings"});
  ASSERT_EQ(printed.code, 0) << printed.err;
  EXPECT_EQ(printed.out,
            "Proxy: off\nProxy host: \nProxy port: \nDirect connection: off\n"
            "User agent: Microsoft\n"
            "User agent text: Mozilla/4.0 (compatible; MSIE 4.01; Windows 95)\n"
            "Bold ranking grid: 0\nJobs: 8\n");
  EXPECT_FALSE(DirExists(config_));
}

TEST_F(SettingsCommand, ChangesAreWhatTheWindowLoadsAndKeepEverythingElse) {
  StoreValue(std::string(kRecentFilesKey), "0", "/home/p/site.rnk");
  StoreValue(std::string(kUserSettingsKey), "Jobs", "3 ");
  const CliResult changed = RunCliCommand(
      {"settings", "--proxy", "127.0.0.1:08080", "--user-agent", "My agent/1.0", "--bold", "1"});
  ASSERT_EQ(changed.code, 0) << changed.err;
  EXPECT_EQ(changed.out, "");
  ProgramSettings loaded = WindowLoad();
  EXPECT_TRUE(loaded.UseProxy);
  EXPECT_EQ(loaded.HttpProxy, "127.0.0.1");
  EXPECT_EQ(loaded.PortProxy, "8080");
  EXPECT_EQ(loaded.AgentIndex, 3);
  EXPECT_EQ(loaded.CustomAgent, "My agent/1.0");
  EXPECT_EQ(loaded.BoldRankingGrid, 1);
  EXPECT_EQ(loaded.RecentFiles[0], "/home/p/site.rnk");
  EXPECT_EQ(loaded.Jobs, 3);

  // Off keeps the host and port; another agent keeps the own text for later.
  ASSERT_EQ(RunCliCommand({"settings", "--no-proxy", "--agent", "NETSCAPE"}).code, 0);
  loaded = WindowLoad();
  EXPECT_FALSE(loaded.UseProxy);
  EXPECT_EQ(loaded.HttpProxy, "127.0.0.1");
  EXPECT_EQ(loaded.AgentIndex, 1);
  EXPECT_EQ(loaded.CustomAgent, "My agent/1.0");
  ASSERT_EQ(RunCliCommand({"settings", "--agent", "own"}).code, 0);
  const CliResult printed = RunCliCommand({"settings"});
  EXPECT_NE(printed.out.find("Proxy: off\nProxy host: 127.0.0.1\nProxy port: 8080\n"),
            std::string::npos)
      << printed.out;
  EXPECT_NE(printed.out.find("User agent: Own\nUser agent text: My agent/1.0\n"), std::string::npos)
      << printed.out;
}

TEST_F(SettingsCommand, BadValuesAreRefusedAndNothingIsWritten) {
  ASSERT_EQ(RunCliCommand({"settings", "--proxy", "proxy.lan:3128"}).code, 0);
  const std::string before = MachineFile();
  ASSERT_FALSE(before.empty());
  for (const auto& bad : std::vector<std::vector<std::string>>{
           {"--proxy", "h:0"},  // the address rules are the proxy parser's: one is enough
           {"--proxy", "h"},
           {"--proxy", "a b:80"},
           {"--proxy", "a:b:80"},
           {"--proxy", "h:80", "--no-proxy"},
           {"--user-agent", "a\r\nX-Injected: 1"},
           {"--user-agent", "  "},
           {"--agent", "opera"},
           {"--agent", "microsoft", "--user-agent", "x"},
           {"--bold", "2"},
           {"--bold", "-1"},
           {"--date-format", "2"},  // kept in a project: no file named
           {"--proxy", "h:81", "--date-format", "6"},
       }) {
    std::vector<std::string> args{"settings"};
    args.insert(args.end(), bad.begin(), bad.end());
    const CliResult result = RunCliCommand(args);
    EXPECT_EQ(result.code, 2) << bad.back();
    EXPECT_NE(result.err, "") << bad.back();
    EXPECT_EQ(MachineFile(), before) << bad.back();
  }
}

TEST_F(SettingsCommand, ADateFormatGoesIntoTheProjectAndNotTheStore) {
  const std::string file = folder_ / "site.rnk";
  ASSERT_EQ(RunCliCommand({"new", file, "--domain", "a.org"}).code, 0);
  const CliResult changed = RunCliCommand({"settings", file, "--date-format", "3"});
  ASSERT_EQ(changed.code, 0) << changed.err;
  ProjectState project;
  ASSERT_TRUE(LoadProjectFile(file, project, Catalogue()));
  EXPECT_EQ(project.DatePreference, 3);
  EXPECT_FALSE(DirExists(config_));
  const CliResult printed = RunCliCommand({"settings", file});
  EXPECT_NE(printed.out.find("\nDate format: 3 (dddd, mmm d yyyy)\n"), std::string::npos)
      << printed.out;

  const CliResult missing =
      RunCliCommand({"settings", folder_ / "missing.rnk", "--date-format", "1", "--bold", "1"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_FALSE(FileExists(folder_ / "missing.rnk"));
  EXPECT_FALSE(DirExists(config_));  // the store is left alone too
}

TEST_F(SettingsCommand, AStoreThatCannotBeWrittenIsAFailureNotASilentSuccess) {
  // A file where the settings folder should be: no value can be written.
  ASSERT_TRUE(WriteTextFile(config_, "not a folder"));
  const CliResult result = RunCliCommand({"settings", "--proxy", "h:80"});
  EXPECT_EQ(result.code, 1);
  EXPECT_NE(result.err.find("nothing was changed"), std::string::npos) << result.err;
}

TEST_F(SettingsCommand, RankTakesTheStoredProxyAndAgentUnlessTheOptionsNameOthers) {
  ScriptedServer proxy({ServerScenario::Answer(
      "empty page", "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html></html>\r\n")});
  const std::string file = folder_ / "site.rnk";
  ASSERT_EQ(RunCliCommand({"new", file, "--domain", "www.example.com", "--keywords", "k",
                           "--engines", "Google", "--depth", "10", "--timeout", "5", "--report-dir",
                           folder_ / "results"})
                .code,
            0);
  ASSERT_EQ(RunCliCommand({"settings", "--proxy", "127.0.0.1:" + std::to_string(proxy.Port()),
                           "--user-agent", "Stored agent"})
                .code,
            0);
  const CliResult ranked = RunCliCommand({"rank", file, "--yes", "--no-history"});
  EXPECT_EQ(ranked.code, 0) << ranked.err;
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_EQ(proxy.Requests()[0].rfind("GET http://www.google.com/", 0), 0u) << proxy.Requests()[0];
  EXPECT_NE(proxy.Requests()[0].find("\r\nUser-Agent: Stored agent\r\n"), std::string::npos);

  ASSERT_EQ(RunCliCommand({"rank", file, "--yes", "--no-history", "--user-agent", "Given"}).code,
            0);
  ASSERT_EQ(proxy.Requests().size(), 2u);
  EXPECT_NE(proxy.Requests()[1].find("\r\nUser-Agent: Given\r\n"), std::string::npos);

  // A proxy that is on but cannot be reached must not turn into a direct run.
  StoreValue(std::string(kUserSettingsKey), "PortProxy", "80a");
  const CliResult refused = RunCliCommand({"rank", file, "--yes", "--no-history"});
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("the stored proxy"), std::string::npos) << refused.err;
  EXPECT_EQ(proxy.Requests().size(), 2u);
  EXPECT_EQ(RunCliCommand({"rank", file, "--proxy", "h:80", "--no-proxy"}).code, 2);
}

}  // namespace
}  // namespace kestrova::test

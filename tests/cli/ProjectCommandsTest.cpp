#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "base/Files.h"
#include "cli/CliTestSupport.h"

namespace kestrova {
namespace {

using test::RunCliCommand;

std::string Scratch(const char* name) {
  std::string dir = ::testing::TempDir() + "/kestrova_cli_" + name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

TEST(ProjectCommands, ANewProjectShowsItsSettingsInInfo) {
  const std::string file = Scratch("new") + "/site.rnk";
  auto made =
      RunCliCommand({"new", file, "--domain", " example.org ", "--keywords",
                     "web tools, caf\xC3\xA9 ,", "--engines", "Yahoo,Google,Yahoo", "--depth", "20",
                     "--timeout", "9", "--report-dir", "/srv/results", "--highlight"});
  ASSERT_EQ(made.code, 0) << made.err;
  auto info = RunCliCommand({"info", file});
  ASSERT_EQ(info.code, 0) << info.err;
  for (const char* line :
       {"Domain: example.org\n", "Keywords: web tools, caf\xC3\xA9\n",
        "Selected engines: Yahoo, Google\n", "Time-out: 9\n", "Keyword depth: 20\n",
        "Last run: never\n", "Report directory: /srv/results\n", "Highlight keywords: yes\n",
        "Ranking records: 0\n"}) {
    EXPECT_NE(info.out.find(line), std::string::npos) << line << info.out;
  }
  auto json = RunCliCommand({"info", file, "--json"});
  ASSERT_EQ(json.code, 0);
  auto parsed = nlohmann::json::parse(json.out);
  EXPECT_EQ(parsed["selectedEngines"], nlohmann::json({"Yahoo", "Google"}));
  EXPECT_EQ(parsed["availableEngines"].size() + 2, 34u);  // every other engine, none twice
  EXPECT_TRUE(parsed["lastRun"].is_null());

  auto all = RunCliCommand({"new", file, "--domain", "example.org", "--engines", "all", "--force"});
  ASSERT_EQ(all.code, 0) << all.err;
  parsed = nlohmann::json::parse(RunCliCommand({"info", file, "--json"}).out);
  EXPECT_EQ(parsed["selectedEngines"].size(), 34u);
  EXPECT_TRUE(parsed["availableEngines"].empty());
}

TEST(ProjectCommands, NewRefusesToOverwriteOrToGuess) {
  const std::string dir = Scratch("refuse");
  const std::string file = dir + "/p.rnk";
  ASSERT_EQ(RunCliCommand({"new", file, "--domain", "a.org"}).code, 0);
  std::string before;
  ASSERT_TRUE(ReadWholeFile(file, before));
  auto again = RunCliCommand({"new", file, "--domain", "b.org"});
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("--force"), std::string::npos);
  std::string after;
  ASSERT_TRUE(ReadWholeFile(file, after));
  EXPECT_EQ(before, after);

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"new", dir + "/q.rnk", "--domain", "a.org", "--engines", "Nope"},
           {"new", dir + "/q.txt", "--domain", "a.org"},
           {"new", dir + "/q.rnk", "--domain", "  "}}) {
    EXPECT_EQ(RunCliCommand(args).code, 2) << args.back();
  }
  EXPECT_FALSE(FileExists(dir + "/q.rnk"));
}

TEST(ProjectCommands, RankTakesOneToSixtyFourJobs) {
  const std::string file = Scratch("jobs") + "/p.rnk";
  ASSERT_EQ(RunCliCommand({"new", file, "--domain", "a.org", "--keywords", "k"}).code, 0);
  std::string before;
  ASSERT_TRUE(ReadWholeFile(file, before));
  for (const char* jobs : {"0", "65", "-1", "many"}) {
    const auto run = RunCliCommand({"rank", file, "--jobs", jobs, "--yes"});
    EXPECT_EQ(run.code, 2) << jobs;
    EXPECT_NE(run.err.find("--jobs"), std::string::npos) << run.err;
  }
  std::string after;
  ASSERT_TRUE(ReadWholeFile(file, after));
  EXPECT_EQ(before, after);
  EXPECT_NE(RunCliCommand({"rank", "--help"}).out.find("--jobs"), std::string::npos);
}

TEST(ProjectCommands, InfoOnADamagedFileFails) {
  const std::string dir = Scratch("damaged");
  const std::string file = dir + "/p.rnk";
  ASSERT_EQ(RunCliCommand({"new", file, "--domain", "a.org"}).code, 0);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(file, bytes));
  ASSERT_TRUE(WriteFileAtomically(file, bytes.substr(0, bytes.size() - 1)));
  for (const std::string& path : {file, dir + "/missing.rnk"}) {
    auto info = RunCliCommand({"info", path});
    EXPECT_EQ(info.code, 1);
    EXPECT_EQ(info.err.rfind("There was an error reading this file!\n", 0), 0u) << info.err;
    EXPECT_TRUE(info.out.empty());
  }
}

}  // namespace
}  // namespace kestrova

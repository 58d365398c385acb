#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "base/Files.h"
#include "cli/CliTestSupport.h"
#include "store/ProjectFile.h"
#include "support/TempFolder.h"

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

TEST(ProjectCommands, SavingAPrivateProjectThroughALinkKeepsTheLinkAndTheMode) {
  test::TempFolder folder;
  std::filesystem::create_directory(folder / "store");
  const std::string target = folder / "store/site.rnk", link = folder / "site.rnk";
  const std::string page = folder / "page.html";
  ASSERT_EQ(RunCliCommand({"new", target, "--domain", "a.org"}).code, 0);
  // It holds the upload password, only scrambled: its owner made it private.
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  std::filesystem::create_symlink("store/site.rnk", link);
  ASSERT_TRUE(
      WriteFileAtomically(page, "<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>k</BODY></HTML>"));
  const auto analyzed =
      RunCliCommand({"analyze", "--file", page, "--keyword", "k", "--project", link});
  ASSERT_EQ(analyzed.code, 0) << analyzed.err;
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(target, bytes));
  EXPECT_NE(bytes.find("\"k\""), std::string::npos) << "the analysis went into the target";
}

// Every command that opens a project, with what else it needs to get that far.
std::vector<std::vector<std::string>> ProjectOpeners(const std::string& project,
                                                     const std::string& page) {
  return {{"info", project},
          {"show", project},
          {"report", project},
          {"rank", project, "--yes"},
          {"analyze", "--file", page, "--keyword", "k", "--project", project}};
}

TEST(ProjectCommands, EveryCommandNamesTheLineOfADamagedProject) {
  test::TempFolder folder;
  const std::string file = folder / "p.rnk", page = folder / "page.html";
  ASSERT_EQ(RunCliCommand({"new", file, "--domain", "a.org"}).code, 0);
  ASSERT_TRUE(WriteFileAtomically(page, "<HTML><BODY>k</BODY></HTML>"));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(file, bytes));
  // The never-run date becomes text that is no date.
  const std::size_t at = bytes.find("#1899-12-31#");
  ASSERT_NE(at, std::string::npos);
  const long line = std::count(bytes.begin(), bytes.begin() + static_cast<long>(at), '\n') + 1;
  ASSERT_TRUE(WriteFileAtomically(file, bytes.replace(at, 12, "#someday#")));
  for (const auto& args : ProjectOpeners(file, page)) {
    const auto run = RunCliCommand(args);
    EXPECT_EQ(run.code, 1) << args[0];
    EXPECT_EQ(run.err.rfind("There was an error reading this file!\n", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(file + ":" + std::to_string(line) + ": "), std::string::npos)
        << args[0] << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << args[0];
  }
}

TEST(ProjectCommands, WhatIsNoRegularFileIsNeverReadAsAProjectOrAPage) {
  test::TempFolder folder;
  const std::string pipe = folder / "pipe.rnk", huge = folder / "huge.rnk";
  const std::string page = folder / "page.html", hugePage = folder / "huge.html";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  ASSERT_TRUE(WriteFileAtomically(page, "<HTML><BODY>k</BODY></HTML>"));
  // Sparse: sized past what any project or page holds, yet taking no disk.
  for (const auto& [path, size] :
       {std::pair{huge, kLargestProjectFile + 1}, std::pair{hugePage, cli::kLargestPageFile + 1}}) {
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    std::filesystem::resize_file(path, size);
  }
  struct Case {
    std::string path, says;
  };
  const Case odd[] = {{huge, huge + " is larger than 64 MB"},
                      {"/dev/null", "/dev/null is not a regular file"},
                      {pipe, pipe + " is not a regular file"}};
  for (const Case& c : odd) {
    for (const auto& args : ProjectOpeners(c.path, page)) {
      const auto run = RunCliCommand(args);
      EXPECT_EQ(run.code, 1) << args[0] << " " << c.path;
      EXPECT_NE(run.err.find(c.says), std::string::npos) << args[0] << ": " << run.err;
    }
  }
  // The pages of parse and analyze --file.
  const Case pages[] = {{hugePage, hugePage + " is larger than 16 MB"},
                        {pipe, pipe + " is not a regular file"},
                        {"/dev/zero", "/dev/zero is not a regular file"}};
  for (const Case& c : pages) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"parse", "--engine", "Google", "--domain", "a.org", "--keyword",
                                   "k", "--page-index", "0", c.path},
          std::vector<std::string>{"analyze", "--file", c.path, "--keyword", "k"}}) {
      const auto run = RunCliCommand(args);
      EXPECT_EQ(run.code, 1) << args[0] << " " << c.path;
      EXPECT_NE(run.err.find(c.says), std::string::npos) << args[0] << ": " << run.err;
      EXPECT_TRUE(run.out.empty()) << args[0];
    }
  }
}

}  // namespace
}  // namespace kestrova

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "base/Files.h"
#include "cli/CliTestSupport.h"
#include "engines/EngineCatalogue.h"
#include "store/ProjectFile.h"
#include "support/CheckRecords.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

using test::RunCliCommand;

TEST(ProjectCommands, ANewProjectShowsItsSettingsInInfo) {
  test::TempFolder dir;
  const std::string file = dir / "site.rnk";
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
  test::TempFolder folder;
  const std::string dir = folder.path();
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

TEST(ProjectCommands, ConfigureChangesTheProjectAsTheWindowWouldAndRefusesWhatItRefuses) {
  test::TempFolder folder;
  const std::string file = folder / "p.rnk";
  ASSERT_EQ(RunCliCommand({"new", file, "--domain", "a.org", "--engines", "Yahoo,Google"}).code, 0);
  auto changed = RunCliCommand({"configure", file, "--domain", " b.org ", "--add-engine", "Lycos",
                                "--remove-engine", "Yahoo", "--add-engine", "Google", "--depth",
                                "40", "--timeout", "12", "--report-dir", "/srv/r", "--highlight"});
  ASSERT_EQ(changed.code, 0) << changed.err;
  ProjectState project;
  ASSERT_TRUE(LoadProjectFile(file, project, Catalogue()));
  EXPECT_EQ(project.Domain, "b.org");
  EXPECT_EQ(project.SelectedEngines, (std::vector<std::string>{"Google", "Lycos"}));
  EXPECT_EQ(project.AvailableEngines.size(), 32u) << "every other engine offered once";
  EXPECT_NE(std::find(project.AvailableEngines.begin(), project.AvailableEngines.end(), "Yahoo"),
            project.AvailableEngines.end());
  EXPECT_EQ(project.KeywordDepth, 40);
  EXPECT_EQ(project.TimeOutSecs, 12);
  EXPECT_EQ(project.ReportDirectory, "/srv/r");
  EXPECT_EQ(project.HighlightKeywords, 1);

  // Once the project has rankings its domain stays; nothing else changes either.
  project.Rankings = {test::CheckRecord("k", "Google", 3)};
  ASSERT_TRUE(WriteProjectFile(file, project));
  std::string before;
  ASSERT_TRUE(ReadWholeFile(file, before));
  auto locked = RunCliCommand({"configure", file, "--domain", "c.org", "--depth", "9"});
  EXPECT_EQ(locked.code, 1);
  EXPECT_NE(locked.err.find("Clear all RANKINGS first!"), std::string::npos) << locked.err;
  auto notSelected = RunCliCommand({"configure", file, "--remove-engine", "Excite"});
  EXPECT_EQ(notSelected.code, 1);
  EXPECT_NE(notSelected.err.find("not a selected engine"), std::string::npos);
  {
    // Another command (a rank run) is changing it: nothing is saved over what
    // that one will save, and reading goes on.
    const int held = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"configure", file, "--depth", "9"},
                                               {"keywords", file, "--add", "k2"},
                                               {"clear-rankings", file},
                                               {"rank", file, "--yes"}}) {
      const auto refused = RunCliCommand(args);
      EXPECT_EQ(refused.code, 1) << args[0];
      EXPECT_NE(refused.err.find(file + " is being changed by another kestrova-cli"),
                std::string::npos)
          << refused.err;
    }
    EXPECT_EQ(RunCliCommand({"info", file}).code, 0);
    ::close(held);
  }
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"configure", file},
           {"configure", file, "--engines", "Google,Nope"},
           {"configure", file, "--add-engine", "Nope"},
           {"configure", file, "--depth", "0"},
           {"configure", file, "--domain", " "},
           {"configure", file, "--highlight", "--no-highlight"},
           {"configure", file, "--engines", "all", "--add-engine", "Google"},
           {"configure", file, "--add-engine", "Google", "--remove-engine", "Google"}}) {
    EXPECT_EQ(RunCliCommand(args).code, 2) << args.back();
  }
  std::string after;
  ASSERT_TRUE(ReadWholeFile(file, after));
  EXPECT_EQ(before, after);

  // The domain it has already, the engines all, and the rankings kept.
  ASSERT_EQ(
      RunCliCommand({"configure", file, "--domain", "b.org", "--engines", "all", "--no-highlight"})
          .code,
      0);
  ASSERT_TRUE(LoadProjectFile(file, project, Catalogue()));
  EXPECT_EQ(project.SelectedEngines.size(), 34u);
  EXPECT_TRUE(project.AvailableEngines.empty());
  EXPECT_EQ(project.Rankings.size(), 1u);
  EXPECT_EQ(project.HighlightKeywords, 0);
}

TEST(ProjectCommands, RankTakesOneToSixtyFourJobs) {
  test::TempFolder folder;
  const std::string file = folder / "p.rnk";
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
}

TEST(ProjectCommands, AProjectOfAsManyKeywordsAsRecordsListsAndShowsEachOne) {
  // Every record its own keyword, at the record limit: the keyword box and the
  // ranked-keyword list hold 32,767 entries in record order.
  test::TempFolder dir;
  const std::string file = dir / "wide.rnk";
  ProjectState project;
  project.Domain = "www.example.com";
  SyncEngineLists(project, Catalogue());
  const int engines = Catalogue().LastEngineIndex + 1;
  project.Rankings.resize(kMaxRecords);
  for (int n = 0; n < kMaxRecords; ++n) {
    RankingRecord& record = project.Rankings[static_cast<size_t>(n)];
    record.Keyword = "keyword " + std::to_string(kMaxRecords - n);  // not in sorted order
    record.Engine = Catalogue().At(static_cast<Integer>(n % engines)).Name;
    record.Succeeded = true;
    record.Rank = static_cast<Integer>(1 + n % 50);
  }
  ASSERT_TRUE(WriteProjectFile(file, project));

  auto info = RunCliCommand({"info", file, "--json"});
  ASSERT_EQ(info.code, 0) << info.err;
  const auto ranked = nlohmann::json::parse(info.out)["rankedKeywords"];
  ASSERT_EQ(ranked.size(), static_cast<size_t>(kMaxRecords));
  EXPECT_EQ(ranked.front(), "keyword 32767");
  EXPECT_EQ(ranked[1000], "keyword 31767");
  EXPECT_EQ(ranked.back(), "keyword 1");

  // The last record's keyword: its one engine's row holds its rank, the others none.
  const RankingRecord& last = project.Rankings.back();
  auto shown = RunCliCommand({"show", file, "--keyword", last.Keyword, "--format", "json"});
  ASSERT_EQ(shown.code, 0) << shown.err;
  int filled = 0;
  for (const auto& row : nlohmann::json::parse(shown.out)) {
    if (row["Rank"] == "") continue;
    ++filled;
    EXPECT_EQ(row["Search Engine"], last.Engine);
    EXPECT_EQ(row["Rank"], std::to_string(last.Rank));
  }
  EXPECT_EQ(filled, 1);
  EXPECT_EQ(RunCliCommand({"show", file, "--keyword", "keyword 0"}).code, 1);
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

  // Made read-only by its owner, it is not replaced, though its folder would
  // let a rename through (root may write anything, so only others can tell).
  if (::geteuid() == 0) return;
  ASSERT_EQ(::chmod(target.c_str(), 0400), 0);
  const auto refused = RunCliCommand({"configure", link, "--depth", "7"});
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("cannot write " + target + ": Permission denied"), std::string::npos)
      << refused.err;
  std::string after;
  ASSERT_TRUE(ReadWholeFile(target, after));
  EXPECT_EQ(after, bytes);
}

// Every command that opens a project, with what else it needs to get that far.
std::vector<std::vector<std::string>> ProjectOpeners(const std::string& project,
                                                     const std::string& page) {
  return {{"info", project},
          {"show", project},
          {"report", project},
          {"rank", project, "--yes"},
          {"history", project},
          {"serp", project},
          {"competitors", project, "--keyword", "k"},
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

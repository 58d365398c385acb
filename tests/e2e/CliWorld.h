// A working folder for kestrova-cli runs through kestrova-sim: the project
// "e2e.rnk" made with `new`, ranked with the simulator as its proxy at a fixed
// clock, and read back through `show` and the files the run left.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "RankCliProcess.h"
#include "SimProcess.h"
#include "base/Files.h"
#include "engines/EngineCatalogue.h"
#include "store/ProjectFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace kestrova::test {

struct Placed {
  std::string engine;
  int rank;
};

// Places `domain` at each engine's rank for `keyword`; `extra` adds members
// such as `, "faults": [...]`.
inline std::string PlacementScenario(const std::string& keyword, const std::string& domain,
                                     const std::vector<Placed>& placed,
                                     const std::string& extra = "") {
  nlohmann::json placements = nlohmann::json::array();
  for (const Placed& p : placed) {
    placements.push_back(
        {{"engine", p.engine}, {"keyword", keyword}, {"rank", p.rank}, {"domain", domain}});
  }
  return "{\"placements\": " + placements.dump() + extra + "}";
}

class CliWorld : public ::testing::Test {
 protected:
  static constexpr const char* kProject = "e2e.rnk";

  CliRun Cli(const std::vector<std::string>& arguments) {
    return RunCliProcess(work_.path(), arguments);
  }
  // `new` with the reports in "reports" and the given options.
  void NewProject(const std::vector<std::string>& options) {
    std::vector<std::string> arguments = {"new", kProject, "--report-dir", "reports"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const CliRun run = Cli(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
  }
  // `rank --yes` through `sim` at clock_; `stopWhen` and `signal` as RunCliProcess takes them.
  CliRun Rank(const SimProcess& sim, const std::vector<std::string>& options = {},
              const std::string& stopWhen = "", int signal = SIGINT) {
    std::vector<std::string> arguments = {"rank",
                                          kProject,
                                          "--yes",
                                          "--clock",
                                          clock_,
                                          "--proxy",
                                          "127.0.0.1:" + std::to_string(sim.Port())};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return RunCliProcess(work_.path(), arguments, stopWhen, signal);
  }
  // The grid `show` prints for `keyword` (the top URLs with "--top"), rows by engine.
  std::map<std::string, nlohmann::json> Grid(const std::string& keyword,
                                             const std::vector<std::string>& options = {}) {
    std::vector<std::string> arguments = {"show",  kProject,   "--keyword",
                                          keyword, "--format", "json"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const CliRun shown = Cli(arguments);
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    std::map<std::string, nlohmann::json> rows;
    if (shown.exitCode != 0) return rows;
    for (const nlohmann::json& row : nlohmann::json::parse(shown.out)) {
      rows[row["Search Engine"].get<std::string>()] = row;
    }
    return rows;
  }
  std::string Read(const std::string& relative) const {
    std::string bytes;
    ReadWholeFile(work_ / relative, bytes);
    return bytes;
  }
  ProjectState Load() const {
    ProjectState project;
    ScriptedDialogs dialogs;
    EXPECT_TRUE(ReadProjectFile(work_ / kProject, project, dialogs, Catalogue()));
    return project;
  }

  TempFolder work_{"kestrova-e2e-"};
  std::string clock_ = "2024-03-09 14:05:06";
};

}  // namespace kestrova::test

// An application over a temporary home (settings and data folders), scripted
// dialogs, a fixed clock, an in-memory settings store and a scripted network
// (every connect refused unless scripted), for the tests of start-up,
// shutdown, the project commands and the window's actions.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/Application.h"
#include "engines/EngineCatalogue.h"
#include "store/ProjectFile.h"
#include "store/SettingsMemoryBackend.h"
#include "store/SettingsStore.h"
#include "support/ScriptedConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace kestrova::test {

// The association seam without a desktop: who owns ".rnk" and every write.
class RecordingAssociation final : public FileAssociation {
 public:
  std::string owner;  // empty: nobody yet
  std::vector<std::string> writes;
  std::string GetFileTypeOwner(std::string_view progId, std::string_view) override {
    if (owner.empty()) owner = progId;
    return owner;
  }
  bool AssociateFileType(std::string_view progId, std::string_view extension,
                         std::string_view command) override {
    writes.push_back(std::string(progId) + " " + std::string(extension) + " " +
                     std::string(command));
    owner = progId;
    return true;
  }
};

struct AppFixture {
  AppFixture() {
    app.store = &store;
    app.association = &association;
    app.programPath = "/usr/bin/kestrova";
  }

  // A project file at `path` whose records hold `keyword` on the first engine.
  static void WriteProject(const std::string& path, const std::string& keyword) {
    ProjectState project;
    project.Domain = "www.example.com";
    project.KeywordText = keyword;
    project.TimeOutSecs = 50;
    RankingRecord record;
    record.Keyword = keyword;
    record.Engine = Catalogue().At(0).Name;
    record.Rank = 4;
    record.Succeeded = true;
    project.Rankings = {record};
    SyncEngineLists(project, Catalogue());
    ASSERT_TRUE(WriteProjectFile(path, project));
  }
  std::string Projects() const { return home / "data/Projects"; }
  // Every message box text so far, in order.
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const RecordedMessage& message : dialogs.messages) texts.push_back(message.text);
    return texts;
  }

  ScriptedNetwork network;
  TempFolder home{"kestrova-app-"};
  ScriptedDialogs dialogs;
  FixedClock clock{MakeDate({2024, 3, 9, 14, 5, 6})};
  SilentRunObserver quiet;
  SettingsMemoryBackend backend;
  SettingsStore store{backend, dialogs, "Kestrova"};
  RecordingAssociation association;
  Application app{dialogs, clock,       ProgramPaths{home / "config", home / "data"},
                  quiet,   Catalogue(), network.Factory()};
};

}  // namespace kestrova::test

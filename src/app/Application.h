// The application both front ends drive: the settings, the open project with
// its form model and grids, the File menu's project commands with the recent
// files, the run's wiring, and start-up and shutdown in their fixed order. A
// front end owns one, forwards the person's actions to it and mirrors its form
// model; every question and file dialog goes through the Dialogs seam.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analyzer/AnalyzeFrontPage.h"
#include "app/RankSession.h"
#include "base/Date.h"
#include "engines/EngineCatalogue.h"
#include "history/ProjectHistory.h"
#include "store/FileAssociation.h"
#include "store/Settings.h"
#include "store/SettingsPaths.h"
#include "ui/Dialogs.h"
#include "ui/MainFormModel.h"

namespace kestrova {

class SettingsStore;

class Application {
 public:
  // Everything is borrowed; `frontEnd` shows a run's status and progress;
  // `catalogue` holds the engines the lists, grids and runs know (the built-in
  // ones and those of the person's engines file).
  Application(Dialogs& dialogs, const Clock& clock, ProgramPaths paths, RunObserver& frontEnd,
              const EngineCatalogue& catalogue = Catalogue(),
              ConnectionFactory connections = PosixConnections());
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Set before StartUp. Without a store nothing is loaded or saved; without an
  // association the ".rnk" check is skipped. `programPath` is the program
  // that opens project files.
  SettingsStore* store = nullptr;
  FileAssociation* association = nullptr;
  std::string programPath;
  // The person's engines file did not read in full: a project naming engines
  // it would have given is told of them when it opens.
  bool enginesFileIncomplete = false;

  Dialogs& dialogs;
  const Clock& clock;
  const ProgramPaths paths;
  ProgramSettings settings;
  ProjectState project;
  MainFormModel form;
  RankSession rank;
  // The open file's history, kept by every run (null: runs keep only the
  // latest records). `keepHistory` false leaves it closed.
  std::unique_ptr<ProjectHistory> history;
  bool keepHistory = true;

  // Start-up and shutdown (StartUp.cpp).
  // Loads the settings, then the main window's load: the recent-files menu,
  // the engine lists, both grids, the date formats, the stored choices, the
  // report folder, the ".rnk" association (asked about once) and the project
  // named first on `commandLine` (the arguments after the program's name).
  void StartUp(const std::vector<std::string>& commandLine);
  // Every activation of the main window: the first-run marker is cleared and saved.
  void Form_Activate();
  // File, Exit: "Closing down .....", the window as during a run, the pending
  // transfer cancelled, then the shutdown tasks. False when the person chose
  // to stay: the window is idle again and should stay open.
  bool mnuFileExit_Click();
  // Closing: the settings are saved, then a changed project is kept. One with
  // a file is saved as File, Save does, without asking; one without a file (or
  // whose save failed) asks "Save Project file before closing?" with Yes (Save
  // As), No (closes without it) and Cancel. False when the window is to stay
  // (Cancel, or Save As cancelled or failed): nothing is lost and a later close
  // runs the tasks again. Once they went through, true at once.
  bool ShutdownTasks();
  // The network and display choices into the settings store now (the settings
  // view closing, and shutdown); without a store nothing happens.
  void SaveChoices();

  // The File menu (ProjectCommands.cpp).
  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  bool mnuFileSave_Click();
  bool mnuFileSaveAs_Click();
  void mnuFileName_Click(int index);
  // Only with unsaved changes: "Save Project file before closing?" and, on Yes,
  // Save (or Save As while the project has no file). False when a save was
  // cancelled or failed, so nothing should be thrown away.
  bool CheckForFileSave();
  // Reads the open path into the project and shows it: "Loading file....",
  // the keyword box from the records, both grids. False (the read error
  // shown) when the file does not read; the open project stays then.
  bool HandleFileOpen();
  // The recent-files policy on the settings' slots and the File menu.
  void NewMenuFilenameToAdd(const std::string& path);
  void FixnDisplayMenuFiles();

  // The Rank button: starts a run or, during one, stops it, whichever grid is
  // in view. False when it only pressed Stop (the run goes on below the
  // caller); otherwise the controls show what the run changed, the last-run
  // label among them. The network fields reach the settings at every start.
  bool RankButton_Click();

  // Tools, Analyze Front Page (FrontPageAnalysis.cpp): the outcome says what
  // the window shows next (Analyzed: the improvement report of the analysis
  // just stored). Nothing happens, and nothing is returned, during a run.
  std::optional<FrontPageOutcome> AnalyzeFrontPage();

  // For a command without a window: `path` becomes the open project, both
  // grids laid out and the keyword box filled from the records, nothing chosen.
  // A file that does not read changes nothing and is not told: the caller tells it.
  Status OpenForCommand(const std::string& path);

  // The stored network and display choices without the window's start and
  // close (StoredChoices.cpp): loaded from `store` into the settings and shown
  // in the form's fields as the start shows them (a failed load was told and
  // the defaults stand), and taken back from the fields and saved as closing
  // saves them (false when a write failed or there is no store).
  Status LoadStoredChoices();
  bool SaveStoredChoices();

  // Opens the history of the open file (made from its records when it has
  // none) for the runs and the History view; a damaged one is told and left
  // alone. The window does this with every project it opens; a command that
  // ranks does it itself.
  void AttachHistory();
  // After an open: the engines of the file the catalogue lacks, when the
  // engines file is why (a save would leave them out for good).
  void WarnOfDroppedEngines();

  // Where new projects put their reports, and where the project dialogs start.
  std::string DefaultReportDirectory() const;
  std::string ProjectsDirectory() const;

 private:
  void StartProject(const std::string& domain);
  void CheckFileAssociation();
  // Puts `path` at the top of the recent files, makes it the open path and
  // reads it; the previous path stays when the file does not read.
  bool OpenPath(const std::string& path);
  // NewMenuFilenameToAdd, then FixnDisplayMenuFiles.
  void MakeMostRecent(const std::string& path);
  bool WriteOpenProject();
  bool KeepChangesOnClose();
  void ShowStatus(const char* text);

  bool shutDown_ = false;
};

}  // namespace kestrova

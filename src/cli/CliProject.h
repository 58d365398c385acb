// A project opened by a command: the application over it, asking and telling
// through the command line's dialogs, and the keyword chosen for its grids.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/Application.h"
#include "base/Date.h"
#include "cli/CliDialogs.h"
#include "cli/Command.h"
#include "cli/ProjectLock.h"

namespace kestrova::cli {

class CliProject {
 public:
  // `command` names the command in messages; questions are answered Yes only
  // with `answerYes`. `observer` shows a run's progress.
  CliProject(CliIo& io, const char* command, bool answerYes, const Clock& clock,
             RunObserver& observer);

  // Reads `file` as the open project; when it does not read, the read error
  // and the line at fault go to stderr.
  Status Open(const std::string& file);
  // Open for a command that will save `file`: refused (false, told) while
  // another command is changing it.
  bool OpenToChange(const std::string& file);
  // Chooses `keyword` in the keyword box (one it lacks: nothing is chosen), or
  // its first entry when none is given, and redraws both grids for it.
  void ChooseKeyword(const std::optional<std::string>& keyword);
  // The same for a keyword typed as an argument (UTF-8): one the project has no
  // results for is refused on stderr (false) instead, so no grid or report of
  // nothing stands in for it.
  bool ChooseTypedKeyword(const std::optional<std::string>& typed);
  // File, Save to `file`, the file the command opened, even after Clear All
  // took the project's name away. False (the problem told) when it failed.
  bool SaveTo(const std::string& file);

  CliIo& io;  // first: the members below are made with it
  const char* command;
  ProjectLock lock;
  CliDialogs dialogs;
  Application app;
};

// The hidden --clock option ("YYYY-MM-DD HH:MM:SS") that fixes the time of a
// run and its reports; empty: the system's clock. A bad value is a usage error.
std::unique_ptr<Clock> ClockFromOption(const std::string& option);

}  // namespace kestrova::cli

// What the history commands share: the project and its history opened for
// reading (a missing history is made from the project's records first), and
// the choice of checks from --keyword, --engine and --since.
#pragma once

#include <memory>
#include <string>

#include "history/HistoryQueries.h"
#include "history/ProjectHistory.h"
#include "ranking/ProjectState.h"
#include "ui/Dialogs.h"

namespace kestrova::cli {

struct CliIo;

struct HistoryReading {
  ProjectState project;
  std::unique_ptr<ProjectHistory> history;
};

// False after the project's or the history's message. The project reads as
// every command reads it: its engines from the command's catalogue, and the
// line at fault named when it is damaged.
bool OpenHistoryForReading(const std::string& file, const CliIo& io, Dialogs& dialogs,
                           HistoryReading& reading);

// Arguments as typed (UTF-8); `since` is "YYYY-MM-DD" or "YYYY-MM-DD[T ]HH:MM:SS".
// A `since` of any other form is a usage error.
CheckFilter ChecksFilter(const std::string* keyword, const std::string* engine,
                         const std::string* since);

}  // namespace kestrova::cli

// How every command opens a project file: quietly, and when the file does not
// read, "There was an error reading this file!" on stderr with the reason or
// the line at fault ("p.rnk:57: not a number").
#pragma once

#include <iosfwd>
#include <string>

#include "base/Status.h"
#include "ranking/ProjectState.h"

namespace kestrova::cli {
struct CliIo;
}

namespace kestrova::cli {

// The engines named in the file are looked up in the command's catalogue.
Status OpenProjectFile(const std::string& path, ProjectState& project, const CliIo& io);

// For a command about to save `project`: false, told on stderr, when the
// project names engines the command's catalogue lacks while the engines file
// did not read in full; the save would drop them from the project for good.
bool KeepsItsEngines(const ProjectState& project, const CliIo& io, const char* command);

// The second line of the read error: "FILE:LINE: problem", or the reason alone
// when no line is known (it names the file itself).
std::string ProjectProblemText(const std::string& path, const Status& status);

}  // namespace kestrova::cli

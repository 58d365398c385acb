#include "cli/ProjectOpen.h"

#include <ostream>

#include "base/Text.h"
#include "cli/CliEngines.h"
#include "cli/Command.h"
#include "store/ProjectFile.h"

namespace kestrova::cli {

std::string ProjectProblemText(const std::string& path, const Status& status) {
  if (status.line() > 0)
    return path + ":" + std::to_string(status.line()) + ": " + status.message();
  return status.message();
}

Status OpenProjectFile(const std::string& path, ProjectState& project, const CliIo& io) {
  Status status = LoadProjectFile(path, project, io.Catalogue());
  if (!status) {
    io.err << kReadErrorText << "\n" << TerminalLine(ProjectProblemText(path, status)) << "\n";
  }
  return status;
}

bool KeepsItsEngines(const ProjectState& project, const CliIo& io, const char* command) {
  if (project.DroppedEngines.empty() || io.engines == nullptr || !io.engines->HadProblems()) {
    return true;
  }
  const std::string names = JoinedWithCommas(project.DroppedEngines);
  io.err << "kestrova-cli " << command << ": the project names engines the engines file did not "
         << "give (" << TerminalLine(names) << "); nothing was done, so they stay in it\n";
  return false;
}

}  // namespace kestrova::cli

#include "cli/ProjectOpen.h"

#include <ostream>

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

}  // namespace kestrova::cli

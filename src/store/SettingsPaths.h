// Where the program keeps its files: the settings files (one per root) and the data
// directory that holds the default report and project folders. Taken from the
// environment once and passed on, so tests can fix them.
#pragma once

#include <string>

namespace kestrova {

struct ProgramPaths {
  std::string configDirectory;  // $XDG_CONFIG_HOME/kestrova, else ~/.config/kestrova
  std::string dataDirectory;    // $XDG_DATA_HOME/kestrova, else ~/.local/share/kestrova
};

// From $KESTROVA_DATA_DIR / $KESTROVA_CONFIG_DIR when set, else the XDG directories.
ProgramPaths ProgramPathsFromEnvironment();

// The report directory a new project starts with: the data directory + "/Results".
std::string DefaultReportDirectory(const ProgramPaths& paths);
// Where the project file dialogs start: the data directory + "/Projects".
std::string ProjectsDirectory(const ProgramPaths& paths);

}  // namespace kestrova

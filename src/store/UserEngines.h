// The engines the program runs with: the built-in catalogue and the user's
// engines file, which lives in the settings folder beside the settings store.
#pragma once

#include <string>

#include "engines/UserEnginesFile.h"
#include "store/SettingsPaths.h"

namespace kestrova {

// The settings folder's engines file: configDirectory + "/engines.json".
std::string UserEnginesPath(const ProgramPaths& paths);

// The built-in catalogue followed by the engines of the file at `path`. A
// missing file adds nothing and is no problem unless `mustExist` (a file named
// on the command line). Each problem is "PATH: " + what is wrong.
CatalogueLoad LoadProgramCatalogue(const std::string& path, bool mustExist);

// The one message that tells the person about `problems` (empty: none).
std::string UserEnginesMessage(const std::vector<std::string>& problems);

}  // namespace kestrova

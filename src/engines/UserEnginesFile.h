// The user's engines file (engines.json): engines described as data, each with
// its host, query templates, page texts and an XPath rule for its result links.
// Reading it is a pure function over the file's bytes; every problem is one
// line naming the engine and the field, and a bad engine is left out while the
// good ones load.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engines/EngineCatalogue.h"

namespace kestrova {

// The file's name in the settings folder.
inline constexpr const char* kUserEnginesFileName = "engines.json";

struct UserEnginesLoad {
  std::vector<EngineRecord> engines;  // those that passed every check, in file order
  std::vector<std::string> problems;  // one line per engine left out (or for the whole file)
};

// Reads an engines file. A user engine must not take the name of an engine in
// `builtIns`, nor one used earlier in the file.
UserEnginesLoad ParseUserEngines(std::string_view bytes, const EngineCatalogue& builtIns);

// The built-in catalogue followed by the engines the file's bytes describe.
struct CatalogueLoad {
  EngineCatalogue catalogue;
  std::vector<std::string> problems;
};
CatalogueLoad CatalogueWithUserEngines(std::string_view engineFileBytes);

}  // namespace kestrova

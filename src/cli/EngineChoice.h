// Lists given on the command line: "a, b,,c" is three items, and a list of
// engine names is checked against the catalogue before anything is changed.
#pragma once

#include <string>
#include <vector>

#include "engines/EngineCatalogue.h"

namespace kestrova::cli {

// The comma-separated items of `text`, trimmed, empty ones left out.
std::vector<std::string> SplitList(const std::string& text);

// The engines an --engines argument names, each once, in the order given;
// "all" is every catalogue engine in catalogue order. A name the catalogue
// lacks is a usage error that says where the names are listed.
std::vector<std::string> ChosenEngines(const std::string& argument,
                                       const EngineCatalogue& catalogue);

// Throws the usage error for an engine name the catalogue lacks.
void RequireEngine(const std::string& name, const EngineCatalogue& catalogue);

}  // namespace kestrova::cli

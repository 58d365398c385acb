#include "cli/EngineChoice.h"

#include <algorithm>

#include "base/Text.h"
#include "cli/Command.h"
#include "ranking/ProjectState.h"

namespace kestrova::cli {

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    std::string item = TrimSpaces(text.substr(start, comma - start));
    if (!item.empty()) items.push_back(item);
    start = comma + 1;
  }
  return items;
}

void RequireEngine(const std::string& name, const EngineCatalogue& catalogue) {
  if (!EngineExists(catalogue, name)) {
    throw UsageError("no engine is named \"" + TerminalText(name) +
                     "\" (kestrova-cli engines lists them)");
  }
}

std::vector<std::string> ChosenEngines(const std::string& argument,
                                       const EngineCatalogue& catalogue) {
  if (TrimSpaces(argument) == "all") {
    ProjectState every;
    SyncEngineLists(every, catalogue);
    return every.AvailableEngines;
  }
  std::vector<std::string> chosen;
  for (const std::string& name : SplitList(ArgText(argument))) {
    RequireEngine(name, catalogue);
    if (std::find(chosen.begin(), chosen.end(), name) == chosen.end()) chosen.push_back(name);
  }
  return chosen;
}

}  // namespace kestrova::cli

#include "cli/CliEngines.h"

#include <ostream>

#include "cli/Command.h"
#include "store/UserEngines.h"

namespace kestrova::cli {

const EngineCatalogue& CliEngines::Catalogue() {
  if (!load_) {
    const bool named = !file.empty();
    const std::string path = named ? file : UserEnginesPath(ProgramPathsFromEnvironment());
    load_ = LoadProgramCatalogue(path, named);
    for (const std::string& problem : load_->problems)
      err_ << "kestrova-cli: " << TerminalText(problem) << "\n";
  }
  return load_->catalogue;
}

}  // namespace kestrova::cli

// The engine catalogue a kestrova-cli command works with: the built-in engines
// and those of the user's engines file (the settings folder's, or the one named
// with --engines-file), read when a command first needs them. Problems with the
// file go to stderr once; the command goes on with the engines that loaded.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "engines/UserEnginesFile.h"

namespace kestrova::cli {

class CliEngines {
 public:
  explicit CliEngines(std::ostream& err) : err_(err) {}

  // --engines-file; empty: the settings folder's engines file.
  std::string file;

  const EngineCatalogue& Catalogue();
  // True once the engines file was read and had problems (not there when
  // named, not readable, or engines left out).
  bool HadProblems() const { return load_ && !load_->problems.empty(); }

 private:
  std::ostream& err_;
  std::optional<CatalogueLoad> load_;
};

}  // namespace kestrova::cli

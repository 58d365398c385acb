// Runs kestrova-cli in-process and captures its streams.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/Command.h"

namespace kestrova::test {

struct CliResult {
  int code = 0;
  std::string out, err;
};

inline CliResult RunCliCommand(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  CliResult result;
  result.code = cli::RunCli(args, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

}  // namespace kestrova::test

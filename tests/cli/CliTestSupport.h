// Runs kestrova-cli in-process and captures its streams.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <optional>
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

inline int LineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Sets an environment variable while alive, then puts back what was there.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* before = ::getenv(name)) saved_ = before;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    if (saved_) {
      ::setenv(name_, saved_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

}  // namespace kestrova::test

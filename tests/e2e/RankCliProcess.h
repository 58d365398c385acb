// Runs kestrova-cli as its own process in a working folder, capturing both
// streams; optionally presses Ctrl+C (or sends another signal) once stderr
// shows a given text.
#pragma once

#include <string>
#include <vector>

namespace kestrova::test {

struct CliRun {
  int exitCode = -1;
  std::string out, err;
};

// `interruptWhen`: send `signal` (SIGINT: Ctrl+C) the first time stderr contains this text.
CliRun RunCliProcess(const std::string& workFolder, const std::vector<std::string>& arguments,
                     const std::string& interruptWhen = "", int signal = 2);

}  // namespace kestrova::test

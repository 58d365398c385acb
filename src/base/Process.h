// Runs another program directly (never through a shell) and collects what it
// prints, for the desktop's own tools (xdg-mime, systemctl). The child gets
// this process's environment with the given changes.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrova {

// One change to the child's environment: a value to set, or nullopt to unset.
using EnvironmentChange = std::pair<std::string, std::optional<std::string>>;

struct ProcessResult {
  bool started = false;  // false: the program could not be found or run
  int exitCode = -1;     // the exit status; -1 when it ended by a signal
  std::string out;       // standard output, at most kProcessOutputLimit bytes
  std::string err;       // standard error, likewise
  bool Succeeded() const { return started && exitCode == 0; }
};

inline constexpr size_t kProcessOutputLimit = 1 << 20;

// Starts argv[0] (looked up in PATH when it has no "/"), with no standard
// input, and waits for it to end.
ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<EnvironmentChange>& environment = {});

// The environment this process would hand a child, with `changes` applied.
std::vector<std::string> ChildEnvironment(const std::vector<EnvironmentChange>& changes);

// True when `name` is an executable file in one of PATH's folders.
bool ProgramOnPath(const std::string& name);

// The absolute path of the running program's file; empty when unknown.
std::string CurrentProgramPath();

}  // namespace kestrova

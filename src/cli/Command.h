// How kestrova-cli commands plug in: each command file registers itself with a
// name, a one-line summary and a setup function that declares its options on a
// CLI11 sub-app and returns the action to run once the arguments are parsed.
// Commands write results to `out` and messages to `err`; they never exit().
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "engines/EngineCatalogue.h"

namespace kestrova::cli {

// Exit codes: 0 success, 1 the action failed or was refused, 2 bad arguments,
// 3 a ranking run lost some of its output (a saved page, a report) while its
// records were kept, 130 stopped by the user.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitOutputLost = 3;
constexpr int kExitStopped = 130;

// A page read from a file (parse, analyze --file): fetched answers stop at 32000
// bytes, and no front page worth analysing comes near this.
inline constexpr std::size_t kLargestPageFile = 16 * 1024 * 1024;

class CliEngines;

struct CliIo {
  std::ostream& out;
  std::ostream& err;
  CliEngines* engines = nullptr;  // the run's engines (--engines-file); none: the built-ins

  // The engine catalogue the command works with.
  const EngineCatalogue& Catalogue() const;
};

// Thrown by an action for a usage error found after parsing (exit code 2).
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using CommandAction = std::function<int()>;
using CommandSetup = std::function<CommandAction(CLI::App& sub, CliIo& io)>;

struct CommandInfo {
  std::string name;
  std::string summary;
  CommandSetup setup;
};

// Registers a command at static-initialisation time.
struct CommandRegistration {
  CommandRegistration(std::string name, std::string summary, CommandSetup setup);
};

const std::vector<CommandInfo>& RegisteredCommands();

// Runs the command line (arguments as UTF-8, as the terminal gives them).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Argument text (UTF-8 from the terminal) as the program's single-byte text.
std::string ArgText(const std::string& utf8);
// Program text as UTF-8 for the terminal and for CSV. Text from result pages and
// other people's projects may hold control characters ("\x1b[2J" clears the
// screen): each is shown as its picture ("\u241B" for ESC), and the code page's
// five unassigned bytes as "\uFFFD". TerminalText keeps line ends and tabs,
// for texts of several lines; TerminalLine shows them too, for one field.
std::string TerminalText(const std::string& text);
std::string TerminalLine(const std::string& text);
// Program text as UTF-8 exactly, for JSON, whose strings escape control characters.
std::string JsonText(const std::string& text);

}  // namespace kestrova::cli

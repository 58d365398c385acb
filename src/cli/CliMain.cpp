#include <algorithm>
#include <ostream>

#include "base/Codepage.h"
#include "cli/CliEngines.h"
#include "cli/Command.h"

namespace kestrova::cli {
namespace {

std::vector<CommandInfo>& Registry() {
  static std::vector<CommandInfo> commands;
  return commands;
}

}  // namespace

const EngineCatalogue& CliIo::Catalogue() const {
  return engines != nullptr ? engines->Catalogue() : kestrova::Catalogue();
}

CommandRegistration::CommandRegistration(std::string name, std::string summary,
                                         CommandSetup setup) {
  Registry().push_back({std::move(name), std::move(summary), std::move(setup)});
}

const std::vector<CommandInfo>& RegisteredCommands() {
  return Registry();
}

namespace {

// The code page has no characters of the control-picture block, so a picture
// in the output always stands for a control character of the text.
std::string VisibleControls(const std::string& text, bool keepLineBreaks) {
  const std::string utf8 = Cp1252ToUtf8(text);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const bool c1 = c == 0xC2 && i + 1 < utf8.size() &&
                    static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
    if (c1) {
      out += "\xEF\xBF\xBD";  // U+FFFD: no character at all
      ++i;
    } else if ((c < 0x20 && !(keepLineBreaks && (c == '\n' || c == '\t'))) || c == 0x7F) {
      const unsigned picture = c == 0x7F ? 0x21 : c;  // U+2400 + c, U+2421 for DEL
      out += "\xE2\x90";
      out += static_cast<char>(0x80 + picture);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

// A command's result that never reached its reader (a full disk, a closed
// pipe) is no success.
int OutputWritten(int code, std::ostream& out, std::ostream& err) {
  if (out.flush() || code != kExitOk) return code;
  err << "kestrova-cli: could not write the output\n";
  return kExitFailed;
}

}  // namespace

std::string ArgText(const std::string& utf8) {
  return Utf8ToCp1252(utf8);
}
std::string TerminalText(const std::string& text) {
  return VisibleControls(text, true);
}
std::string TerminalLine(const std::string& text) {
  return VisibleControls(text, false);
}
std::string JsonText(const std::string& text) {
  return Cp1252ToUtf8(text);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"kestrova-cli: the headless front end of Kestrova, the rank checker",
               "kestrova-cli"};
  app.set_version_flag("--version", "kestrova-cli 01.26");
  app.require_subcommand(1);
  app.footer(
      "Exit status: 0 success, 1 the action failed or was refused, 2 bad arguments, 3 rank "
      "finished but lost a saved page or report (the project is saved), 130 stopped with "
      "Ctrl+C.\n");
  // Taken before or after the command's name.
  app.fallthrough();
  CliEngines engines(err);
  app.add_option("--engines-file", engines.file,
                 "The user's engines file (default: engines.json in the settings folder)");
  CliIo io{out, err, &engines};

  auto commands = RegisteredCommands();
  std::sort(commands.begin(), commands.end(),
            [](const CommandInfo& a, const CommandInfo& b) { return a.name < b.name; });
  std::vector<std::pair<CLI::App*, CommandAction>> actions;
  for (const auto& command : commands) {
    CLI::App* sub = app.add_subcommand(command.name, command.summary);
    actions.emplace_back(sub, command.setup(*sub, io));
  }

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return kExitOk;
  } catch (const CLI::CallForVersion&) {
    out << app.version() << "\n";
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    // Sub-command help arrives as CallForHelp from the sub-app.
    for (auto& [sub, action] : actions) {
      if (sub->parsed() && e.get_name() == "CallForHelp") {
        out << sub->help();
        return kExitOk;
      }
    }
    std::string message = e.what();
    std::replace(message.begin(), message.end(), '\n', ' ');
    err << "kestrova-cli: " << message << "\n";
    return kExitUsage;
  }

  for (auto& [sub, action] : actions) {
    if (!sub->parsed()) continue;
    try {
      return OutputWritten(action(), out, err);
    } catch (const UsageError& e) {
      err << "kestrova-cli " << sub->get_name() << ": " << e.what() << "\n";
      return kExitUsage;
    }
  }
  return kExitUsage;
}

}  // namespace kestrova::cli

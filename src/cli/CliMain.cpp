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

std::string ArgText(const std::string& utf8) {
  return Utf8ToCp1252(utf8);
}
std::string TerminalText(const std::string& text) {
  return Cp1252ToUtf8(text);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"kestrova-cli: the headless front end of Kestrova, the rank checker",
               "kestrova-cli"};
  app.set_version_flag("--version", "kestrova-cli 01.26");
  app.require_subcommand(1);
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
      return action();
    } catch (const UsageError& e) {
      err << "kestrova-cli " << sub->get_name() << ": " << e.what() << "\n";
      return kExitUsage;
    }
  }
  return kExitUsage;
}

}  // namespace kestrova::cli

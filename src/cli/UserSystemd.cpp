#include "cli/UserSystemd.h"

#include <cstdlib>
#include <vector>

#include "base/Process.h"

namespace kestrova::cli {

SystemdState UserSystemd::State() const {
  // "offline" is systemctl's answer where systemd is not the init system.
  const ProcessResult system = RunProcess({systemctl_, "is-system-running"});
  if (!system.started || system.out.empty() || system.out.starts_with("offline")) {
    return SystemdState::Absent;
  }
  const ProcessResult user = RunProcess({systemctl_, "--user", "show-environment"});
  return user.Succeeded() ? SystemdState::UserManager : SystemdState::NoManager;
}

bool UserSystemd::Run(const std::string& verb, const std::string& unit, std::string& error) const {
  std::vector<std::string> argv = {systemctl_, "--user", verb};
  if (!unit.empty()) argv.push_back(unit);
  const ProcessResult result = RunProcess(argv);
  if (result.Succeeded()) return true;
  error = result.started ? result.err : "cannot run " + systemctl_;
  while (!error.empty() && error.back() == '\n') error.pop_back();
  if (error.empty()) error = "systemctl --user " + verb + " failed";
  return false;
}

bool UserSystemd::ReloadAndRestart(const std::string& timer, std::string& error) const {
  return Run("daemon-reload", "", error) && Run("restart", timer, error);
}

bool UserSystemd::StopAndReload(const std::string& timer, std::string& error) const {
  // A timer that was never started is not an error; the reload must still run.
  std::string ignored;
  Run("stop", timer, ignored);
  return Run("daemon-reload", "", error);
}

std::string UserUnitFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return std::string(config) + "/systemd/user";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.config/systemd/user";
}

}  // namespace kestrova::cli

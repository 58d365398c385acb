// The person's systemd: whether it runs here, and the systemctl --user calls
// that load, start and stop a scheduled project's timer. Unit files live in
// $XDG_CONFIG_HOME/systemd/user (default ~/.config/systemd/user).
#pragma once

#include <string>

namespace kestrova::cli {

enum class SystemdState {
  Absent,      // not the init system here (or no systemctl): cron has to do it
  NoManager,   // systemd runs, but no user manager answers now (no login session)
  UserManager  // the person's own manager answers
};

class UserSystemd {
 public:
  explicit UserSystemd(std::string systemctl = "systemctl") : systemctl_(std::move(systemctl)) {}

  SystemdState State() const;
  // systemctl --user daemon-reload, then restart (or stop) the timer; false
  // with `error` holding systemctl's complaint.
  bool ReloadAndRestart(const std::string& timer, std::string& error) const;
  bool StopAndReload(const std::string& timer, std::string& error) const;

 private:
  bool Run(const std::string& verb, const std::string& unit, std::string& error) const;
  std::string systemctl_;
};

// Where the person's own unit files go.
std::string UserUnitFolder();

}  // namespace kestrova::cli

#include "store/SettingsPaths.h"

#include <cstdlib>

#include "base/Files.h"

namespace kestrova {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// $<xdgName>/kestrova, else $HOME/<fallback>/kestrova (the current directory when
// even HOME is missing).
std::string XdgDirectory(const char* xdgName, const char* fallback) {
  std::string base = Environment(xdgName);
  if (base.empty() || base[0] != '/') {
    std::string home = Environment("HOME");
    base = (home.empty() ? std::string(".") : home) + "/" + fallback;
  }
  return base + "/kestrova";
}

}  // namespace

ProgramPaths ProgramPathsFromEnvironment() {
  ProgramPaths paths;
  paths.configDirectory = Environment("KESTROVA_CONFIG_DIR");
  if (paths.configDirectory.empty())
    paths.configDirectory = XdgDirectory("XDG_CONFIG_HOME", ".config");
  paths.dataDirectory = Environment("KESTROVA_DATA_DIR");
  if (paths.dataDirectory.empty())
    paths.dataDirectory = XdgDirectory("XDG_DATA_HOME", ".local/share");
  return paths;
}

std::string DefaultReportDirectory(const ProgramPaths& paths) {
  return paths.dataDirectory + "/Results";
}

std::string ProjectsDirectory(const ProgramPaths& paths) {
  return paths.dataDirectory + "/Projects";
}

}  // namespace kestrova

// Settings files as users edit and copy them, through the file backend the
// program uses (Qt's INI files): the settings load with their defaults filled
// in, save, and load again to the same values.
//
// Input: the machine root's file, then optionally after a NUL byte the user
// root's and after another the classes root's (the file association's).
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "qt/QtSettingsBackend.h"
#include "store/Settings.h"
#include "support/ScriptedMessenger.h"

namespace kestrova::fuzz {
namespace {

namespace fs = std::filesystem;

// A fresh folder for every input: Qt keeps parsed files by name, and a file
// rewritten within the same instant at the same size would be taken from there.
fs::path FreshFolder() {
  static const fs::path base = [] {
    const char* folder = std::getenv("TMPDIR");
    return fs::path(folder != nullptr && *folder != '\0' ? folder : "/tmp") /
           ("kestrova-fuzz-settings-" + std::to_string(getpid()));
  }();
  static unsigned long next = 0;
  fs::path folder = base / std::to_string(next++);
  fs::create_directories(folder);
  return folder;
}

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

// Every value a load fills, one per line, for comparing two loads.
std::string Describe(const ProgramSettings& s) {
  std::ostringstream out;
  out << s.InterNet << '\n'
      << s.Domain << '\n'
      << s.UseProxy << '\n'
      << s.HttpProxy << '\n'
      << s.PortProxy << '\n'
      << s.UseDirect << '\n'
      << s.CustomAgent << '\n'
      << s.BoldRankingGrid << '\n'
      << s.AgentIndex << '\n'
      << s.Jobs << '\n'
      << s.FirstTimeRun << '\n'
      << s.CheckAssociation << '\n';
  for (const std::string& file : s.RecentFiles) out << file << '\n';
  return out.str();
}

// The window's network fields as a load leaves them.
NetworkControls ControlsShowing(const ProgramSettings& s) {
  NetworkControls controls;
  controls.chkUseProxy = s.UseProxy;
  controls.txtHttpProxy = s.HttpProxy;
  controls.txtPortProxy = s.PortProxy;
  controls.chkUseDirect = s.UseDirect;
  controls.optAgent[static_cast<std::size_t>(s.AgentIndex)] = true;
  controls.txtUserAgentToUse = s.CustomAgent;
  controls.txtJobs = std::to_string(s.Jobs);
  return controls;
}

}  // namespace
}  // namespace kestrova::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  using namespace kestrova::fuzz;
  FuzzInput input(data, size);
  const std::vector<std::string_view> files = SplitAt(input.Rest(), std::string_view("\0", 1));
  const fs::path folder = FreshFolder();
  const char* names[] = {"machine.ini", "user.ini", "classes.ini"};
  for (std::size_t i = 0; i < files.size() && i < 3; ++i) WriteFile(folder / names[i], files[i]);

  test::ScriptedMessenger messenger;
  ProgramSettings loaded;
  {
    std::unique_ptr<SettingsBackend> backend = OpenQtSettingsBackend(folder.string());
    SettingsStore store(*backend, messenger, "Kestrova");
    Require(LoadSettings(store, loaded).ok(), "settings in a writable folder always load");
    Require(loaded.AgentIndex >= 0 && loaded.AgentIndex <= 3, "the agent choice is 0 to 3");
    Require(loaded.BoldRankingGrid >= 0 && loaded.BoldRankingGrid <= 3,
            "the bold-grid choice is 0 to 3");
    Require(SaveSettings(store, loaded, ControlsShowing(loaded)), "loaded settings save");
    GetFileTypeOwner(store, kProjectProgId, kProjectExtension);
  }
  ProgramSettings reloaded;
  {
    std::unique_ptr<SettingsBackend> backend = OpenQtSettingsBackend(folder.string());
    SettingsStore store(*backend, messenger, "Kestrova");
    Require(LoadSettings(store, reloaded).ok(), "saved settings load again");
  }
  if (Describe(reloaded) != Describe(loaded)) {
    std::fprintf(stderr, "saved:\n%s\nloaded again:\n%s\n", Describe(loaded).c_str(),
                 Describe(reloaded).c_str());
  }
  Require(Describe(reloaded) == Describe(loaded), "saved settings load back equal");
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return 0;
}

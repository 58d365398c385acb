// Settings files as users edit and copy them, through the file backend the
// program uses (Qt's INI files): the settings load with their defaults filled
// in, save, and load again to the same values.
//
// Every write of the file backend rewrites its file, a few dozen per load and
// save of a file that lacks its values; so the store writes into memory over
// the files first. When only a few saved values differ from what the files
// hold (a file as people edit it), those go to the files through the backend
// as the program writes them and the second load reads the files alone;
// otherwise the second load reads the files with the saved values in memory.
//
// Input: the machine root's file, then optionally after a NUL byte the user
// root's and after another the classes root's (the file association's).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "qt/QtSettingsBackend.h"
#include "store/Settings.h"
#include "store/SettingsMemoryBackend.h"
#include "support/ScriptedMessenger.h"

namespace kestrova::fuzz {
namespace {

namespace fs = std::filesystem;

// The folder of this process's settings files. Qt keeps parsed files by name
// and parses one again only when its size or time stamp changed, so every
// input's files get a time stamp of their own; a folder per input instead
// would grow Qt's cache without end.
const fs::path& Folder() {
  static const fs::path folder = [] {
    const char* tmp = std::getenv("TMPDIR");
    return fs::path(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") /
           ("kestrova-fuzz-settings-" + std::to_string(getpid()));
  }();
  return folder;
}

void PlaceFiles(const std::vector<std::string_view>& files) {
  static long stamp = 1'000'000'000;
  std::error_code ignored;
  fs::remove_all(Folder(), ignored);
  fs::create_directories(Folder());
  const char* names[] = {"machine.ini", "user.ini", "classes.ini"};
  for (std::size_t i = 0; i < files.size() && i < 3; ++i) {
    const fs::path path = Folder() / names[i];
    std::ofstream(path, std::ios::binary)
        .write(files[i].data(), static_cast<long>(files[i].size()));
    const timespec times[2] = {{stamp, 0}, {stamp, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
  }
  ++stamp;
}

// Reads come from the files unless the store wrote the value; writes stay in
// memory, in order, for the harness to write to the files.
class WritesInMemory final : public SettingsBackend {
 public:
  struct Write {
    SettingsRoot root;
    std::string keyPath, name, value;
  };
  explicit WritesInMemory(SettingsBackend& files) : files_(files) {}

  bool CreateKey(SettingsRoot root, std::string_view keyPath, std::string& error) override {
    return memory_.CreateKey(root, keyPath, error) && files_.CreateKey(root, keyPath, error);
  }
  std::optional<std::string> ReadValue(SettingsRoot root, std::string_view keyPath,
                                       std::string_view name) override {
    if (auto value = memory_.ReadValue(root, keyPath, name)) return value;
    return files_.ReadValue(root, keyPath, name);
  }
  bool WriteValue(SettingsRoot root, std::string_view keyPath, std::string_view name,
                  std::string_view value, std::string& error) override {
    writes.push_back({root, std::string(keyPath), std::string(name), std::string(value)});
    return memory_.WriteValue(root, keyPath, name, value, error);
  }
  std::vector<std::string> TakeProblems() override { return files_.TakeProblems(); }

  // Holds `write` as written earlier, without noting it.
  void Remember(const Write& write) {
    std::string error;
    memory_.WriteValue(write.root, write.keyPath, write.name, write.value, error);
  }

  std::vector<Write> writes;

 private:
  SettingsBackend& files_;
  SettingsMemoryBackend memory_;
};

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

// At most this many values are written to the files for one input.
constexpr std::size_t kFileWritesPerInput = 4;

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
  PlaceFiles(SplitAt(input.Rest(), std::string_view("\0", 1)));
  const std::string folder = Folder().string();

  test::ScriptedMessenger messenger;
  ProgramSettings loaded;
  std::vector<WritesInMemory::Write> unwritten;
  {
    std::unique_ptr<SettingsBackend> files = OpenQtSettingsBackend(folder);
    WritesInMemory backend(*files);
    SettingsStore store(backend, messenger, "Kestrova");
    Require(LoadSettings(store, loaded).ok(), "settings in a writable folder always load");
    Require(loaded.AgentIndex >= 0 && loaded.AgentIndex <= 3, "the agent choice is 0 to 3");
    Require(loaded.BoldRankingGrid >= 0 && loaded.BoldRankingGrid <= 3,
            "the bold-grid choice is 0 to 3");
    Require(SaveSettings(store, loaded, ControlsShowing(loaded)), "loaded settings save");
    GetFileTypeOwner(store, kProjectProgId, kProjectExtension);
    for (const WritesInMemory::Write& write : backend.writes) {
      if (files->ReadValue(write.root, write.keyPath, write.name) != write.value)
        unwritten.push_back(write);
    }
    if (unwritten.size() <= kFileWritesPerInput) {
      for (const WritesInMemory::Write& write : unwritten) {
        std::string error;
        Require(files->WriteValue(write.root, write.keyPath, write.name, write.value, error),
                "a settings file in a writable folder can be written");
      }
      unwritten.clear();
    }
  }
  ProgramSettings reloaded;
  {
    std::unique_ptr<SettingsBackend> files = OpenQtSettingsBackend(folder);
    WritesInMemory backend(*files);
    for (const WritesInMemory::Write& write : unwritten) backend.Remember(write);
    SettingsStore store(backend, messenger, "Kestrova");
    Require(LoadSettings(store, reloaded).ok(), "saved settings load again");
    Require(backend.writes.empty(), "saved settings hold every value a load needs");
  }
  if (Describe(reloaded) != Describe(loaded)) {
    std::fprintf(stderr, "saved:\n%s\nloaded again:\n%s\n", Describe(loaded).c_str(),
                 Describe(reloaded).c_str());
  }
  Require(Describe(reloaded) == Describe(loaded), "saved settings load back equal");
  return 0;
}

#include "cli/CliSettings.h"

#include "base/ProductInfo.h"
#include "qt/QtSettingsBackend.h"
#include "store/SettingsPaths.h"

namespace kestrova::cli {
namespace {

// Reads through to the files; writes go nowhere and succeed.
class ReadOnlyBackend final : public SettingsBackend {
 public:
  explicit ReadOnlyBackend(SettingsBackend& files) : files_(files) {}

  bool CreateKey(SettingsRoot, std::string_view, std::string&) override { return true; }
  std::optional<std::string> ReadValue(SettingsRoot root, std::string_view keyPath,
                                       std::string_view name) override {
    return files_.ReadValue(root, keyPath, name);
  }
  bool WriteValue(SettingsRoot, std::string_view, std::string_view, std::string_view,
                  std::string&) override {
    return true;
  }
  std::vector<std::string> TakeProblems() override { return files_.TakeProblems(); }

 private:
  SettingsBackend& files_;
};

std::unique_ptr<SettingsBackend> ReadOnlyOver(SettingsBackend& files, bool writable) {
  if (writable) return nullptr;
  return std::make_unique<ReadOnlyBackend>(files);
}

}  // namespace

CliSettings::CliSettings(Messenger& messenger, bool writable)
    : files_(OpenQtSettingsBackend(ProgramPathsFromEnvironment().configDirectory)),
      readOnly_(ReadOnlyOver(*files_, writable)),
      store_(readOnly_ ? *readOnly_ : *files_, messenger, kProductName) {}

}  // namespace kestrova::cli

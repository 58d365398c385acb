#include "store/SettingsMemoryBackend.h"

#include <utility>

namespace kestrova {

bool SettingsMemoryBackend::CreateKey(SettingsRoot root, std::string_view keyPath, std::string&) {
  keys_.emplace(root, std::string(keyPath));
  return true;
}

std::optional<std::string> SettingsMemoryBackend::ReadValue(SettingsRoot root,
                                                            std::string_view keyPath,
                                                            std::string_view name) {
  auto found = values_.find({root, std::string(keyPath), std::string(name)});
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

bool SettingsMemoryBackend::WriteValue(SettingsRoot root, std::string_view keyPath,
                                       std::string_view name, std::string_view value,
                                       std::string& error) {
  if (failWrites) {
    error = *failWrites;
    return false;
  }
  keys_.emplace(root, std::string(keyPath));
  values_[{root, std::string(keyPath), std::string(name)}] = std::string(value);
  return true;
}

std::vector<std::string> SettingsMemoryBackend::TakeProblems() {
  return std::exchange(problems, {});
}

bool SettingsMemoryBackend::HasKey(SettingsRoot root, std::string_view keyPath) const {
  return keys_.count({root, std::string(keyPath)}) > 0;
}

}  // namespace kestrova

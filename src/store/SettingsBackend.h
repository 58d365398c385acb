// Where the settings store keeps its keys and values: a hierarchy of keys per root,
// each key holding named text values and one unnamed default value (name "").
// A file-backed store lives in qt/; tests use SettingsMemoryBackend.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

// The three roots: the program's own keys (machine-wide), one value read from the
// per-user root, and file-type associations (classes root).
enum class SettingsRoot { Machine, User, Classes };

class SettingsBackend {
 public:
  virtual ~SettingsBackend() = default;

  // Key paths are names joined by "\"; value names match exactly (case matters).
  virtual bool CreateKey(SettingsRoot root, std::string_view keyPath, std::string& error) = 0;
  virtual std::optional<std::string> ReadValue(SettingsRoot root, std::string_view keyPath,
                                               std::string_view name) = 0;
  virtual bool WriteValue(SettingsRoot root, std::string_view keyPath, std::string_view name,
                          std::string_view value, std::string& error) = 0;

  // Problems met while opening the backing store (a damaged file set aside, say),
  // each a sentence for the person; taking them empties the list.
  virtual std::vector<std::string> TakeProblems() { return {}; }
};

}  // namespace kestrova

// A settings backend held in memory: for tests, and for a program run that must not
// touch the person's settings. Writes can be made to fail to test error paths.
#pragma once

#include <map>
#include <set>
#include <tuple>

#include "store/SettingsBackend.h"

namespace kestrova {

class SettingsMemoryBackend final : public SettingsBackend {
 public:
  bool CreateKey(SettingsRoot root, std::string_view keyPath, std::string& error) override;
  std::optional<std::string> ReadValue(SettingsRoot root, std::string_view keyPath,
                                       std::string_view name) override;
  bool WriteValue(SettingsRoot root, std::string_view keyPath, std::string_view name,
                  std::string_view value, std::string& error) override;
  std::vector<std::string> TakeProblems() override;

  bool HasKey(SettingsRoot root, std::string_view keyPath) const;
  size_t ValueCount() const { return values_.size(); }
  // When set, every value write fails with this description.
  std::optional<std::string> failWrites;
  std::vector<std::string> problems;

 private:
  using ValueId = std::tuple<SettingsRoot, std::string, std::string>;
  std::map<ValueId, std::string> values_;
  std::set<std::pair<SettingsRoot, std::string>> keys_;
};

}  // namespace kestrova

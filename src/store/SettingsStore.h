// The settings store as the program uses it: open a key, then read values (missing
// ones are created with their default) and write values in it. A failing operation
// shows its error in a message box (critical icon, the program's name as title) and
// returns false.
#pragma once

#include <string>
#include <string_view>

#include "base/Status.h"
#include "store/SettingsBackend.h"

namespace kestrova {

class Messenger;

// A default with this text (in any case) reads without creating a missing value.
inline constexpr std::string_view kNoWriteDefault = "!NOWRITE!";

class SettingsStore {
 public:
  SettingsStore(SettingsBackend& backend, Messenger& messenger, std::string appTitle)
      : backend_(backend), messenger_(messenger), appTitle_(std::move(appTitle)) {}

  // Makes `keyPath` the current key, creating it and its parents when missing.
  bool OpenKey(SettingsRoot root, std::string_view keyPath);
  // Found: `value` receives it, true. Missing: unless `defaultValue` is "!NOWRITE!",
  // `value` receives the default, which is also written (the result is the write's);
  // with "!NOWRITE!" `value` is left as it was and the result is false.
  bool GetValue(std::string_view name, std::string& value, std::string_view defaultValue);
  bool SetValue(std::string_view name, std::string_view value);

  // Shows every problem the backend met while opening its files (one message each).
  void ReportBackendProblems();

  // The first operation that failed since the store was made (ok when none did).
  const Status& FirstFailure() const { return firstFailure_; }

 private:
  bool Failed(const std::string& error);

  SettingsBackend& backend_;
  Messenger& messenger_;
  std::string appTitle_;
  SettingsRoot root_ = SettingsRoot::Machine;
  std::string keyPath_;
  Status firstFailure_;
};

}  // namespace kestrova

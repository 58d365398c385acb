// The settings store a command works with: the window's own files in the
// settings folder, so both front ends read and write the same choices.
// Opened read-only, a load creates nothing there: the defaults of missing
// values are taken without being written, and the files stay as they were.
#pragma once

#include <memory>

#include "store/SettingsBackend.h"
#include "store/SettingsStore.h"

namespace kestrova {
class Messenger;
}

namespace kestrova::cli {

class CliSettings {
 public:
  // Store failures are told through `messenger` (stderr on the command line).
  CliSettings(Messenger& messenger, bool writable);
  CliSettings(const CliSettings&) = delete;
  CliSettings& operator=(const CliSettings&) = delete;

  SettingsStore& Store() { return store_; }

 private:
  std::unique_ptr<SettingsBackend> files_;
  std::unique_ptr<SettingsBackend> readOnly_;  // over files_; null when writable
  SettingsStore store_;
};

}  // namespace kestrova::cli

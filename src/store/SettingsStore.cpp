#include "store/SettingsStore.h"

#include "base/Messenger.h"
#include "base/Text.h"

namespace kestrova {

bool SettingsStore::Failed(const std::string& error) {
  if (firstFailure_) firstFailure_ = Status::Error(StatusCode::WriteFailed, error);
  messenger_.ShowMessage(error, appTitle_, MessageButtons::Ok, MessageIcon::Stop);
  return false;
}

bool SettingsStore::OpenKey(SettingsRoot root, std::string_view keyPath) {
  std::string error;
  if (!backend_.CreateKey(root, keyPath, error)) return Failed(error);
  root_ = root;
  keyPath_ = std::string(keyPath);
  return true;
}

bool SettingsStore::GetValue(std::string_view name, std::string& value,
                             std::string_view defaultValue) {
  if (auto found = backend_.ReadValue(root_, keyPath_, name)) {
    value = std::move(*found);
    return true;
  }
  if (UpperCase(defaultValue) == kNoWriteDefault) return false;
  value = std::string(defaultValue);
  return SetValue(name, defaultValue);
}

bool SettingsStore::SetValue(std::string_view name, std::string_view value) {
  std::string error;
  if (!backend_.WriteValue(root_, keyPath_, name, value, error)) return Failed(error);
  return true;
}

void SettingsStore::ReportBackendProblems() {
  for (const std::string& problem : backend_.TakeProblems()) {
    messenger_.ShowMessage(problem, appTitle_, MessageButtons::Ok, MessageIcon::Stop);
  }
}

}  // namespace kestrova

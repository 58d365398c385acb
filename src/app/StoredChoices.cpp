// The settings a command reads and writes without a window: the same load and
// the same save the window's start and close make, through the form's fields.
#include "app/Application.h"
#include "store/SettingsStore.h"

namespace kestrova {

Status Application::LoadStoredChoices() {
  if (store == nullptr) return Status::Ok();
  const Status loaded = LoadSettings(*store, settings);
  form.ShowStoredChoices(settings);
  return loaded;
}

bool Application::SaveStoredChoices() {
  if (store == nullptr) return false;
  form.TakeStoredChoices(settings);
  return SaveSettings(*store, settings, form.NetworkFields());
}

}  // namespace kestrova

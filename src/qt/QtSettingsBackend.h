// The settings store kept in files through Qt's QSettings: one INI file per root
// ("machine.ini", "user.ini", "classes.ini") in one directory, with the same key
// paths and value names. A damaged file is set aside and reported, and the store
// starts empty so that the defaults are loaded.
#pragma once

#include <memory>
#include <string>

#include "store/SettingsBackend.h"

namespace kestrova {

std::unique_ptr<SettingsBackend> OpenQtSettingsBackend(const std::string& directory);

}  // namespace kestrova

// The five most recently used project files, slot 0 the most recent, and the
// File menu items that show them.
#pragma once

#include <array>
#include <string>

#include "store/Settings.h"
#include "ui/MainFormControls.h"

namespace kestrova {

using RecentFileSlots = std::array<std::string, kRecentFileSlots>;

// Puts `path` at the top: nothing changes when slot 0 holds it already; a
// later slot holding it gives it up (the slots after it move up), then every
// slot moves one down (the oldest drops out) and `path` takes slot 0.
void NewMenuFilenameToAdd(RecentFileSlots& files, const std::string& path);

// Tidies the slots (trimmed; empty ones closed up to the end) and rebuilds the
// menu: item i reads "&i <path>" and shows only when its slot is filled; the
// separator shows when any item does.
void FixnDisplayMenuFiles(RecentFileSlots& files, std::array<MenuItem, kRecentFileSlots>& items,
                          MenuItem& separator);

}  // namespace kestrova

#include "app/RecentFiles.h"

#include <algorithm>

#include "base/Text.h"

namespace kestrova {

void NewMenuFilenameToAdd(RecentFileSlots& files, const std::string& path) {
  if (files[0] == path) return;
  const auto held = std::find(files.begin() + 1, files.end(), path);
  if (held != files.end()) {
    std::move(held + 1, files.end(), held);
    files.back().clear();
  }
  std::move_backward(files.begin(), files.end() - 1, files.end());
  files[0] = path;
}

void FixnDisplayMenuFiles(RecentFileSlots& files, std::array<MenuItem, kRecentFileSlots>& items,
                          MenuItem& separator) {
  separator.visible = false;
  for (std::string& file : files) file = TrimSpaces(file);
  // Every empty slot goes to the end, however many lie in a row.
  std::stable_partition(files.begin(), files.end(),
                        [](const std::string& file) { return !file.empty(); });
  for (std::size_t i = 0; i < files.size(); ++i) {
    items[i].caption = "&" + std::to_string(i) + " " + files[i];
    items[i].visible = !files[i].empty();
    separator.visible = separator.visible || items[i].visible;
  }
}

}  // namespace kestrova

// The desktop's own association of project files: the extension's MIME type
// made to open with the program's desktop entry, written and read through
// xdg-mime, so it holds under every freedesktop desktop. xdg-mime keeps it in
// $XDG_CONFIG_HOME/mimeapps.list and finds desktop entries through
// $XDG_DATA_HOME and $XDG_DATA_DIRS; tests point those at temporary folders.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Process.h"
#include "store/FileAssociation.h"
#include "store/Settings.h"

namespace kestrova {

inline constexpr const char* kProjectMimeType = "application/x-kestrova-project";
inline constexpr const char* kDesktopEntrySuffix = ".desktop";

class XdgFileAssociation final : public FileAssociation {
 public:
  // `environment` changes are applied to every xdg-mime run; `xdgMime` is the
  // program to run.
  explicit XdgFileAssociation(std::vector<EnvironmentChange> environment = {},
                              std::string xdgMime = "xdg-mime");

  // The desktop entry that opens the extension's MIME type, as a progId
  // ("kestrova.desktop" is "kestrova"); a type nobody opens yet is given to
  // `progId`. Empty when the extension has no known MIME type or xdg-mime
  // cannot answer.
  std::string GetFileTypeOwner(std::string_view progId, std::string_view extension) override;
  // Makes `progId`'s desktop entry the default for the extension's MIME type.
  // The entry's own Exec line opens the files, so `command` is not needed.
  bool AssociateFileType(std::string_view progId, std::string_view extension,
                         std::string_view command) override;

 private:
  std::vector<EnvironmentChange> environment_;
  std::string xdgMime_;
};

// The MIME type of a file extension (with or without its "."); empty when the
// extension is not one of the program's.
std::string MimeTypeOfExtension(std::string_view extension);

// The association the program should use: the desktop's when the program runs
// from an installed tree (its desktop entry in share/applications beside its
// bin/ folder) and xdg-mime is there, otherwise the settings store's.
std::unique_ptr<FileAssociation> ChooseFileAssociation(SettingsStore& store,
                                                       const std::string& programPath,
                                                       std::string_view progId = "kestrova");

}  // namespace kestrova

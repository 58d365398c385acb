// Which program opens project files, behind one seam: the settings store's
// classes root as the program has always kept it, and (installed with the
// program) the desktop's own MIME association. Tests use the store's, or a
// desktop association pointed at a temporary data folder, and never touch
// the person's desktop.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

class SettingsStore;

class FileAssociation {
 public:
  virtual ~FileAssociation() = default;

  // The owner of `extension` (with or without its "."); an extension that has
  // none is given to `progId` on the way.
  virtual std::string GetFileTypeOwner(std::string_view progId, std::string_view extension) = 0;
  // Makes `progId` the owner of `extension`, opened by `command`; false when
  // that could not be written.
  virtual bool AssociateFileType(std::string_view progId, std::string_view extension,
                                 std::string_view command) = 0;
};

// The association kept in the settings store's classes root.
class StoreFileAssociation final : public FileAssociation {
 public:
  explicit StoreFileAssociation(SettingsStore& store) : store_(store) {}
  std::string GetFileTypeOwner(std::string_view progId, std::string_view extension) override;
  bool AssociateFileType(std::string_view progId, std::string_view extension,
                         std::string_view command) override;

 private:
  SettingsStore& store_;
};

}  // namespace kestrova

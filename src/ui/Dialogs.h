// Everything the program asks of a person or of the desktop: the core's
// messages (Messenger) plus the file and folder choosers and the desktop's
// default handlers for web addresses and files. The Qt window implements it
// with real dialogs, the command line answers from its flags, and tests
// script the answers and record the calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/Messenger.h"

namespace kestrova {

// What a file dialog starts with.
struct FileDialogSetup {
  std::string title;
  std::string filter;            // "*.rnk"
  std::string directory;         // the folder it opens in
  std::string fileName;          // the name it proposes; may be empty
  std::string defaultExtension;  // "rnk": added to a name typed without one
};

// What came of a file dialog: the chosen path, or none when the person
// cancelled (error 0) or the dialog itself failed (its error number).
struct FileDialogAnswer {
  std::optional<std::string> path;
  int error = 0;
};

class Dialogs : public Messenger {
 public:
  virtual FileDialogAnswer ChooseOpenFile(const FileDialogSetup& setup) = 0;
  virtual FileDialogAnswer ChooseSaveFile(const FileDialogSetup& setup) = 0;
  // The folder chooser; nothing when the person cancels.
  virtual std::optional<std::string> ChooseDirectory(std::string_view title,
                                                     std::string_view start) = 0;
  // Opens a web address in the default browser, or a local file with its handler.
  virtual void OpenUrl(std::string_view url) = 0;
  virtual void OpenFile(std::string_view path) = 0;
};

}  // namespace kestrova

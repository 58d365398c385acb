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

class Dialogs : public Messenger {
 public:
  // File dialogs; nothing when the person cancels.
  virtual std::optional<std::string> ChooseOpenFile(std::string_view title,
                                                    std::string_view filter) = 0;
  virtual std::optional<std::string> ChooseSaveFile(std::string_view title, std::string_view filter,
                                                    std::string_view suggestedName) = 0;
  virtual std::optional<std::string> ChooseDirectory(std::string_view title,
                                                     std::string_view start) = 0;
  // Opens a web address in the default browser, or a local file with its handler.
  virtual void OpenUrl(std::string_view url) = 0;
  virtual void OpenFile(std::string_view path) = 0;
};

}  // namespace kestrova

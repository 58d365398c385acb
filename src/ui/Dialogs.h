// Everything the program asks of a person or of the desktop, behind one seam:
// the Qt window implements it with real dialogs, the command line answers from
// its flags, and tests script the answers and record the calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Stop, Question, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A message box; text and title are single-byte (Windows-1252) text.
  virtual MessageAnswer ShowMessage(std::string_view text, std::string_view title,
                                    MessageButtons buttons, MessageIcon icon) = 0;
  // File dialogs; nothing when the person cancels.
  virtual std::optional<std::string> ChooseOpenFile(std::string_view title,
                                                    std::string_view filter) = 0;
  virtual std::optional<std::string> ChooseSaveFile(std::string_view title,
                                                    std::string_view filter,
                                                    std::string_view suggestedName) = 0;
  virtual std::optional<std::string> ChooseDirectory(std::string_view title,
                                                     std::string_view start) = 0;
  // Opens a web address in the default browser, or a local file with its handler.
  virtual void OpenUrl(std::string_view url) = 0;
  virtual void OpenFile(std::string_view path) = 0;
  // The busy pointer on or off (the nesting count lives with the caller).
  virtual void SetBusy(bool busy) = 0;
  // Lets the event loop run, so a window stays live and Stop can be pressed.
  virtual void Yield() = 0;
};

}  // namespace kestrova

// How the core speaks to the person while it works: a message box, the busy
// pointer, and a moment for the event loop so a window stays live and Stop
// can be pressed. Front ends implement it; tests script it.
#pragma once

#include <string_view>

namespace kestrova {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Stop, Question, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class Messenger {
 public:
  virtual ~Messenger() = default;

  // A message box; text and title are single-byte (Windows-1252) text.
  virtual MessageAnswer ShowMessage(std::string_view text, std::string_view title,
                                    MessageButtons buttons, MessageIcon icon) = 0;
  // The busy pointer on or off (the nesting count lives with the caller).
  virtual void SetBusy(bool busy) = 0;
  // Lets the event loop run, so a window stays live and Stop can be pressed.
  virtual void Yield() = 0;
};

}  // namespace kestrova

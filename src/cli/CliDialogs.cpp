#include "cli/CliDialogs.h"

#include <signal.h>
#include <unistd.h>

#include <ostream>

#include "base/Text.h"
#include "cli/Command.h"

namespace kestrova::cli {
namespace {

volatile sig_atomic_t interruptCount = 0;
struct sigaction previousAction {};

extern "C" void CountInterrupt(int) {
  if (interruptCount >= 1) _exit(kExitStopped);  // the second Ctrl+C: out at once
  interruptCount = interruptCount + 1;
}

const char* ButtonsHint(MessageButtons buttons, bool yes) {
  switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
      return yes ? " [answered Yes]" : " [answered No; --yes answers Yes]";
    default:
      return "";
  }
}

}  // namespace

CliDialogs::CliDialogs(std::ostream& err, std::string commandName, bool answerYes)
    : err_(err), commandName_(std::move(commandName)), answerYes_(answerYes) {}

bool CliDialogs::Interrupted() const {
  return interruptCount > 0;
}

MessageAnswer CliDialogs::ShowMessage(std::string_view text, std::string_view,
                                      MessageButtons buttons, MessageIcon) {
  const bool question = buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel;
  if (question && quietYes_) return MessageAnswer::Yes;
  // Message boxes break lines with CR LF; a terminal wants LF alone.
  const std::string lines = ReplaceAll(text, "\r\n", "\n");
  err_ << "kestrova-cli " << commandName_ << ": " << TerminalText(lines)
       << ButtonsHint(buttons, answerYes_) << "\n";
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      return MessageAnswer::Ok;
    default:
      return answerYes_ ? MessageAnswer::Yes : MessageAnswer::No;
  }
}

void CliDialogs::Yield() {
  if (interruptCount > handledInterrupts_) {
    handledInterrupts_ = interruptCount;
    if (stop_) stop_();
  }
}

InterruptAsStop::InterruptAsStop() {
  interruptCount = 0;
  struct sigaction action {};
  action.sa_handler = CountInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previousAction);
}

InterruptAsStop::~InterruptAsStop() {
  sigaction(SIGINT, &previousAction, nullptr);
}

}  // namespace kestrova::cli

// A Messenger double: answers message boxes from a script, records every call.
// ScriptedDialogs (support/ScriptedDialogs.h) adds the file choosers and the
// desktop handlers for tests above the core.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/Messenger.h"

namespace kestrova::test {

struct RecordedMessage {
  std::string text, title;
  MessageButtons buttons;
  MessageIcon icon;
};

template <class Seam>
class ScriptedMessages : public Seam {
 public:
  // Answers given in order; when they run out, Ok/Yes is answered.
  std::deque<MessageAnswer> answers;
  std::vector<RecordedMessage> messages;
  int busyCalls = 0, yields = 0;
  std::function<void()> onYield;  // e.g. press Stop after N yields

  MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageButtons buttons,
                            MessageIcon icon) override {
    messages.push_back({std::string(text), std::string(title), buttons, icon});
    if (!answers.empty()) {
      auto answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
               ? MessageAnswer::Yes
               : MessageAnswer::Ok;
  }
  void SetBusy(bool) override { ++busyCalls; }
  void Yield() override {
    ++yields;
    if (onYield) onYield();
  }
};

using ScriptedMessenger = ScriptedMessages<Messenger>;

}  // namespace kestrova::test

// A Dialogs double: answers message boxes from a script, records every call.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/Dialogs.h"

namespace kestrova::test {

struct RecordedMessage {
  std::string text, title;
  MessageButtons buttons;
  MessageIcon icon;
};

class ScriptedDialogs : public Dialogs {
 public:
  // Answers given in order; when they run out, Ok/Yes is answered.
  std::deque<MessageAnswer> answers;
  std::vector<RecordedMessage> messages;
  std::vector<std::string> openedUrls, openedFiles;
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
  // File and folder choices are always cancelled.
  std::optional<std::string> ChooseOpenFile(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseSaveFile(std::string_view, std::string_view,
                                            std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseDirectory(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  void OpenUrl(std::string_view url) override { openedUrls.emplace_back(url); }
  void OpenFile(std::string_view path) override { openedFiles.emplace_back(path); }
  void SetBusy(bool) override { ++busyCalls; }
  void Yield() override {
    ++yields;
    if (onYield) onYield();
  }
};

}  // namespace kestrova::test

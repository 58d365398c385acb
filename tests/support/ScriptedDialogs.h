// A Dialogs double: the scripted messages, file and folder choices that are
// always cancelled, and a record of every URL and file opened.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "support/ScriptedMessenger.h"
#include "ui/Dialogs.h"

namespace kestrova::test {

class ScriptedDialogs : public ScriptedMessages<Dialogs> {
 public:
  std::vector<std::string> openedUrls, openedFiles;

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
};

}  // namespace kestrova::test

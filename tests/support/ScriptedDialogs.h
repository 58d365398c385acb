// A Dialogs double: the scripted messages, file and folder dialogs answered
// from scripts (cancelled when they run out), and a record of every file
// dialog, URL and file opened.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "support/ScriptedMessenger.h"
#include "ui/Dialogs.h"

namespace kestrova::test {

struct RecordedFileDialog {
  bool save = false;
  FileDialogSetup setup;
};

class ScriptedDialogs : public ScriptedMessages<Dialogs> {
 public:
  // Answers of the open and save dialogs, in order.
  std::deque<FileDialogAnswer> fileAnswers;
  std::vector<RecordedFileDialog> fileDialogs;
  // Answers of the folder chooser, in order.
  std::deque<std::optional<std::string>> folderAnswers;
  std::vector<std::string> openedUrls, openedFiles;

  // Scripts the next file dialog to choose `path`.
  void ChooseNext(const std::string& path) { fileAnswers.push_back({path}); }

  FileDialogAnswer ChooseOpenFile(const FileDialogSetup& setup) override {
    return Answer(false, setup);
  }
  FileDialogAnswer ChooseSaveFile(const FileDialogSetup& setup) override {
    return Answer(true, setup);
  }
  std::optional<std::string> ChooseDirectory(std::string_view, std::string_view) override {
    if (folderAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
  }
  void OpenUrl(std::string_view url) override { openedUrls.emplace_back(url); }
  void OpenFile(std::string_view path) override { openedFiles.emplace_back(path); }

 private:
  FileDialogAnswer Answer(bool save, const FileDialogSetup& setup) {
    fileDialogs.push_back({save, setup});
    if (fileAnswers.empty()) return {};
    FileDialogAnswer answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
  }
};

}  // namespace kestrova::test

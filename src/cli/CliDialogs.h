// The command line's answers to the program's questions: every message goes to
// stderr, questions are answered Yes with --yes and refused otherwise. Its Yield
// is where Ctrl+C becomes the Stop action; a second Ctrl+C ends the process.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "ui/Dialogs.h"

namespace kestrova::cli {

class CliDialogs final : public Dialogs {
 public:
  CliDialogs(std::ostream& err, std::string commandName, bool answerYes);

  // What Ctrl+C does, run from the next Yield after it was pressed.
  void SetStopAction(std::function<void()> stop) { stop_ = std::move(stop); }
  bool Interrupted() const;
  // For a command whose arguments already say Yes (keywords --delete,
  // clear-rankings): every question is answered Yes without being printed.
  void AnswerQuestionsYesQuietly() { answerYes_ = quietYes_ = true; }

  MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageButtons buttons,
                            MessageIcon icon) override;
  // Nobody to choose: every file dialog is cancelled.
  FileDialogAnswer ChooseOpenFile(const FileDialogSetup&) override { return {}; }
  FileDialogAnswer ChooseSaveFile(const FileDialogSetup&) override { return {}; }
  std::optional<std::string> ChooseDirectory(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  void OpenUrl(std::string_view) override {}
  void OpenFile(std::string_view) override {}
  void SetBusy(bool) override {}
  void Yield() override;

 private:
  std::ostream& err_;
  std::string commandName_;
  bool answerYes_;
  bool quietYes_ = false;
  std::function<void()> stop_;
  int handledInterrupts_ = 0;
};

// While alive, Ctrl+C is counted for CliDialogs instead of ending the process;
// the second one ends it at once with exit code 130.
class InterruptAsStop {
 public:
  InterruptAsStop();
  ~InterruptAsStop();
  InterruptAsStop(const InterruptAsStop&) = delete;
  InterruptAsStop& operator=(const InterruptAsStop&) = delete;
};

}  // namespace kestrova::cli

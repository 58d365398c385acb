// The window's Dialogs: Qt message boxes and file dialogs, the desktop's default
// handlers for URLs and files, the override cursor as the busy pointer, and
// processEvents as the yield that keeps the window live during a run.
#pragma once

#include "ui/Dialogs.h"

class QWidget;

namespace kestrova {

class QtDialogs final : public Dialogs {
 public:
  // `parent` owns the dialogs on screen; it may be set after construction.
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageButtons buttons,
                            MessageIcon icon) override;
  FileDialogAnswer ChooseOpenFile(const FileDialogSetup& setup) override;
  FileDialogAnswer ChooseSaveFile(const FileDialogSetup& setup) override;
  std::optional<std::string> ChooseDirectory(std::string_view title,
                                             std::string_view start) override;
  void OpenUrl(std::string_view url) override;
  void OpenFile(std::string_view path) override;
  void SetBusy(bool busy) override;
  void Yield() override;

 private:
  QWidget* parent_;
  bool busy_ = false;
};

}  // namespace kestrova

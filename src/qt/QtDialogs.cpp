#include "qt/QtDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "qt/QtText.h"

namespace kestrova {
namespace {

QMessageBox::StandardButtons ButtonsFor(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconFor(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

MessageAnswer AnswerFor(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    default:
      return MessageAnswer::Cancel;  // Escape and the close button cancel
  }
}

std::optional<std::string> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return FromQt(path);
}

// A file dialog in Qt's own look (the platform's where it has one), opening in
// the set-up's folder with its proposed name.
FileDialogAnswer RunFileDialog(QWidget* parent, const FileDialogSetup& setup,
                               QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, ToQt(setup.title), ToQt(setup.directory), ToQt(setup.filter));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(ToQt(setup.defaultExtension));
  if (!setup.fileName.empty()) dialog.selectFile(ToQt(setup.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {Chosen(dialog.selectedFiles().constFirst())};
}

}  // namespace

MessageAnswer QtDialogs::ShowMessage(std::string_view text, std::string_view title,
                                     MessageButtons buttons, MessageIcon icon) {
  QMessageBox box(IconFor(icon), ToQt(title), ToQt(text), ButtonsFor(buttons), parent_);
  // The busy pointer must not hide the arrow while a question waits.
  if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = box.exec();
  if (busy_) QApplication::restoreOverrideCursor();
  return AnswerFor(answer);
}

FileDialogAnswer QtDialogs::ChooseOpenFile(const FileDialogSetup& setup) {
  return RunFileDialog(parent_, setup, QFileDialog::AcceptOpen);
}

FileDialogAnswer QtDialogs::ChooseSaveFile(const FileDialogSetup& setup) {
  return RunFileDialog(parent_, setup, QFileDialog::AcceptSave);
}

std::optional<std::string> QtDialogs::ChooseDirectory(std::string_view title,
                                                      std::string_view start) {
  return Chosen(QFileDialog::getExistingDirectory(parent_, ToQt(title), ToQt(start)));
}

void QtDialogs::OpenUrl(std::string_view url) {
  QDesktopServices::openUrl(QUrl(ToQt(url)));
}

void QtDialogs::OpenFile(std::string_view path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(path)));
}

void QtDialogs::SetBusy(bool busy) {
  if (busy == busy_) return;  // the caller keeps the nesting count
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtDialogs::Yield() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace kestrova

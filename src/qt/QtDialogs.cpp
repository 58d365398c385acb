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

std::optional<std::string> QtDialogs::ChooseOpenFile(std::string_view title,
                                                     std::string_view filter) {
  return Chosen(QFileDialog::getOpenFileName(parent_, ToQt(title), {}, ToQt(filter)));
}

std::optional<std::string> QtDialogs::ChooseSaveFile(std::string_view title,
                                                     std::string_view filter,
                                                     std::string_view suggestedName) {
  return Chosen(
      QFileDialog::getSaveFileName(parent_, ToQt(title), ToQt(suggestedName), ToQt(filter)));
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

// Mirroring: the form model's controls are drawn into the widgets, and the
// person's edits are taken back into the form model, which marks the change.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include "base/Text.h"
#include "qt/GridTableModel.h"
#include "qt/MainWindow.h"
#include "qt/QtText.h"
#include "qt/SettingsDialog.h"
#include "qt/WidgetSync.h"
#include "qt/WindowTexts.h"

namespace kestrova {
namespace {

// The keyword text holds its lines apart with CR LF; the edit widget with LF.
QString KeywordLinesToQt(const std::string& text) {
  return ToQt(ReplaceAll(text, "\r\n", "\n"));
}
std::string KeywordLinesFromQt(const QString& text) {
  return ReplaceAll(FromQt(text), "\n", "\r\n");
}

}  // namespace

void MainWindow::ShowForm() {
  syncing_ = true;
  ShowText(*txtDomain_, form_.txtDomain.text);
  const QString keywordLines = KeywordLinesToQt(form_.txtKeywords.text);
  if (txtKeywords_->toPlainText() != keywordLines) txtKeywords_->setPlainText(keywordLines);
  ShowLists();
  const ComboBox& box = form_.cmbKeyWords[kKeywordBox];
  ShowItems(*cmbKeyWords_, box.items.Items(), box.listIndex);
  if (box.listIndex < 0) {
    // "(none)" is the box's word for an empty list, not a keyword to add.
    const bool none = box.text == kNoProjectFile;
    cmbKeyWords_->setEditText(none ? QString() : ToQt(box.text));
    cmbKeyWords_->lineEdit()->setPlaceholderText(ToQt(kNoProjectFile));
  }
  lblLastRun_->setText(form_.lblLastRun.caption.empty()
                           ? QString(texts::kNeverRunCaption)
                           : texts::kLastRunPrefix + ToQt(form_.lblLastRun.caption));
  for (int i = 0; i < kRecentFileSlots; ++i) {
    mnuFileName_[i]->setText(ToQt(form_.mnuFileName[i].caption));
    mnuFileName_[i]->setVisible(form_.mnuFileName[i].visible);
  }
  mnuFileSeparator_->setVisible(form_.mnuFileSeparator.visible);
  ShowStatusBar();
  grids_->setCurrentWidget(form_.rankingGridVisible ? rankingView_ : topUrlsView_);
  rankingModel_->Refresh();
  topUrlsModel_->Refresh();
  rankButton_->setText(ToQt(form_.rankCaption));
  for (QWidget* input :
       std::initializer_list<QWidget*>{txtDomain_, txtKeywords_, lstSites_[0], lstSites_[1]}) {
    input->setEnabled(!form_.running);
  }
  ShowRunState();
  if (settings_ != nullptr && settings_->isVisible()) settings_->ShowFields();
  setWindowTitle(ToQt(form_.caption));
  ApplyFocus();
  syncing_ = false;
}

void MainWindow::ShowLists() {
  for (int i = 0; i < 2; ++i) {
    ShowItems(*lstSites_[i], form_.lstSites[i].items, form_.lstSites[i].listIndex);
  }
}

void MainWindow::ShowStatusBar() {
  for (size_t i = 0; i < sbStatusBar_.size(); ++i) {
    sbStatusBar_[i]->setText(ToQt(form_.sbStatusBar[i]));
  }
}

void MainWindow::ApplyFocus() {
  QWidget* target = nullptr;
  switch (form_.focus) {
    case FormFocus::None:
      return;
    case FormFocus::Domain:
      target = txtDomain_;
      break;
    case FormFocus::KeywordBox:
      target = cmbKeyWords_;
      break;
    case FormFocus::KeywordLines:
      target = txtKeywords_;
      break;
    case FormFocus::ReportDirectory:
      // The field is in the settings: they come into view with it.
      form_.focus = FormFocus::None;
      OpenSettings().FocusReportDirectory();
      return;
    case FormFocus::Engines:
      target = lstSites_[kAllSites];
      break;
    case FormFocus::VisibleGrid:
      target = grids_->currentWidget();
      break;
  }
  form_.focus = FormFocus::None;
  if (target != nullptr) target->setFocus();
}

void MainWindow::ConnectEdits() {
  // Each edit goes into its field of the form model, which marks the change.
  auto edited = [this](TextBox& field, std::string text) {
    if (syncing_) return;
    field.text = std::move(text);
    form_.MarkModified();
    setWindowTitle(ToQt(form_.caption));
  };
  for (auto [widget, field] : {std::pair{txtDomain_, &form_.txtDomain}}) {
    connect(widget, &QLineEdit::textEdited, this,
            [edited, field = field](const QString& text) { edited(*field, FromQt(text)); });
  }
  connect(cmbKeyWords_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (!syncing_) form_.cmbKeyWords[kKeywordBox].text = FromQt(text);
  });
  connect(txtKeywords_, &QPlainTextEdit::textChanged, this, [this, edited] {
    edited(form_.txtKeywords, KeywordLinesFromQt(txtKeywords_->toPlainText()));
  });
  for (int i = 0; i < 2; ++i) {
    connect(lstSites_[i], &QListWidget::currentRowChanged, this, [this, i](int row) {
      if (!syncing_) form_.lstSites[i].listIndex = row;
    });
    connect(lstSites_[i], &QListWidget::itemDoubleClicked, this,
            [this, i] { Do([this, i] { form_.lstSites_DblClick(i); }); });
  }
  connect(grids_, &QTabWidget::currentChanged, this, [this] {
    if (!syncing_) form_.rankingGridVisible = grids_->currentWidget() == rankingView_;
  });
}

}  // namespace kestrova

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

namespace kestrova {
namespace {

// The keyword text holds its lines apart with CR LF; the edit widget with LF.
QString KeywordLinesToQt(const std::string& text) {
  return ToQt(ReplaceAll(text, "\r\n", "\n"));
}
std::string KeywordLinesFromQt(const QString& text) {
  return ReplaceAll(FromQt(text), "\n", "\r\n");
}

// Only a text that differs is set, so the cursor of a field being typed in stays put.
void ShowText(QLineEdit& widget, const std::string& text) {
  const QString shown = ToQt(text);
  if (widget.text() != shown) widget.setText(shown);
}

void ShowList(QListWidget& widget, const ListBox& box) {
  widget.clear();
  for (const std::string& item : box.items) widget.addItem(ToQt(item));
  widget.setCurrentRow(box.listIndex);
}

}  // namespace

void MainWindow::ShowForm() {
  syncing_ = true;
  ShowText(*txtDomain_, form_.txtDomain.text);
  const QString keywordLines = KeywordLinesToQt(form_.txtKeywords.text);
  if (txtKeywords_->toPlainText() != keywordLines) txtKeywords_->setPlainText(keywordLines);
  ShowText(*txtTimeOut_, form_.txtTimeOut.text);
  ShowText(*txtKeywordDepth_, form_.txtKeywordDepth.text);
  ShowText(*txtReportDirectory_, form_.txtReportDirectory.text);
  ShowLists();
  const ComboBox& box = form_.cmbKeyWords[kKeywordBox];
  cmbKeyWords_->clear();
  for (const std::string& item : box.items) cmbKeyWords_->addItem(ToQt(item));
  cmbKeyWords_->setCurrentIndex(box.listIndex);
  if (box.listIndex < 0) cmbKeyWords_->setPlaceholderText(ToQt(box.text));
  for (int i = 0; i < kRecentFileSlots; ++i) {
    mnuFileName_[i]->setText(ToQt(form_.mnuFileName[i].caption));
    mnuFileName_[i]->setVisible(form_.mnuFileName[i].visible);
  }
  mnuFileSeparator_->setVisible(form_.mnuFileSeparator.visible);
  ShowStatusBar();
  grids_->setCurrentWidget(form_.rankingGridVisible ? rankingView_ : topUrlsView_);
  rankingModel_->Refresh();
  topUrlsModel_->Refresh();
  // During a run only the Rank button (now Stop) takes input.
  rankButton_->setText(ToQt(form_.rankCaption));
  for (QWidget* input : std::initializer_list<QWidget*>{txtDomain_, txtKeywords_, txtTimeOut_,
                                                        txtKeywordDepth_, txtReportDirectory_,
                                                        lstSites_[0], lstSites_[1], menuBar()}) {
    input->setEnabled(!form_.running);
  }
  setWindowTitle(ToQt(form_.caption));
  ApplyFocus();
  syncing_ = false;
}

void MainWindow::ShowLists() {
  for (int i = 0; i < 2; ++i) ShowList(*lstSites_[i], form_.lstSites[i]);
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
      target = txtReportDirectory_;
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
  for (auto [widget, field] :
       {std::pair{txtDomain_, &form_.txtDomain}, std::pair{txtTimeOut_, &form_.txtTimeOut},
        std::pair{txtKeywordDepth_, &form_.txtKeywordDepth},
        std::pair{txtReportDirectory_, &form_.txtReportDirectory}}) {
    connect(widget, &QLineEdit::textEdited, this,
            [edited, field = field](const QString& text) { edited(*field, FromQt(text)); });
  }
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

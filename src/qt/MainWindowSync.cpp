// Mirroring: the form model's controls are drawn into the widgets, and the
// person's edits are taken back into the form model, which marks the change.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <algorithm>

#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "qt/GridTableModel.h"
#include "qt/MainWindow.h"
#include "qt/QtDialogs.h"
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

void ShowList(QListWidget& widget, const ListBox& box) {
  widget.clear();
  for (const std::string& item : box.items) widget.addItem(ToQt(item));
  widget.setCurrentRow(box.listIndex);
}

}  // namespace

void MainWindow::ShowForm() {
  syncing_ = true;
  txtDomain_->setText(ToQt(form_.txtDomain.text));
  txtKeywords_->setPlainText(KeywordLinesToQt(form_.txtKeywords.text));
  txtTimeOut_->setText(ToQt(form_.txtTimeOut.text));
  txtKeywordDepth_->setText(ToQt(form_.txtKeywordDepth.text));
  txtReportDirectory_->setText(ToQt(form_.txtReportDirectory.text));
  for (int i = 0; i < 2; ++i) ShowList(*lstSites_[i], form_.lstSites[i]);
  const ComboBox& box = form_.cmbKeyWords[kKeywordBox];
  cmbKeyWords_->clear();
  for (const std::string& item : box.items) cmbKeyWords_->addItem(ToQt(item));
  cmbKeyWords_->setCurrentIndex(box.listIndex);
  if (box.listIndex < 0) cmbKeyWords_->setPlaceholderText(ToQt(box.text));
  for (size_t i = 0; i < sbStatusBar_.size(); ++i) {
    sbStatusBar_[i]->setText(ToQt(form_.sbStatusBar[i]));
  }
  rankingModel_->Refresh();
  topUrlsModel_->Refresh();
  ShowCaption();
  syncing_ = false;
}

void MainWindow::ShowCaption() {
  setWindowTitle(ToQt(form_.caption));
}

void MainWindow::TakeEdits() {
  form_.txtDomain.text = FromQt(txtDomain_->text());
  form_.txtKeywords.text = KeywordLinesFromQt(txtKeywords_->toPlainText());
  form_.txtTimeOut.text = FromQt(txtTimeOut_->text());
  form_.txtKeywordDepth.text = FromQt(txtKeywordDepth_->text());
  form_.txtReportDirectory.text = FromQt(txtReportDirectory_->text());
}

void MainWindow::Edited() {
  if (syncing_) return;
  TakeEdits();
  form_.MarkModified();
  ShowCaption();
}

void MainWindow::ConnectEdits() {
  for (QLineEdit* field : {txtDomain_, txtTimeOut_, txtKeywordDepth_, txtReportDirectory_}) {
    connect(field, &QLineEdit::textEdited, this, [this] { Edited(); });
  }
  connect(txtKeywords_, &QPlainTextEdit::textChanged, this, [this] { Edited(); });
  for (int i = 0; i < 2; ++i) {
    connect(lstSites_[i], &QListWidget::currentRowChanged, this, [this, i](int row) {
      if (!syncing_) form_.lstSites[i].listIndex = row;
    });
    // A double click moves the name to the other list.
    connect(lstSites_[i], &QListWidget::itemDoubleClicked, this,
            [this, i] { MoveEngines(i, 1 - i, false); });
  }
  connect(topUrlsView_, &QTableView::clicked, this, [this](const QModelIndex& index) {
    topUrls_.View().SetCurrentCol(index.column());
    topUrls_.View().SetCurrentRow(index.row() + 1);
    topUrls_.ClickCurrentCell();
    form_.lblNumTotal.caption = topUrls_.CountText();
    topUrlsModel_->Refresh();
  });
  connect(topUrlsView_, &QTableView::doubleClicked, this,
          [this] { topUrls_.DoubleClick(dialogs_); });
  connect(rankingView_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    const ui::GridCellRef cell{index.row() + 1, index.column()};
    if (auto hint = ranking_.DoubleClick(cell, project_, selected_, dialogs_)) {
      sbStatusBar_[2]->setText(ToQt(*hint));
    }
  });
}

void MainWindow::LoadKeywordCombos(const std::string& lastKeyword) {
  ComboBox& box = form_.cmbKeyWords[kKeywordBox];
  box.items = RankingKeywords(project_);
  box.listIndex = -1;
  box.text = std::string(kNoProjectFile);
  if (!box.items.empty()) {
    const auto found = std::find(box.items.begin(), box.items.end(), lastKeyword);
    box.listIndex = found == box.items.end() ? 0 : static_cast<int>(found - box.items.begin());
  }
  SelectKeyword(box.listIndex);
}

void MainWindow::SelectKeyword(int index) {
  ComboBox& box = form_.cmbKeyWords[kKeywordBox];
  if (index < 0 || index >= static_cast<int>(box.items.size())) {
    box.listIndex = -1;
    selected_.reset();
  } else {
    box.listIndex = index;
    box.text = box.items[index];
    selected_ = box.text;
  }
  ranking_.DisplayRankingData(project_, selected_);
  topUrls_.DisplayTopUrlsData(project_, selected_);
  rankingModel_->Refresh();
  topUrlsModel_->Refresh();
}

void MainWindow::MoveEngines(int from, int to, bool all) {
  ListBox& source = form_.lstSites[from];
  ListBox& target = form_.lstSites[to];
  if (all) {
    if (source.items.empty()) return;
    if (from == kAllSites) {
      target.items.insert(target.items.end(), source.items.begin(), source.items.end());
      source.items.clear();
    } else {
      // Back to all: every catalogue engine is offered again, even a missing one.
      ProjectState lists;
      lists.AvailableEngines = target.items;
      SyncEngineLists(lists, form_.catalogue);
      target.items = lists.AvailableEngines;
      source.items.clear();
    }
  } else {
    const int row = lstSites_[from]->currentRow();
    if (row < 0 || row >= static_cast<int>(source.items.size())) return;
    target.items.push_back(source.items[row]);
    source.items.erase(source.items.begin() + row);
  }
  source.listIndex = target.listIndex = -1;
  syncing_ = true;
  ShowList(*lstSites_[from], source);
  ShowList(*lstSites_[to], target);
  syncing_ = false;
  form_.MarkModified();
  ShowCaption();
}

}  // namespace kestrova

// The main window's widgets and their places: the project's fields and the
// engine lists on the left, the two grids on the right, the status bar below.
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "qt/GridButtons.h"
#include "qt/GridTableModel.h"
#include "qt/HistoryWindow.h"
#include "qt/MainWindow.h"
#include "qt/QtText.h"
#include "qt/ReportsMenu.h"

namespace kestrova {
namespace {

QPushButton* SmallButton(const char* text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setFixedWidth(36);
  return button;
}

}  // namespace

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&New", QKeySequence::New, this,
                  [this] { Do([this] { app_.mnuFileNew_Click(); }); });
  file->addAction("&Open...", QKeySequence::Open, this,
                  [this] { Do([this] { app_.mnuFileOpen_Click(); }); });
  file->addAction("&Save", QKeySequence::Save, this,
                  [this] { Do([this] { app_.mnuFileSave_Click(); }); });
  file->addAction("Save &As...", QKeySequence::SaveAs, this,
                  [this] { Do([this] { app_.mnuFileSaveAs_Click(); }); });
  mnuFileSeparator_ = file->addSeparator();
  for (int i = 0; i < kRecentFileSlots; ++i) {
    mnuFileName_[i] = file->addAction(QString(), this,
                                      [this, i] { Do([this, i] { app_.mnuFileName_Click(i); }); });
  }
  file->addSeparator();
  file->addAction("E&xit", QKeySequence::Quit, this, [this] {
    Do([this] { app_.mnuFileExit_Click(); });
    close();
  });
  QMenu* view = menuBar()->addMenu("&View");
  view->addAction("&History...", this, [this] {
    ShowHistoryWindow(app_.history.get(), app_.project, form_.selected, app_.dialogs, this);
  });
  AddReportActions(*view, form_, [this] { ShowStatusBar(); });  // grids: the reports
  QMenu* tools = menuBar()->addMenu("&Tools");
  tools->addAction("&Analyze Front Page", this, [this] { AnalyzeClicked(); });
}

QWidget* MainWindow::BuildSidePane() {
  auto* pane = new QWidget(this);
  pane->setMaximumWidth(460);
  auto* layout = new QVBoxLayout(pane);
  auto* fields = new QFormLayout;
  txtDomain_ = new QLineEdit(pane);
  fields->addRow("Domain:", txtDomain_);
  txtKeywords_ = new QPlainTextEdit(pane);
  txtKeywords_->setMaximumHeight(90);
  fields->addRow("Keywords:", txtKeywords_);
  txtTimeOut_ = new QLineEdit(pane);
  fields->addRow("Time-out (s):", txtTimeOut_);
  txtKeywordDepth_ = new QLineEdit(pane);
  fields->addRow("Depth:", txtKeywordDepth_);
  txtReportDirectory_ = new QLineEdit(pane);
  fields->addRow("Reports:", txtReportDirectory_);
  layout->addLayout(fields);

  // The two engine lists with the buttons that move names between them.
  auto* engines = new QHBoxLayout;
  const char* titles[2] = {"All Sites", "Selected Sites"};
  std::array<QVBoxLayout*, 2> columns{};
  for (int i = 0; i < 2; ++i) {
    columns[i] = new QVBoxLayout;
    columns[i]->addWidget(new QLabel(titles[i], pane));
    lstSites_[i] = new QListWidget(pane);
    lstSites_[i]->setMinimumWidth(120);
    columns[i]->addWidget(lstSites_[i]);
  }
  auto* moves = new QVBoxLayout;
  moves->addStretch();
  struct Move {
    const char* text;
    void (MainFormModel::*click)();
  };
  for (const Move& move :
       {Move{">", &MainFormModel::cmdSendOne_Click}, Move{">>", &MainFormModel::cmdSendAll_Click},
        Move{"<", &MainFormModel::cmdBackOne_Click},
        Move{"<<", &MainFormModel::cmdBackAll_Click}}) {
    QPushButton* button = SmallButton(move.text, pane);
    connect(button, &QPushButton::clicked, this,
            [this, move] { Do([this, move] { (form_.*move.click)(); }); });
    moves->addWidget(button);
  }
  moves->addStretch();
  engines->addLayout(columns[0]);
  engines->addLayout(moves);
  engines->addLayout(columns[1]);
  layout->addLayout(engines, 1);

  rankButton_ = new QPushButton(pane);
  rankButton_->setMinimumHeight(32);
  connect(rankButton_, &QPushButton::clicked, this, [this] { RankClicked(); });
  layout->addWidget(rankButton_);
  return pane;
}

QWidget* MainWindow::BuildGridPane() {
  auto* pane = new QWidget(this);
  auto* layout = new QVBoxLayout(pane);
  auto* keywordRow = new QHBoxLayout;
  keywordRow->addWidget(new QLabel("Keyword:", pane));
  cmbKeyWords_ = new QComboBox(pane);
  cmbKeyWords_->setMinimumWidth(220);
  connect(cmbKeyWords_, &QComboBox::activated, this,
          [this](int index) { Do([this, index] { form_.cmbKeyWords_Click(index); }); });
  keywordRow->addWidget(cmbKeyWords_);
  keywordRow->addStretch();
  layout->addLayout(keywordRow);

  rankingModel_ = new GridTableModel(form_.ranking.View(), this);
  topUrlsModel_ = new GridTableModel(form_.topUrls.View(), this);
  grids_ = new QTabWidget(pane);
  // grids: the two grid views, their menu and the buttons beside them.
  const GridViewHooks hooks{[this] { ShowStatusBar(); },
                            [this] {
                              ShowForm();
                              if (closeAfterRun_) close();
                            }};
  auto* rankingView = new RankingGridView(app_, *rankingModel_, hooks, grids_);
  auto* topUrlsView = new TopUrlsGridView(app_, *topUrlsModel_, hooks, grids_);
  rankingView_ = rankingView;
  topUrlsView_ = topUrlsView;
  grids_->setCornerWidget(new GridButtons(form_, *rankingView, *topUrlsView, grids_));
  grids_->addTab(rankingView_, "Ranking");
  grids_->addTab(topUrlsView_, "Top URLs");
  layout->addWidget(grids_, 1);
  return pane;
}

void MainWindow::BuildStatusBar() {
  for (QLabel*& panel : sbStatusBar_) {
    panel = new QLabel(this);
    statusBar()->addWidget(panel, 1);
  }
  progress_ = new QProgressBar(this);
  progress_->setMaximumWidth(260);
  progress_->setTextVisible(true);
  progress_->hide();
  statusBar()->addPermanentWidget(progress_);
}

}  // namespace kestrova

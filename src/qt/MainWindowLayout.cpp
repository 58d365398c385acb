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
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>

#include "qt/GridButtons.h"
#include "qt/GridTableModel.h"
#include "qt/HistoryWindow.h"
#include "qt/MainWindow.h"
#include "qt/QtText.h"
#include "qt/ReportsMenu.h"
#include "qt/RunProgressView.h"
#include "qt/WindowTexts.h"

namespace kestrova {
namespace {

QPushButton* SmallButton(const char* text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setFixedWidth(36);
  return button;
}

}  // namespace

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(texts::kMenuFile);
  idleActions_ = {file->addAction(texts::kMenuNew, QKeySequence::New, this,
                                  [this] { Do([this] { app_.mnuFileNew_Click(); }); }),
                  file->addAction(texts::kMenuOpen, QKeySequence::Open, this,
                                  [this] { Do([this] { app_.mnuFileOpen_Click(); }); }),
                  file->addAction(texts::kMenuSave, QKeySequence::Save, this,
                                  [this] { Do([this] { app_.mnuFileSave_Click(); }); }),
                  file->addAction(texts::kMenuSaveAs, QKeySequence::SaveAs, this,
                                  [this] { Do([this] { app_.mnuFileSaveAs_Click(); }); })};
  file->addSeparator();
  // Clear All Rankings asks first, as the keyword row's Clear All button does.
  idleActions_.push_back(
      file->addAction(texts::kMenuClearAll, this, [this] { keywordButtons_[2]->click(); }));
  mnuFileSeparator_ = file->addSeparator();
  for (int i = 0; i < kRecentFileSlots; ++i) {
    mnuFileName_[i] = file->addAction(QString(), this,
                                      [this, i] { Do([this, i] { app_.mnuFileName_Click(i); }); });
    idleActions_.push_back(mnuFileName_[i]);
  }
  file->addSeparator();
  file->addAction(texts::kMenuExit, QKeySequence::Quit, this, [this] { ExitClicked(); });
  BuildKeywordsMenu();
  BuildRankingMenu();
  QMenu* view = menuBar()->addMenu(texts::kMenuView);
  view->addAction(texts::kMenuRankingGrid, this, [this] {
    form_.rankingGridVisible = true;
    ShowForm();
  });
  view->addAction(texts::kMenuTopUrlsGrid, this, [this] {
    form_.rankingGridVisible = false;
    ShowForm();
  });
  view->addSeparator();
  view->addAction(texts::kMenuHistory, this, [this] {
    ShowHistoryWindow(app_.history.get(), app_.project, form_.selected, app_.dialogs, this);
  });
  AddReportActions(*view, form_, [this] { ShowStatusBar(); });  // the reports
  QMenu* tools = menuBar()->addMenu(texts::kMenuTools);
  tools->addAction(texts::kMenuSettings, QKeySequence::Preferences, this,
                   [this] { OpenSettings(); });
  idleActions_.push_back(tools->addAction(texts::kMenuAnalyze, this, [this] { AnalyzeClicked(); }));
  BuildHelpMenu();
}

QWidget* MainWindow::BuildSidePane() {
  auto* pane = new QWidget(this);
  pane->setMaximumWidth(460);
  auto* layout = new QVBoxLayout(pane);
  auto* fields = new QFormLayout;
  txtDomain_ = new QLineEdit(pane);
  txtDomain_->setObjectName("txtDomain");
  txtDomain_->installEventFilter(this);  // the key refusal while rankings exist
  fields->addRow(texts::kDomainLabel, txtDomain_);
  txtKeywords_ = new QPlainTextEdit(pane);
  txtKeywords_->setObjectName("txtKeywords");
  txtKeywords_->setMaximumHeight(110);
  txtKeywords_->setTabChangesFocus(true);  // keyboard users must be able to leave it
  txtKeywords_->installEventFilter(this);  // Ctrl+Tab types a tab
  auto* keywordsLabel = new QLabel(texts::kKeywordsGroup, pane);
  keywordsLabel->setBuddy(txtKeywords_);  // Alt+E goes to the lines
  fields->addRow(keywordsLabel);
  fields->addRow(txtKeywords_);
  layout->addLayout(fields);

  // The two engine lists with the buttons that move names between them.
  auto* engines = new QHBoxLayout;
  const char* titles[2] = {texts::kAllSites, texts::kSelectedSites};
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
  QWidget* previous = lstSites_[kAllSites];  // Tab: All Sites, the moves, Selected Sites
  struct Move {
    const char* text;
    void (MainFormModel::*click)();
  };
  for (const Move& move :
       {Move{">", &MainFormModel::cmdSendOne_Click}, Move{">>", &MainFormModel::cmdSendAll_Click},
        Move{"<", &MainFormModel::cmdBackOne_Click},
        Move{"<<", &MainFormModel::cmdBackAll_Click}}) {
    QPushButton* button = SmallButton(move.text, pane);
    // std::invoke, not ".*": GCC 12 under the address sanitizer reads the
    // member pointer from outside the copied lambda when it is called directly.
    const auto click = move.click;
    connect(button, &QPushButton::clicked, this,
            [this, click] { Do([this, click] { std::invoke(click, form_); }); });
    moves->addWidget(button);
    setTabOrder(previous, button);
    previous = button;
  }
  setTabOrder(previous, lstSites_[kSelectedSites]);
  moves->addStretch();
  engines->addLayout(columns[0]);
  engines->addLayout(moves);
  engines->addLayout(columns[1]);
  layout->addLayout(engines, 1);

  rankButton_ = new QPushButton(pane);
  rankButton_->setObjectName("vseActionButton");
  rankButton_->setMinimumHeight(32);
  connect(rankButton_, &QPushButton::clicked, this, [this] { RankClicked(); });
  layout->addWidget(rankButton_);
  return pane;
}

QWidget* MainWindow::BuildGridPane() {
  auto* pane = new QWidget(this);
  auto* layout = new QVBoxLayout(pane);
  auto* keywordRow = new QHBoxLayout;
  auto* keywordLabel = new QLabel(texts::kShownKeyword, pane);
  keywordRow->addWidget(keywordLabel);
  cmbKeyWords_ = new QComboBox(pane);
  cmbKeyWords_->setObjectName("cmbKeyWords");
  cmbKeyWords_->setEditable(true);  // the edit text is what Add adds
  cmbKeyWords_->setInsertPolicy(QComboBox::NoInsert);
  cmbKeyWords_->setMinimumWidth(220);
  keywordLabel->setBuddy(cmbKeyWords_);
  connect(cmbKeyWords_, &QComboBox::activated, this,
          [this](int index) { Do([this, index] { form_.cmbKeyWords_Click(index); }); });
  keywordRow->addWidget(cmbKeyWords_, 1);
  const char* buttonNames[3] = {"cmdAddKeyword", "cmdDelKeyword", "cmdClearAllKeywords"};
  const char* captions[3] = {texts::kAddKeyword, texts::kDeleteKeyword, texts::kClearAll};
  for (int i = 0; i < 3; ++i) {
    keywordButtons_[i] = new QPushButton(captions[i], pane);
    keywordButtons_[i]->setObjectName(buttonNames[i]);
    keywordRow->addWidget(keywordButtons_[i]);
  }
  connect(keywordButtons_[0], &QPushButton::clicked, this, [this] {
    // What the person typed in the box is what Add adds.
    form_.cmbKeyWords[kKeywordBox].text = FromQt(cmbKeyWords_->currentText());
    Do([this] { form_.cmdAddKeyword_Click(); });
  });
  connect(cmbKeyWords_->lineEdit(), &QLineEdit::returnPressed, keywordButtons_[0],
          &QPushButton::click);
  connect(keywordButtons_[1], &QPushButton::clicked, this,
          [this] { Do([this] { form_.cmdDelKeyword_Click(); }); });
  connect(keywordButtons_[2], &QPushButton::clicked, this,
          [this] { Do([this] { form_.cmdClearAllKeywords_Click(); }); });
  lblLastRun_ = new QLabel(pane);
  lblLastRun_->setObjectName("lblLastRun");
  keywordRow->addSpacing(12);
  keywordRow->addWidget(lblLastRun_);
  layout->addLayout(keywordRow);
  runProgress_ = new RunProgressView(pane);
  runProgress_->hide();
  layout->addWidget(runProgress_);

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
}

}  // namespace kestrova

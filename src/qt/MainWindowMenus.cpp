// The menus beyond File: the keyword box's actions, the run, and Help; the
// run state of the actions, and the domain box's refusal of keys while
// rankings of that domain exist.
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "qt/MainWindow.h"
#include "qt/QtText.h"
#include "qt/WindowTexts.h"

namespace kestrova {
namespace {

// The character code a key press makes, as the domain box's rule reads it
// (Ctrl+C is 3); 0 for keys that change no text (arrows, Tab, Shift alone).
int TypedCode(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) return 8;
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return 0;
  // Ctrl with a letter is that letter's control code, whatever text came with it.
  if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
    return key.key() - Qt::Key_A + 1;
  }
  const QString text = key.text();
  return text.isEmpty() ? 0 : text.at(0).unicode();
}

}  // namespace

void MainWindow::BuildKeywordsMenu() {
  QMenu* keywords = menuBar()->addMenu(texts::kMenuKeywords);
  idleActions_.push_back(
      keywords->addAction(texts::kMenuAddKeyword, this, [this] { keywordButtons_[0]->click(); }));
  idleActions_.push_back(keywords->addAction(texts::kMenuDeleteKeyword,
                                             QKeySequence(Qt::CTRL | Qt::Key_Delete), this,
                                             [this] { keywordButtons_[1]->click(); }));
}

void MainWindow::BuildRankingMenu() {
  QMenu* ranking = menuBar()->addMenu(texts::kMenuRanking);
  idleActions_.push_back(
      ranking->addAction(texts::kMenuRank, QKeySequence(Qt::Key_F5), this, [this] {
        if (!form_.running) RankClicked();
      }));
  stopAction_ = ranking->addAction(texts::kMenuStop, QKeySequence(Qt::Key_Escape), this, [this] {
    if (form_.running) RankClicked();
  });
  idleActions_.push_back(ranking->addAction(texts::kMenuEngines, this, [this] {
    // With every engine chosen, All Sites is empty and its focus shows nowhere:
    // the choice is then made in Selected Sites.
    const bool allChosen = lstSites_[kAllSites]->count() == 0;
    lstSites_[allChosen ? kSelectedSites : kAllSites]->setFocus();
  }));
}

void MainWindow::BuildHelpMenu() {
  QMenu* help = menuBar()->addMenu(texts::kMenuHelp);
  help->addAction(QString(texts::kMenuAboutPrefix) + ToQt(form_.productName), this, [this] {
    QMessageBox::about(
        this, QString(texts::kMenuAboutPrefix).remove('&') + ToQt(form_.productName),
        ToQt(form_.productName) + " " + kProductVersionText + "\n" + kProductWebPage);
  });
}

void MainWindow::ShowRunState() {
  // During a run only Stop (the Rank button, Esc) takes input; the settings can
  // be looked at, not changed.
  for (QAction* action : idleActions_) action->setEnabled(!form_.running);
  stopAction_->setEnabled(form_.running);
  for (QPushButton* button : keywordButtons_) button->setEnabled(!form_.running);
  // A second site's positions must never be compared with the first's.
  const bool locked = form_.DomainLocked();
  txtDomain_->setReadOnly(locked);
  txtDomain_->setToolTip(locked ? texts::kDomainLockedHint : QString());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtKeywords_ && event->type() == QEvent::KeyPress) {
    // Tab moves on; a tab character is still there to type with Ctrl+Tab.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ControlModifier)) {
      txtKeywords_->insertPlainText("\t");
      return true;
    }
  }
  if (watched == txtDomain_ && event->type() == QEvent::KeyPress && form_.DomainLocked()) {
    const int code = TypedCode(*static_cast<QKeyEvent*>(event));
    if (code != 0 && !form_.txtDomain_KeyPress(code)) return true;  // refused, told
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace kestrova

// The keyword row in the window: Add takes what was typed in the box, Delete
// frees the keyword's records, Clear All drops them all; the domain refuses
// keys while rankings exist; Tab leaves the keyword lines and the grids; no two
// mnemonics of one menu, of the window or of the settings share a letter.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <map>

#include "gui/GuiWindow.h"
#include "qt/SettingsDialog.h"

namespace kestrova {
namespace {

// Adds the mnemonic of `text`, if any, to `seen` and fails when another
// caption there has it already.
void ExpectOwnMnemonic(std::map<QString, QString>& seen, const QString& text) {
  const QString key = QKeySequence::mnemonic(text).toString();
  if (key.isEmpty()) return;
  const auto [place, added] = seen.emplace(key, text);
  EXPECT_TRUE(added) << key.toStdString() << ": " << text.toStdString() << " and "
                     << place->second.toStdString();
}

// The mnemonics of every label with a buddy, button and group box in `scope`,
// which Alt reaches without a menu open.
void ExpectOwnMnemonics(std::map<QString, QString>& seen, const QWidget& scope) {
  for (const QLabel* label : scope.findChildren<QLabel*>()) {
    if (label->buddy() != nullptr) ExpectOwnMnemonic(seen, label->text());
  }
  for (const QAbstractButton* button : scope.findChildren<QAbstractButton*>()) {
    ExpectOwnMnemonic(seen, button->text());
  }
  for (const QGroupBox* group : scope.findChildren<QGroupBox*>()) {
    ExpectOwnMnemonic(seen, group->title());
  }
}

QStringList Entries(QComboBox& box) {
  QStringList entries;
  for (int i = 0; i < box.count(); ++i) entries.append(box.itemText(i));
  return entries;
}

TEST(WindowKeywords, DeleteFreesOnlyThatKeywordsRecordsAndClearAllUnlocksTheDomain) {
  test::TempFolder home("kestrova-gui-keywords-");
  const std::string path = test::WriteSampleProject(home.path());
  test::GuiWindow window(home);
  window->StartUp({path});
  window->show();
  auto& box = window.Find<QComboBox>("cmbKeyWords");
  auto& domain = window.Find<QLineEdit>("txtDomain");
  EXPECT_EQ(Entries(box), (QStringList{"web tools", "rank checker"}));

  // The domain is locked while rankings exist: keys are refused with the
  // message, Ctrl+C copies without one.
  QTest::keyClick(&domain, Qt::Key_X);
  ASSERT_EQ(window.dialogs.messages.size(), 1u);
  EXPECT_EQ(window.dialogs.messages[0].text,
            "Changing domain will affect ranking results below.\r\nClear all RANKINGS first!");
  QTest::keyClick(&domain, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(&domain, Qt::Key_Backspace);
  EXPECT_EQ(window.dialogs.messages.size(), 2u);  // only Backspace was told
  EXPECT_EQ(domain.text(), "www.example.com");
  EXPECT_EQ(window->App().project.Domain, "www.example.com");

  // Delete asks, then frees the chosen keyword's record; the other keeps its place.
  window.dialogs.answers = {MessageAnswer::Yes};
  window.Find<QPushButton>("cmdDelKeyword").click();
  ASSERT_EQ(window.dialogs.messages.size(), 3u);
  EXPECT_EQ(window.dialogs.messages[2].text,
            "Are you sure that you want to delete keyword 'web tools'?");
  const auto& records = window->App().project.Rankings;
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].Keyword, "");
  EXPECT_EQ(records[1].Keyword, "rank checker");
  EXPECT_EQ(Entries(box), (QStringList{"rank checker"}));
  EXPECT_EQ(window.Find<QPlainTextEdit>("txtKeywords").toPlainText(), "rank checker");
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrova Pro - <sample.rnk>");

  // Add takes the typed text, trimmed, as a new entry and keyword line.
  box.setEditText("  site audit  ");
  window.Find<QPushButton>("cmdAddKeyword").click();
  EXPECT_EQ(Entries(box), (QStringList{"rank checker", "site audit"}));
  EXPECT_EQ(box.currentText(), "site audit");
  EXPECT_EQ(window.Find<QPlainTextEdit>("txtKeywords").toPlainText(), "rank checker\nsite audit");

  // Clear All asks; Yes drops every record and frees the domain.
  window.dialogs.answers = {MessageAnswer::Yes};
  window.Find<QPushButton>("cmdClearAllKeywords").click();
  EXPECT_TRUE(window->App().project.Rankings.empty());
  EXPECT_EQ(box.count(), 0);
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrova Pro - (none)");
  const std::size_t told = window.dialogs.messages.size();
  EXPECT_FALSE(domain.isReadOnly());
  QTest::keyClick(&domain, Qt::Key_End);
  QTest::keyClicks(&domain, ".au");
  EXPECT_EQ(window.dialogs.messages.size(), told);
  EXPECT_EQ(window->App().form.txtDomain.text, "www.example.com.au");
}

TEST(WindowKeywords, TabLeavesTheKeywordLinesAndActivationClearsTheFirstRunMarker) {
  test::TempFolder home("kestrova-gui-tab-");
  test::GuiWindow window(home, true);
  window->StartUp({});
  EXPECT_TRUE(window->App().settings.FirstTimeRun);
  window->show();
  QApplication::setActiveWindow(&*window);
  EXPECT_FALSE(window->App().settings.FirstTimeRun);

  auto& lines = window.Find<QPlainTextEdit>("txtKeywords");
  lines.setFocus();
  QTest::keyClicks(&lines, "rank");
  QTest::keyClick(&lines, Qt::Key_Tab, Qt::ControlModifier);
  QTest::keyClicks(&lines, "checker");
  EXPECT_EQ(lines.toPlainText(), "rank\tchecker");
  EXPECT_EQ(QApplication::focusWidget(), &lines);
  QTest::keyClick(&lines, Qt::Key_Tab);
  EXPECT_EQ(lines.toPlainText(), "rank\tchecker");
  EXPECT_NE(QApplication::focusWidget(), &lines);

  // A grid holds the arrows, not Tab: a keyboard user gets past its cells.
  QTableView& grid = window.Ranking();
  grid.setFocus();
  QTest::keyClick(&grid, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), &grid);

  // Choose Engines goes to a list that has engines to move, so the focus shows.
  QPushButton* sendAll = nullptr;
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    if (button->text() == ">>") sendAll = button;
  }
  ASSERT_NE(sendAll, nullptr);
  for (int round = 0; round < 2; ++round) {
    window.Action("Choose &Engines").trigger();
    const auto* engines = qobject_cast<QListWidget*>(QApplication::focusWidget());
    ASSERT_NE(engines, nullptr);
    EXPECT_GT(engines->count(), 0) << "round " << round;
    sendAll->click();  // every engine chosen: All Sites is left empty
  }
}

TEST(WindowKeywords, NoTwoMnemonicsOfOneMenuOrWindowShareALetter) {
  test::TempFolder home("kestrova-gui-mnemonics-");
  test::GuiWindow window(home, true);
  window->StartUp({});
  window->show();
  std::map<QString, QString> windowKeys;
  for (const QAction* title : window->menuBar()->actions()) {
    ExpectOwnMnemonic(windowKeys, title->text());
    std::map<QString, QString> menuKeys;
    for (const QAction* item : title->menu()->actions()) ExpectOwnMnemonic(menuKeys, item->text());
  }
  ExpectOwnMnemonics(windowKeys, *window->centralWidget());
  std::map<QString, QString> settingsKeys;
  ExpectOwnMnemonics(settingsKeys, window->OpenSettings());
  window->OpenSettings().accept();
}

}  // namespace
}  // namespace kestrova

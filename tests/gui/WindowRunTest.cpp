// A whole session in the window against kestrova-sim: the proxy set in the
// settings, four keyword lines ranked with their progress shown across the
// lines, the drop-down holding one entry per line, the choices back after a
// restart, and the front-page analysis of a project never ranked going
// through the stored proxy to the advice window.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <set>

#include "e2e/SimProcess.h"
#include "gui/GuiWindow.h"
#include "qt/ImprovementWindow.h"
#include "qt/RunProgressView.h"
#include "qt/SettingsDialog.h"
#include "sim/Scenario.h"

namespace kestrova {
namespace {

void Retype(QLineEdit& field, const QString& text) {
  field.selectAll();
  QTest::keyClicks(&field, text);
}

// Moves the engine named `name` from All Sites to Selected Sites with ">".
void SelectEngine(test::GuiWindow& window, const std::string& name) {
  auto lists = window->findChildren<QListWidget*>();
  ASSERT_EQ(lists.size(), 2);
  const auto found = lists[0]->findItems(QString::fromStdString(name), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << name;
  lists[0]->setCurrentItem(found[0]);
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    if (button->text() == ">") button->click();
  }
}

SettingsDialog& OpenSettings(test::GuiWindow& window) {
  window.Action("&Settings...").trigger();
  return window.Find<SettingsDialog>("frmSettings");
}

TEST(WindowRun, RanksThroughTheProxySetInTheSettingsAndKeepsTheChoices) {
  test::SimProcess sim("");
  ASSERT_NE(sim.Port(), 0);
  test::TempFolder home("kestrova-gui-run-");
  const QString port = QString::number(sim.Port());
  {
    test::GuiWindow window(home, true);
    window->StartUp({});
    window->show();
    SettingsDialog& settings = OpenSettings(window);
    window.Find<QCheckBox>("chkUseProxy").click();
    // The note for the missing host wraps: the dialog makes room for all its lines.
    const auto& note = window.Find<QLabel>("lblProxyNote");
    EXPECT_TRUE(note.isVisible());
    EXPECT_GE(note.height(), note.heightForWidth(note.width()));
    Retype(window.Find<QLineEdit>("txtHttpProxy"), "127.0.0.1");
    auto& portField = window.Find<QLineEdit>("txtPortProxy");
    Retype(portField, "80x");
    EXPECT_TRUE(window.Find<QLabel>("lblProxyNote").isVisible());  // the port cannot be used
    Retype(portField, port);
    EXPECT_FALSE(window.Find<QLabel>("lblProxyNote").isVisible());
    Retype(window.Find<QLineEdit>("txtTimeOut"), "5");
    settings.accept();

    Retype(window.Find<QLineEdit>("txtDomain"),
           QString::fromStdString(std::string(sim::kDemoDomain)));
    window.Find<QPlainTextEdit>("txtKeywords")
        .setPlainText("rank checker\nwebsite ranking\nsearch engine position\nsite promotion");
    const std::string first = Catalogue().At(0).Name;
    SelectEngine(window, first);
    SelectEngine(window, Catalogue().At(1).Name);

    // The progress as the run shows it, looked at whenever the run lets the window live.
    std::set<std::string> lineCaptions;
    bool progressShown = false;
    auto& progress = window.Find<RunProgressView>("runProgress");
    window.dialogs.onYield = [&] {
      progressShown = progressShown || progress.isVisible();
      if (!progress.KeywordsCaption().isEmpty()) {
        lineCaptions.insert(progress.KeywordsCaption().toStdString());
      }
    };
    window->RankButton().click();
    window.dialogs.onYield = nullptr;
    EXPECT_TRUE(window.dialogs.messages.empty()) << window.dialogs.messages[0].text;
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(lineCaptions.count("Keyword 1 of 4: rank checker"));
    EXPECT_TRUE(lineCaptions.count("Keyword 4 of 4: site promotion"));
    EXPECT_FALSE(progress.isVisible());

    // One entry per keyword line, never the whole text as one.
    auto& box = window.Find<QComboBox>("cmbKeyWords");
    ASSERT_EQ(box.count(), 4);
    for (int i = 0; i < box.count(); ++i) EXPECT_FALSE(box.itemText(i).contains('\n'));
    box.setCurrentIndex(box.findText("rank checker"));
    emit box.activated(box.currentIndex());
    const int row = test::RowOf(window.Ranking(), first);
    ASSERT_GE(row, 0);
    EXPECT_EQ(window.Ranking().model()->index(row, 4).data().toString(), "1");  // the demo's place
    EXPECT_TRUE(window.Find<QLabel>("lblLastRun").text().startsWith("Last run: "));
    window.dialogs.answers = {MessageAnswer::No};
    window->close();
  }

  // After a restart the settings show the stored proxy, and the front-page
  // analysis of a project never ranked goes through it.
  test::GuiWindow window(home, true);
  window->StartUp({});
  window->show();
  OpenSettings(window);
  EXPECT_TRUE(window.Find<QCheckBox>("chkUseProxy").isChecked());
  EXPECT_EQ(window.Find<QLineEdit>("txtHttpProxy").text(), "127.0.0.1");
  EXPECT_EQ(window.Find<QLineEdit>("txtPortProxy").text(), port);
  window.Find<SettingsDialog>("frmSettings").accept();
  Retype(window.Find<QLineEdit>("txtDomain"), "www.my-site.com");
  window.Find<QPlainTextEdit>("txtKeywords").setPlainText("rank checker\nweb design");
  window.Action("&Analyze Front Page").trigger();
  EXPECT_TRUE(window.dialogs.messages.empty()) << window.dialogs.messages[0].text;
  auto& advice = window.Find<ImprovementWindow>("frmImprove");
  EXPECT_TRUE(advice.isVisible());
  window.Find<QPushButton>("cmdOk").click();
  EXPECT_FALSE(advice.isVisible());
  window.dialogs.answers = {MessageAnswer::No};
  window->close();
}

TEST(WindowSettings, ATimeOutThatIsNoNumberIsReplacedAsTypedAndSaidSo) {
  test::TempFolder home("kestrova-gui-timeout-");
  test::GuiWindow window(home);
  window->StartUp({});
  window->show();
  OpenSettings(window);
  auto& timeOut = window.Find<QLineEdit>("txtTimeOut");
  auto& note = window.Find<QLabel>("lblTimeOutNote");
  Retype(timeOut, "abc");
  EXPECT_EQ(timeOut.text(), "007");
  EXPECT_TRUE(note.isVisible());
  window->App().form.ReadControls();
  EXPECT_EQ(window->App().project.TimeOutSecs, 7);  // never a silent 50

  // The replacement is selected: the digits typed next take its place.
  QTest::keyClicks(&timeOut, "12");
  EXPECT_EQ(timeOut.text(), "12");
  EXPECT_FALSE(note.isVisible());
  window.dialogs.ChooseNext(home / "t.rnk");
  window.Action("Save &As...").trigger();
  EXPECT_EQ(test::ReadBack(home / "t.rnk").TimeOutSecs, 12);
}

}  // namespace
}  // namespace kestrova

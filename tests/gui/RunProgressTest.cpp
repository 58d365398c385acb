// The run's progress in the window: the engines' caption in full beside its
// bar (inside a narrow bar it was cut and wrapped over itself), and an overall
// bar across the keyword lines.
#include <QLabel>
#include <QProgressBar>

#include "gui/GuiWindow.h"
#include "qt/RunProgressView.h"

namespace kestrova {
namespace {

TEST(RunProgress, ShowsTheEnginesInFullAndTheWholeRunAcrossLines) {
  test::TempFolder home("kestrova-gui-progress-");
  test::GuiWindow window(home);
  window->StartUp({});
  window->resize(1180, 680);
  window->show();
  window->ProgressVisible(true);
  window->LineStarted(2, 4, "website ranking");
  const QString caption = "100%   34 of 34 engines done";
  window->Progress(50, caption.toStdString());
  QApplication::processEvents();  // the layout places the widgets

  auto& engines = window.Find<QLabel>("lblEnginesProgress");
  EXPECT_EQ(engines.text(), caption);
  EXPECT_GE(engines.width(), engines.fontMetrics().horizontalAdvance(caption));
  EXPECT_EQ(window.Find<RunProgressView>("runProgress").KeywordsCaption(),
            "Keyword 2 of 4: website ranking");
  // One line done and half of the second: 150 of 400.
  EXPECT_EQ(window.Find<QProgressBar>("prgKeywords").value(), 37);
  EXPECT_EQ(window.Find<QProgressBar>("prgEngines").value(), 50);

  // The run's end hides it and forgets the lines.
  window->ProgressVisible(false);
  EXPECT_FALSE(window.Find<RunProgressView>("runProgress").isVisible());
  EXPECT_EQ(window.Find<RunProgressView>("runProgress").KeywordsCaption(), "");
}

}  // namespace
}  // namespace kestrova

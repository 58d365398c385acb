// Faults a person met in the window's grids, each driven as a person would:
// a double-click in the top-URLs grid opened nothing, a long URL could only be
// read by dragging its column, the grid kept about 800 pixels whatever the
// window's width and a widened column snapped back when another keyword was
// chosen, and yellow and green texts were hard to read on white.
#include <QComboBox>
#include <QHelpEvent>
#include <QToolTip>

#include "gui/GuiWindow.h"
#include "qt/GridColours.h"

namespace kestrova::test {
namespace {

TEST(WindowFaults, TheTopUrlsGridOpensADoubleClickedUrlOrEngineAndShowsACutUrlWhole) {
  GridWindow w;
  w.Open(GridProject(w.Reports()));
  QTableView& topUrls = w.TopUrls();
  w.ShowGrid(topUrls);
  const int first = RowOf(topUrls, Catalogue().At(0).Name);
  ASSERT_GE(first, 0);

  DoubleClick(topUrls, first, 2);
  DoubleClick(topUrls, first, 0);
  EXPECT_EQ(w.dialogs.openedUrls,
            (std::vector<std::string>{kOwnUrl, EngineHomeLink(Catalogue().At(0))}));

  // A URL cut off by its column shows whole in a tooltip.
  const QPoint at = CellCentre(topUrls, first, 1);
  ASSERT_LT(topUrls.columnWidth(1),
            topUrls.fontMetrics().horizontalAdvance(QString::fromStdString(kSharedUrl)));
  QHelpEvent help(QEvent::ToolTip, at, topUrls.viewport()->mapToGlobal(at));
  QApplication::sendEvent(topUrls.viewport(), &help);
  EXPECT_EQ(QToolTip::text().toStdString(), kSharedUrl);
}

// The pixels from the first column's left edge to the last visible one's right edge.
int ColumnsWidth(QTableView& view) {
  int right = 0;
  for (int col = 0; col < view.model()->columnCount(); ++col) {
    if (!view.isColumnHidden(col)) right += view.columnWidth(col);
  }
  return right;
}

TEST(WindowFaults, TheRankingGridFillsTheWindowAndAWidenedColumnKeepsItsWidth) {
  GridWindow w;
  w.Open(GridProject(w.Reports()));
  QTableView& ranking = w.Ranking();
  // "Overall" ends at the view's right edge, within the pixels rounding costs.
  const int viewport = ranking.viewport()->width();
  EXPECT_LE(ColumnsWidth(ranking), viewport);
  EXPECT_GE(ColumnsWidth(ranking), viewport - 10);

  w.window->resize(1600, 900);  // maximised, say: the grid takes the room
  Settle();
  const int wider = ranking.viewport()->width();
  ASSERT_GT(wider, viewport + 200);
  EXPECT_LE(ColumnsWidth(ranking), wider);
  EXPECT_GE(ColumnsWidth(ranking), wider - 10);

  DragColumnTo(ranking, 1, 230);
  ASSERT_EQ(ranking.columnWidth(1), 230);
  auto* keywords = w.window->findChild<QComboBox*>();
  ASSERT_NE(keywords, nullptr);
  ASSERT_EQ(keywords->count(), 2);
  keywords->setCurrentIndex(1);
  emit keywords->activated(1);  // as a person choosing "web tools"
  Settle();
  EXPECT_EQ(ranking.model()->index(0, 7).data().toString(), "BAD");  // the other keyword shows
  EXPECT_EQ(ranking.columnWidth(1), 230);
}

TEST(WindowFaults, GradeAndTrendColoursReadWellOnTheirBackground) {
  GridWindow w;
  w.Open(GridProject(w.Reports()));
  QTableView& ranking = w.Ranking();
  const QColor base = ranking.palette().color(QPalette::Base);
  int coloured = 0;
  for (int row = 0; row < ranking.model()->rowCount(); ++row) {
    for (int col = 0; col < ranking.model()->columnCount(); ++col) {
      const QModelIndex index = ranking.model()->index(row, col);
      const QVariant brush = index.data(Qt::ForegroundRole);
      if (!brush.isValid()) continue;
      ++coloured;
      EXPECT_GE(ContrastRatio(brush.value<QBrush>().color(), base), kLeastTextContrast)
          << index.data().toString().toStdString();
    }
  }
  EXPECT_GT(coloured, 40);  // the engine names, the results, the trends and four grades
}

}  // namespace
}  // namespace kestrova::test

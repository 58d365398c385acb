#include "qt/RankingGridView.h"

#include <QHeaderView>

namespace kestrova {

RankingGridView::RankingGridView(Application& app, GridTableModel& model, GridViewHooks hooks,
                                 QWidget* parent)
    : GridView(app.form, model, hooks, parent), app_(app), menu_(new GridMenu(app, hooks, this)) {
  setObjectName("grdRanking");
  // Trend, Result and the numbers are short: their columns fit them first.
  SetFitsTexts(true);
}

bool RankingGridView::Running() const {
  return app_.rank.Controller().State().RunInProgress;
}

void RankingGridView::Pressed(ui::MouseButton button, ui::GridPoint point, QPoint globalPos) {
  const auto menu = Form().ranking.Press(button, point.x, point.y, Form().lastGridCell);
  if (menu) menu_->PopUp(*menu, globalPos);
}

std::optional<ui::PointerFeedback> RankingGridView::Hovered(ui::GridCellRef cell) {
  if (Running()) return std::nullopt;  // the run's texts hold the status bar
  Form().lastGridCell = cell;
  return Form().ranking.MouseMove(cell, false);
}

void RankingGridView::DoubleClicked() {
  MainFormModel& form = Form();
  const auto hint =
      form.ranking.DoubleClick(form.lastGridCell, app_.project, form.selected, app_.dialogs);
  if (hint) ShowHint(*hint);
}

bool RankingGridView::ClearsHintOnFocusOut() const {
  return !Running();
}

QPoint RankingGridView::CellCorner(ui::GridCellRef cell) const {
  // The menu opens below the cell's left corner; the header row's cell is
  // its section.
  const int x = columnViewportPosition(cell.col);
  if (cell.row == 0) {
    return horizontalHeader()->mapToGlobal(QPoint(x, horizontalHeader()->height()));
  }
  const int row = cell.row - 1;
  return viewport()->mapToGlobal(QPoint(x, rowViewportPosition(row) + rowHeight(row)));
}

void RankingGridView::PopUpAt(ui::GridCellRef cell) {
  const ui::GridPoint point = ui::PointInCell(Grid(), cell);
  Pressed(ui::MouseButton::Right, point, CellCorner(cell));
}

void RankingGridView::MenuKey() {
  if (!currentIndex().isValid()) return;
  PopUpAt(CellOf(currentIndex()));
}

}  // namespace kestrova

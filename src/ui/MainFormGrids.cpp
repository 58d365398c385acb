// The buttons beside the grids and the top-URLs grid's click.
#include "ui/GridWidths.h"
#include "ui/MainFormModel.h"

namespace kestrova {

ui::Grid& MainFormModel::VisibleGrid() {
  // One grid shows at a time; the ranking grid is the one when in doubt.
  return rankingGridVisible ? ranking.View() : topUrls.View();
}

void MainFormModel::cmdCollapseTopUrls_Click() {
  focus = FormFocus::VisibleGrid;
  ui::CollapseGrid(VisibleGrid());
}

void MainFormModel::cmdExpandTopUrls_Click() {
  focus = FormFocus::VisibleGrid;
  ui::ExpandGrid(VisibleGrid());
}

void MainFormModel::grdTopUrls_Click() {
  topUrls.ClickCurrentCell();
  lblNumTotal.caption = topUrls.CountText();
}

}  // namespace kestrova

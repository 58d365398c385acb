// grdTopUrls in the window: a click (or Space) highlights every cell holding
// the clicked URL and counts them, the pointer's hints name what a
// double-click (or Enter) opens, and the double-click opens the URL or the
// engine's home page.
#pragma once

#include "app/Application.h"
#include "qt/GridView.h"

namespace kestrova {

class TopUrlsGridView final : public GridView {
  Q_OBJECT

 public:
  TopUrlsGridView(Application& app, GridTableModel& model, GridViewHooks hooks, QWidget* parent);

 signals:
  // The highlight's count (lblNumTotal) may have changed.
  void Counted();

 protected:
  void Pressed(ui::MouseButton button, ui::GridPoint point, QPoint globalPos) override;
  std::optional<ui::PointerFeedback> Hovered(ui::GridCellRef cell) override;
  void DoubleClicked() override;
  bool SpaceKey() override;

 private:
  void Click();

  Application& app_;
};

}  // namespace kestrova

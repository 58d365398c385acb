// grdRanking in the window: the pointer's hints (quiet during a run), the
// double-click on an engine's name or its Result, and the pop-up menu on a
// right press or the keyboard's menu key.
#pragma once

#include "qt/GridMenu.h"
#include "qt/GridView.h"

namespace kestrova {

class RankingGridView final : public GridView {
  Q_OBJECT

 public:
  RankingGridView(Application& app, GridTableModel& model, GridViewHooks hooks, QWidget* parent);

  GridMenu& Menu() const { return *menu_; }
  // The menu as a right press on `cell` opens it, at the cell.
  void PopUpAt(ui::GridCellRef cell);

 protected:
  void Pressed(ui::MouseButton button, ui::GridPoint point, QPoint globalPos) override;
  std::optional<ui::PointerFeedback> Hovered(ui::GridCellRef cell) override;
  void DoubleClicked() override;
  bool ClearsHintOnFocusOut() const override;
  void MenuKey() override;

 private:
  bool Running() const;
  QPoint CellCorner(ui::GridCellRef cell) const;

  Application& app_;
  GridMenu* menu_;
};

}  // namespace kestrova

// The view both grids share: it draws a grid through its GridTableModel and
// turns the person's pointer and keys into the grid's own handlers. A press
// or release (with no Shift, Ctrl or Alt held) reaches MouseDown / MouseUp
// at a point inside the cell Qt found under the pointer, so header clicks
// sort through the shared sort table; the pointer's hints go to status panel
// 3; the column widths are the grid's (twips, converted here), a person's
// drag goes back into the grid, and widths laid out to fill the grid follow
// the view's width. Text cut off at its column's edge shows whole in a tooltip.
#pragma once

#include <QPointer>
#include <QTableView>
#include <functional>
#include <optional>
#include <vector>

#include "qt/GridTableModel.h"
#include "ui/GridMouse.h"
#include "ui/MainFormModel.h"

namespace kestrova {

// What the views ask of the window that holds them.
struct GridViewHooks {
  std::function<void()> showStatus;  // the status bar's panels changed
  std::function<void()> showForm;    // the whole form changed (after a run)
};

// Below this many pixels the layouts stop shrinking and the view scrolls instead.
inline constexpr int kNarrowestLayoutPixels = 640;

class GridView : public QTableView {
  Q_OBJECT

 public:
  // `model` draws `form`'s grid and is the window's; both outlive the view or
  // the model is detached first, after which the view only draws.
  GridView(MainFormModel& form, GridTableModel& model, GridViewHooks hooks, QWidget* parent);

  ui::Grid& Grid() { return model_->Grid(); }
  // Widens every column whose text is cut off in this view's font to fit it
  // (at most ui::kMaxExpandedWidth); for Expand, whose widths count characters.
  void WidenToTexts();
  // The grid's cell of a model index (its row + the header row).
  static ui::GridCellRef CellOf(const QModelIndex& index);

 protected:
  // The grid's handlers, at a point inside `cell`. Press is called for the
  // header too (row 0); Hovered gives nothing when the pointer stays as it is.
  virtual void Pressed(ui::MouseButton button, ui::GridPoint point, QPoint globalPos) = 0;
  virtual std::optional<ui::PointerFeedback> Hovered(ui::GridCellRef cell) = 0;
  virtual void DoubleClicked() = 0;
  // Focus lost: whether the hint is cleared now.
  virtual bool ClearsHintOnFocusOut() const { return true; }
  // The keyboard's context-menu key or Shift+F10 on the current cell.
  virtual void MenuKey() {}
  // Space on the current cell; false when the grid has no use for it.
  virtual bool SpaceKey() { return false; }

  bool Live() const { return model_ && model_->Attached(); }
  // While the columns fill the grid's width, each is given at least the room
  // its texts need in this view's font (the ranking grid's short texts).
  void SetFitsTexts(bool fits) { fitsTexts_ = fits; }
  MainFormModel& Form() { return form_; }
  void ShowHint(const std::string& hint);
  void ShowForm();

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::optional<ui::GridCellRef> CellAtViewport(QPoint pos) const;
  std::optional<ui::GridCellRef> CellAtHeader(QPoint pos) const;
  void Hover(std::optional<ui::GridCellRef> cell);
  void ApplyWidths();
  // Per column, the twips its widest text (the header's too) needs here.
  std::vector<int> TextTwips() const;
  void PersonResized(int col, int pixels);
  void FollowViewport();
  bool ShowCutOffText(QHelpEvent* event);

  MainFormModel& form_;
  QPointer<GridTableModel> model_;
  GridViewHooks hooks_;
  bool applyingWidths_ = false;  // widths set from the grid: no person's drag
  bool headerResized_ = false;   // a header press became a drag of a column edge
  bool fitsTexts_ = false;
};

}  // namespace kestrova

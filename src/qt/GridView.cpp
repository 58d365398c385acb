#include "qt/GridView.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

#include "qt/QtText.h"
#include "ui/GridWidths.h"

namespace kestrova {
namespace {

// The grids' own mouse handlers hear only plain presses and releases.
bool PlainClick(const QMouseEvent* event) {
  return (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
}

ui::MouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return ui::MouseButton::Right;
    case Qt::MiddleButton:
      return ui::MouseButton::Middle;
    default:
      return ui::MouseButton::Left;
  }
}

// Room the item delegate leaves around a cell's text (both sides), and what a
// header section leaves around its title.
constexpr int kTextMargins = 6;
constexpr int kHeaderMargins = 12;

}  // namespace

GridView::GridView(MainFormModel& form, GridTableModel& model, GridViewHooks hooks, QWidget* parent)
    : QTableView(parent), form_(form), model_(&model), hooks_(std::move(hooks)) {
  setModel(&model);
  model.AttachView(this);
  form_.gridWidthsShown = true;
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The arrows walk the cells; Tab leaves the grid for the next control, or a
  // keyboard user would be held in it for hundreds of presses.
  setTabKeyNavigation(false);
  verticalHeader()->setDefaultSectionSize(ui::kDefaultRowHeight / kTwipsPerPixel + 4);
  verticalHeader()->hide();
  // The header row is the grid's row 0: its clicks sort through the grid,
  // never select a column.
  QHeaderView* header = horizontalHeader();
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  header->viewport()->installEventFilter(this);
  header->viewport()->setMouseTracking(true);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);

  connect(&model, &GridTableModel::Refreshed, this, &GridView::ApplyWidths);
  // A reset lays the sections out afresh; those sizes are no person's.
  connect(&model, &QAbstractItemModel::modelAboutToBeReset, this,
          [this] { applyingWidths_ = true; });
  connect(header, &QHeaderView::sectionResized, this,
          [this](int col, int, int pixels) { PersonResized(col, pixels); });
  // The grid's current cell is the view's: keys and clicks move both.
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!Live() || !current.isValid()) return;
            const ui::GridCellRef cell = CellOf(current);
            Grid().SetCurrentRow(cell.row);
            Grid().SetCurrentCol(cell.col);
          });
  ApplyWidths();
}

ui::GridCellRef GridView::CellOf(const QModelIndex& index) {
  return {index.row() + 1, index.column()};
}

std::optional<ui::GridCellRef> GridView::CellAtViewport(QPoint pos) const {
  const QModelIndex index = indexAt(pos);
  if (!index.isValid()) return std::nullopt;
  return CellOf(index);
}

std::optional<ui::GridCellRef> GridView::CellAtHeader(QPoint pos) const {
  const int col = horizontalHeader()->logicalIndexAt(pos);
  if (col < 0) return std::nullopt;
  return ui::GridCellRef{0, col};
}

void GridView::ShowHint(const std::string& hint) {
  if (form_.sbStatusBar[2] == hint) return;
  form_.sbStatusBar[2] = hint;
  if (hooks_.showStatus) hooks_.showStatus();
}

void GridView::ShowForm() {
  if (hooks_.showForm) hooks_.showForm();
}

void GridView::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);  // the view's current cell first
  if (!Live() || !PlainClick(event)) return;
  if (const auto cell = CellAtViewport(event->position().toPoint())) {
    Pressed(ButtonOf(event->button()), ui::PointInCell(Grid(), *cell),
            event->globalPosition().toPoint());
  }
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (!Live() || !PlainClick(event)) return;
  if (const auto cell = CellAtViewport(event->position().toPoint())) {
    const ui::GridPoint point = ui::PointInCell(Grid(), *cell);
    ui::MouseUp(Grid(), form_.headerSorts, point.x, point.y);
  }
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
  QTableView::mouseMoveEvent(event);
  if (!Live()) return;
  const auto cell = CellAtViewport(event->position().toPoint());
  if (!cell) return;
  const auto feedback = Hovered(*cell);
  if (!feedback) return;
  if (feedback->hand) {
    viewport()->setCursor(Qt::PointingHandCursor);
  } else {
    viewport()->unsetCursor();
  }
  ShowHint(feedback->hint);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  if (Live() && event->button() == Qt::LeftButton && CellAtViewport(event->position().toPoint())) {
    DoubleClicked();
  }
}

void GridView::keyPressEvent(QKeyEvent* event) {
  if (Live()) {
    const int key = event->key();
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    const bool onCell = currentIndex().isValid();
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
      MenuKey();
      event->accept();
      return;
    }
    // Enter opens what a double-click opens, on the current cell.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && plain && onCell) {
      form_.lastGridCell = CellOf(currentIndex());
      DoubleClicked();
      event->accept();
      return;
    }
    if (key == Qt::Key_Space && plain && onCell && SpaceKey()) {
      event->accept();
      return;
    }
  }
  QTableView::keyPressEvent(event);
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
  // A right press has shown the menu already; the keyboard's request has not.
  if (Live() && event->reason() == QContextMenuEvent::Keyboard) MenuKey();
  event->accept();
}

void GridView::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  if (Live() && ClearsHintOnFocusOut()) ShowHint("");
}

bool GridView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip && Live())
    return ShowCutOffText(static_cast<QHelpEvent*>(event));
  const bool handled = QTableView::viewportEvent(event);
  if (event->type() == QEvent::Resize && Live()) FollowViewport();
  return handled;
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (!Live() || watched != horizontalHeader()->viewport() ||
      (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
       type != QEvent::MouseMove)) {
    return QTableView::eventFilter(watched, event);
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  const auto cell = CellAtHeader(mouse->position().toPoint());
  if (type == QEvent::MouseButtonPress) headerResized_ = false;
  if (cell && type == QEvent::MouseMove) {
    if (const auto feedback = Hovered(*cell)) ShowHint(feedback->hint);
  } else if (cell && PlainClick(mouse)) {
    const ui::GridPoint point = ui::PointInCell(Grid(), *cell);
    if (type == QEvent::MouseButtonPress) {
      Pressed(ButtonOf(mouse->button()), point, mouse->globalPosition().toPoint());
    } else if (!headerResized_) {  // a drag of a column's edge is no click
      ui::MouseUp(Grid(), form_.headerSorts, point.x, point.y);
    }
  }
  return false;  // the header still resizes its sections
}

void GridView::ApplyWidths() {
  if (!Live()) return;
  // Two pixels short is not worth moving every column for.
  if (fitsTexts_) ui::FitColumnsToTexts(Grid(), TextTwips(), 2 * kTwipsPerPixel);
  applyingWidths_ = true;
  const ui::Grid& grid = Grid();
  for (int col = 0; col < model_->columnCount(); ++col) {
    const int twips = grid.ColWidth(col);
    const int pixels = twips == 0 ? 0 : std::max(1, twips / kTwipsPerPixel);
    setColumnHidden(col, pixels == 0);
    if (pixels > 0 && columnWidth(col) != pixels) setColumnWidth(col, pixels);
  }
  applyingWidths_ = false;
}

void GridView::PersonResized(int col, int pixels) {
  if (applyingWidths_ || !Live() || pixels <= 0) return;
  headerResized_ = true;
  Grid().SetColWidth(col, pixels * kTwipsPerPixel);
}

void GridView::FollowViewport() {
  const int pixels = std::max(viewport()->width(), kNarrowestLayoutPixels);
  ui::FollowViewWidth(Grid(), pixels * kTwipsPerPixel);
}

bool GridView::ShowCutOffText(QHelpEvent* event) {
  const QModelIndex index = indexAt(event->pos());
  const QString text = index.data().toString();
  const QVariant font = index.data(Qt::FontRole);
  const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : this->font());
  const QRect cell = visualRect(index);
  if (index.isValid() && metrics.horizontalAdvance(text) + kTextMargins > cell.width()) {
    QToolTip::showText(event->globalPos(), text, viewport(), cell);
  } else {
    QToolTip::hideText();
  }
  return true;
}

std::vector<int> GridView::TextTwips() const {
  const ui::Grid& grid = model_->Grid();
  const QFont header = horizontalHeader()->font();
  std::vector<int> twips;
  for (int col = 0; col < grid.Cols(); ++col) {
    int widest = 0;
    for (int row = 0; row < grid.Rows(); ++row) {
      const ui::Cell& cell = grid.At(row, col);
      if (cell.text.empty()) continue;
      QFont font = row == 0 ? header : this->font();
      font.setBold(cell.bold);
      const int room = row == 0 ? kHeaderMargins : kTextMargins + 2;
      widest = std::max(widest, QFontMetrics(font).horizontalAdvance(ToQt(cell.text)) + room);
    }
    twips.push_back(widest * kTwipsPerPixel);
  }
  return twips;
}

void GridView::WidenToTexts() {
  if (!Live()) return;
  ui::Grid& grid = Grid();
  const std::vector<int> needed = TextTwips();
  ui::RedrawPause pause(grid);
  for (int col = 1; col < grid.Cols(); ++col) {
    const int twips = std::min(needed[static_cast<std::size_t>(col)], ui::kMaxExpandedWidth);
    // Hidden columns stay hidden; an empty one keeps its width.
    if (grid.ColWidth(col) > 0 && twips > grid.ColWidth(col)) grid.SetColWidth(col, twips);
  }
}

}  // namespace kestrova

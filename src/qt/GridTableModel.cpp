#include "qt/GridTableModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#include "qt/GridColours.h"
#include "qt/QtText.h"

namespace kestrova {
namespace {

QColor ToColor(const ui::Rgb& rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

Qt::Alignment ToAlignment(ui::Alignment alignment) {
  switch (alignment) {
    case ui::Alignment::Center:
      return Qt::AlignCenter;
    case ui::Alignment::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case ui::Alignment::Left:
    case ui::Alignment::General:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

GridTableModel::GridTableModel(ui::Grid& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      shownRows_(grid.Rows() - grid.FixedRows()),
      shownCols_(grid.Cols()) {
  // Many cell writes come in a row; one redraw after them is enough.
  grid_.SetChangeListener([this] {
    if (refreshPending_) return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(this, &GridTableModel::Refresh, Qt::QueuedConnection);
  });
}

void GridTableModel::Detach() {
  grid_.SetChangeListener(nullptr);
  attached_ = false;
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownRows_;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownCols_;
}

QVariant GridTableModel::CellData(const ui::Cell& cell, int role) const {
  switch (role) {
    case Qt::DisplayRole:
      return ToQt(cell.text);
    case Qt::ForegroundRole: {
      if (!cell.color) return {};
      const QColor background =
          cell.backColor ? ToColor(*cell.backColor)
                         : (view_ != nullptr ? view_->palette() : QGuiApplication::palette())
                               .color(QPalette::Base);
      return QBrush(ReadableShade(ToColor(*cell.color), background));
    }
    case Qt::BackgroundRole:
      return cell.backColor ? QVariant(QBrush(ToColor(*cell.backColor))) : QVariant();
    case Qt::TextAlignmentRole:
      return QVariant(ToAlignment(cell.alignment));
    case Qt::FontRole: {
      if (!cell.bold && !cell.underline) return {};
      QFont font;
      font.setBold(cell.bold);
      font.setUnderline(cell.underline);
      return font;
    }
    default:
      return {};
  }
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !attached_) return {};
  return CellData(grid_.At(index.row() + grid_.FixedRows(), index.column()), role);
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!attached_) return {};
  if (orientation == Qt::Vertical) {
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
  }
  if (role == Qt::BackgroundRole || role == Qt::ForegroundRole) return {};
  return CellData(grid_.At(0, section), role);
}

void GridTableModel::Refresh() {
  refreshPending_ = false;
  if (!attached_) return;
  const int rows = grid_.Rows() - grid_.FixedRows(), cols = grid_.Cols();
  if (rows != shownRows_ || cols != shownCols_) {
    beginResetModel();
    shownRows_ = rows;
    shownCols_ = cols;
    endResetModel();
  } else if (rows > 0 && cols > 0) {
    // A reset would drop the view's current cell and the press a double-click
    // is matched against, so a click that redraws the grid would swallow the
    // double-click that follows it.
    emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
    emit headerDataChanged(Qt::Horizontal, 0, cols - 1);
  }
  emit Refreshed();
}

}  // namespace kestrova

#include "qt/GridTableModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QTableView>

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
    : QAbstractTableModel(parent), grid_(grid) {
  // Many cell writes come in a row; one redraw after them is enough.
  grid_.SetChangeListener([this] {
    if (refreshPending_) return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(this, &GridTableModel::Refresh, Qt::QueuedConnection);
  });
}

void GridTableModel::Detach() {
  grid_.SetChangeListener(nullptr);
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Rows() - grid_.FixedRows();
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Cols();
}

QVariant GridTableModel::CellData(const ui::Cell& cell, int role) const {
  switch (role) {
    case Qt::DisplayRole:
      return ToQt(cell.text);
    case Qt::ForegroundRole:
      return cell.color ? QVariant(QBrush(ToColor(*cell.color))) : QVariant();
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
  if (!index.isValid()) return {};
  return CellData(grid_.At(index.row() + grid_.FixedRows(), index.column()), role);
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
  }
  if (role == Qt::BackgroundRole || role == Qt::ForegroundRole) return {};
  return CellData(grid_.At(0, section), role);
}

void GridTableModel::Refresh() {
  refreshPending_ = false;
  beginResetModel();
  endResetModel();
  if (view_ == nullptr) return;
  for (int col = 0; col < grid_.Cols(); ++col) {
    const int pixels = grid_.ColWidth(col) / kTwipsPerPixel;
    view_->setColumnHidden(col, pixels == 0);
    if (pixels > 0) view_->setColumnWidth(col, pixels);
  }
}

}  // namespace kestrova

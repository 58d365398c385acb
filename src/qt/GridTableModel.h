// Draws a ui::Grid in a Qt item view: each data row of the grid is a table row,
// the grid's fixed row is the horizontal header, and widths convert from twips.
// The grid stays the one truth; the model only reads it and resets on change.
#pragma once

#include <QAbstractTableModel>

#include "ui/Grid.h"

class QTableView;

namespace kestrova {

// 15 twips are one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

class GridTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Listens to `grid`, which must outlive the model or be detached first.
  GridTableModel(ui::Grid& grid, QObject* parent = nullptr);
  // Stops listening; the grid's owner calls this before the grid goes.
  void Detach();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The grid changed as a whole: re-read it and apply its column widths to `view`.
  void Refresh();
  void AttachView(QTableView* view) { view_ = view; }

 private:
  QVariant CellData(const ui::Cell& cell, int role) const;

  ui::Grid& grid_;
  QTableView* view_ = nullptr;
  bool refreshPending_ = false;
};

}  // namespace kestrova

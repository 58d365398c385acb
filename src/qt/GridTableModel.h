// Draws a ui::Grid in a Qt item view: each data row of the grid is a table row,
// the grid's fixed row is the horizontal header. The grid stays the one truth;
// the model only reads it and tells the view when it changed. Text colours are
// drawn in shades readable on the cell's background (qt/GridColours.h).
#pragma once

#include <QAbstractTableModel>

#include "ui/Grid.h"

class QWidget;

namespace kestrova {

// 15 twips are one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

class GridTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Listens to `grid`, which must outlive the model or be detached first.
  GridTableModel(ui::Grid& grid, QObject* parent = nullptr);
  // Stops listening and reading; the grid's owner calls this before the grid goes.
  void Detach();
  bool Attached() const { return attached_; }
  ui::Grid& Grid() { return grid_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The grid changed: re-read it. Only a change of its shape resets the
  // model; otherwise the view keeps its current cell, selection and scroll.
  void Refresh();
  // The widget whose background unset cell backgrounds are drawn in.
  void AttachView(QWidget* view) { view_ = view; }

 signals:
  // After every Refresh: the view takes the grid's column widths from here.
  void Refreshed();

 private:
  QVariant CellData(const ui::Cell& cell, int role) const;

  ui::Grid& grid_;
  QWidget* view_ = nullptr;
  bool attached_ = true;
  bool refreshPending_ = false;
  int shownRows_ = 0, shownCols_ = 0;  // the shape the view was last told of
};

}  // namespace kestrova

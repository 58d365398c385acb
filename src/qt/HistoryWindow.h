// The History view of one keyword: its rank over time as a line chart, one
// series per chosen engine (rank 1 at the top, "not found" on the bottom line),
// the value under the pointer, the checks in a table beside it, and the view
// exported as CSV or PNG. It shows what the history held when it was opened.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "history/KeywordHistory.h"
#include "history/ProjectHistory.h"
#include "ui/Dialogs.h"
#include "ui/RankingGrid.h"

class QChart;
class QChartView;
class QLabel;
class QListWidget;
class QTableWidget;

namespace kestrova {

class HistoryWindow final : public QDialog {
  Q_OBJECT

 public:
  // `dialogs` chooses the files the exports write.
  HistoryWindow(KeywordHistory history, Dialogs& dialogs, QWidget* parent = nullptr);

  // The checks of the chosen engines as "history --format csv" prints them (UTF-8).
  std::string ViewCsv() const;
  bool ExportCsv(const std::string& path) const;
  bool ExportPng(const std::string& path) const;

  QChart& Chart() const { return *chart_; }
  QTableWidget& Table() const { return *table_; }
  QListWidget& Engines() const { return *engines_; }  // checkable: which series show
  QLabel& HoverLabel() const { return *hover_; }

 private:
  std::vector<const EngineSeries*> ChosenSeries() const;
  void ShowChosen();
  void ShowHovered(const EngineSeries& series, double x, bool entered);
  void ChooseAndExport(bool png);

  KeywordHistory history_;
  Dialogs& dialogs_;
  QChart* chart_ = nullptr;
  QChartView* chartView_ = nullptr;
  QTableWidget* table_ = nullptr;
  QListWidget* engines_ = nullptr;
  QLabel* hover_ = nullptr;
};

// View > History...: opens the History view of the chosen keyword, with the
// selected engines first; tells the person why when there is nothing to show.
void ShowHistoryWindow(ProjectHistory* history, const ProjectState& project,
                       const ui::SelectedKeyword& keyword, Dialogs& dialogs, QWidget* parent);

}  // namespace kestrova

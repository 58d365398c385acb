#include "qt/HistoryWindow.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "base/Csv.h"
#include "qt/QtText.h"

namespace kestrova {
namespace {

constexpr const char* kWindowTitle = "History - ";
constexpr const char* kNotFound = "not found";
constexpr const char* kNoHistory =
    "This project keeps no history yet. Save it to a file: its runs are kept from then on.";
constexpr const char* kNoKeyword = "Choose a keyword first.";
constexpr const char* kNoChecks = "The history holds no checks of this keyword yet.";
constexpr const char* kExportFailed = "The file could not be written: ";

const QStringList kTableColumns = {"Date", "Engine", "Rank", "Page", "Position", "Result"};

// Check dates are ISO 8601 local time.
QDateTime DateOf(const CheckRow& check) {
  return QDateTime::fromString(QString::fromStdString(check.date), Qt::ISODate);
}

double LevelOf(const CheckRow& check, int notFound) {
  return check.rank > 0 ? check.rank : notFound;
}

// A failed check measured nothing: it is listed, but it is no point on the chart.
bool IsDrawn(const CheckRow& check) {
  return check.succeeded;
}

// The table's Rank, Page and Position: "not found" rather than zeros, and blank
// for a check that failed.
std::vector<std::string> PlaceCells(const CheckRow& check) {
  if (!check.succeeded) return {"", "", ""};
  if (check.rank <= 0) return {kNotFound, "", ""};
  return {std::to_string(check.rank), std::to_string(check.page), std::to_string(check.position)};
}

QCategoryAxis* RankAxis(int notFound) {
  auto* axis = new QCategoryAxis;
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->setReverse(true);  // rank 1 at the top
  axis->setRange(0.5, notFound + 0.5);
  axis->setStartValue(0.5);
  axis->append("1", 1);
  for (int rank = 10; rank < notFound; rank += 10) axis->append(QString::number(rank), rank);
  axis->append(kNotFound, notFound);
  axis->setTitleText("Rank");
  return axis;
}

QDateTimeAxis* DateAxis(const KeywordHistory& history) {
  QDateTime first, last;
  for (const EngineSeries& series : history.series) {
    for (const CheckRow& check : series.checks) {
      const QDateTime at = DateOf(check);
      if (!first.isValid() || at < first) first = at;
      if (!last.isValid() || at > last) last = at;
    }
  }
  // A single date gets a day either side, so its points sit mid-chart.
  if (first == last) {
    first = first.addDays(-1);
    last = last.addDays(1);
  }
  auto* axis = new QDateTimeAxis;
  axis->setFormat("yyyy-MM-dd");
  axis->setRange(first, last);
  axis->setTickCount(5);
  axis->setTitleText("Date");
  return axis;
}

}  // namespace

HistoryWindow::HistoryWindow(KeywordHistory history, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), history_(std::move(history)), dialogs_(dialogs) {
  setObjectName("frmHistory");
  setWindowTitle(kWindowTitle + ToQt(history_.keyword));
  chart_ = new QChart;
  chart_->setTitle(ToQt(history_.keyword));
  chart_->addAxis(DateAxis(history_), Qt::AlignBottom);
  chart_->addAxis(RankAxis(history_.notFoundLevel), Qt::AlignLeft);
  chartView_ = new QChartView(chart_, this);
  chartView_->setRenderHint(QPainter::Antialiasing);
  chartView_->setMinimumSize(560, 360);

  engines_ = new QListWidget(this);
  for (const EngineSeries& series : history_.series) {
    auto* item = new QListWidgetItem(ToQt(series.engine), engines_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  engines_->setMaximumWidth(200);
  connect(engines_, &QListWidget::itemChanged, this, [this] { ShowChosen(); });

  table_ = new QTableWidget(0, kTableColumns.size(), this);
  table_->setHorizontalHeaderLabels(kTableColumns);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);  // Tab goes on to the buttons; arrows walk the rows
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);

  hover_ = new QLabel(this);
  auto* csv = new QPushButton("Export &CSV...", this);
  auto* png = new QPushButton("Export &PNG...", this);
  auto* close = new QPushButton("&Close", this);
  connect(csv, &QPushButton::clicked, this, [this] { ChooseAndExport(false); });
  connect(png, &QPushButton::clicked, this, [this] { ChooseAndExport(true); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(engines_);
  splitter->addWidget(chartView_);
  splitter->addWidget(table_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({140, 640, 440});
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(hover_, 1);
  buttons->addWidget(csv);
  buttons->addWidget(png);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);
  resize(1240, 600);
  ShowChosen();
}

std::vector<const EngineSeries*> HistoryWindow::ChosenSeries() const {
  std::vector<const EngineSeries*> chosen;
  for (int i = 0; i < engines_->count(); ++i) {
    if (engines_->item(i)->checkState() == Qt::Checked) {
      chosen.push_back(&history_.series[static_cast<std::size_t>(i)]);
    }
  }
  return chosen;
}

void HistoryWindow::ShowChosen() {
  chart_->removeAllSeries();
  struct Row {
    const CheckRow* check;
    std::size_t order;
  };
  std::vector<Row> rows;
  const auto chosen = ChosenSeries();
  for (std::size_t s = 0; s < chosen.size(); ++s) {
    const EngineSeries& series = *chosen[s];
    auto* line = new QLineSeries;
    line->setName(ToQt(series.engine));
    line->setPointsVisible(true);
    for (const CheckRow& check : series.checks) {
      if (IsDrawn(check)) {
        line->append(static_cast<qreal>(DateOf(check).toMSecsSinceEpoch()),
                     LevelOf(check, history_.notFoundLevel));
      }
      rows.push_back({&check, s});
    }
    chart_->addSeries(line);
    for (QAbstractAxis* axis : chart_->axes()) line->attachAxis(axis);
    connect(line, &QLineSeries::hovered, this, [this, &series](const QPointF& point, bool entered) {
      ShowHovered(series, point.x(), entered);
    });
  }
  // The table: oldest first, engines of one date in the chosen order.
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    if (a.check->date != b.check->date) return a.check->date < b.check->date;
    return a.order < b.order;
  });
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const CheckRow& check = *rows[static_cast<std::size_t>(r)].check;
    const std::vector<std::string> cells = CheckCells(check);
    const std::vector<std::string> place = PlaceCells(check);
    const std::string date = DateOf(check).toString("yyyy-MM-dd hh:mm").toStdString();
    const std::vector<std::string> shown = {date, cells[2], place[0], place[1], place[2], cells[6]};
    for (int c = 0; c < static_cast<int>(shown.size()); ++c) {
      table_->setItem(r, c, new QTableWidgetItem(ToQt(shown[static_cast<std::size_t>(c)])));
    }
  }
}

void HistoryWindow::ShowHovered(const EngineSeries& series, double x, bool entered) {
  // The drawn check nearest in time to where the pointer meets the line.
  const CheckRow* nearest = nullptr;
  for (const CheckRow& check : series.checks) {
    if (IsDrawn(check) &&
        (nearest == nullptr || std::abs(DateOf(check).toMSecsSinceEpoch() - x) <
                                   std::abs(DateOf(*nearest).toMSecsSinceEpoch() - x))) {
      nearest = &check;
    }
  }
  if (!entered || nearest == nullptr) {
    hover_->clear();
    return;
  }
  const QString rank = nearest->rank > 0 ? QString("rank %1").arg(nearest->rank) : kNotFound;
  hover_->setText(
      QString("%1, %2: %3")
          .arg(ToQt(series.engine), DateOf(*nearest).toString("yyyy-MM-dd hh:mm"), rank));
}

std::string HistoryWindow::ViewCsv() const {
  std::string csv = CsvLine(CheckColumns());
  for (const EngineSeries* series : ChosenSeries()) {
    for (const CheckRow& check : series->checks) {
      std::vector<std::string> cells = CheckCells(check);
      for (std::string& cell : cells) cell = Cp1252ToUtf8(cell);
      csv += CsvLine(cells);
    }
  }
  return csv;
}

bool HistoryWindow::ExportCsv(const std::string& path) const {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string csv = ViewCsv();
  file.write(csv.data(), static_cast<qint64>(csv.size()));
  return file.commit();
}

bool HistoryWindow::ExportPng(const std::string& path) const {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  return chartView_->grab().save(&file, "PNG") && file.commit();
}

void HistoryWindow::ChooseAndExport(bool png) {
  const std::string extension = png ? "png" : "csv";
  const FileDialogAnswer answer = dialogs_.ChooseSaveFile(
      {png ? "Export PNG" : "Export CSV", png ? "PNG images (*.png)" : "CSV files (*.csv)", "",
       history_.keyword + "." + extension, extension});
  const std::optional<std::string>& path = answer.path;
  if (!path) return;
  if (!(png ? ExportPng(*path) : ExportCsv(*path))) {
    dialogs_.ShowMessage(kExportFailed + *path, FromQt(windowTitle()), MessageButtons::Ok,
                         MessageIcon::Stop);
  }
}

void ShowHistoryWindow(ProjectHistory* history, const ProjectState& project,
                       const ui::SelectedKeyword& keyword, Dialogs& dialogs, QWidget* parent) {
  const char* problem = nullptr;
  KeywordHistory shown;
  if (history == nullptr) {
    problem = kNoHistory;
  } else if (!keyword || keyword->empty()) {
    problem = kNoKeyword;
  } else {
    const SqliteStatus status =
        ReadKeywordHistory(history->Store(), *keyword, project.SelectedEngines, shown);
    if (!status.ok()) {
      dialogs.ShowMessage(status.message, kWindowTitle + *keyword, MessageButtons::Ok,
                          MessageIcon::Stop);
      return;
    }
    if (shown.series.empty()) problem = kNoChecks;
  }
  if (problem != nullptr) {
    dialogs.ShowMessage(problem, "History", MessageButtons::Ok, MessageIcon::Information);
    return;
  }
  // One History view at a time: a new one replaces the old.
  if (auto* old = parent ? parent->findChild<HistoryWindow*>("frmHistory") : nullptr) {
    old->close();
  }
  auto* window = new HistoryWindow(std::move(shown), dialogs, parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
}

}  // namespace kestrova

// The History view offscreen: a series per chosen engine with rank 1 at the top
// and "not found" on the bottom line, the value under the pointer, the table,
// both exports, and View > History in the main window.
#include <QCategoryAxis>
#include <QChart>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QTableWidget>
#include <vector>

#include "base/Files.h"
#include "gui/GuiWindow.h"
#include "qt/HistoryWindow.h"
#include "support/CheckRecords.h"

namespace kestrova {
namespace {

RankingRecord Record(const std::string& engine, int rank, const std::string& checkedAt) {
  return test::CheckRecord("blue widgets", engine, rank, checkedAt);
}

// Google 5, 3, 1 and Lycos 8, not found, 2 on three dates; then Lycos fails.
void RecordFourRuns(ProjectHistory& history) {
  const char* dates[] = {"03/01/2024 10:00:00 AM", "03/08/2024 10:00:00 AM",
                         "03/15/2024 10:00:00 AM"};
  const Integer google[] = {5, 3, 1}, lycos[] = {8, 0, 2};
  for (int run = 0; run < 3; ++run) {
    history.RunStarted(MakeDate({2024, 3, 1 + 7 * run, 10, 0, 0}), 1);
    history.RecordWritten(Record("Google", google[run], dates[run]));
    history.RecordWritten(Record("Lycos", lycos[run], dates[run]));
    history.RunEnded(MakeDate({2024, 3, 1 + 7 * run, 10, 1, 0}), false);
  }
  history.RunStarted(MakeDate({2024, 3, 22, 10, 0, 0}), 1);
  history.RecordWritten(Record("Lycos", -1, "03/22/2024 10:00:00 AM"));
  history.RunEnded(MakeDate({2024, 3, 22, 10, 1, 0}), false);
}

std::vector<QString> RowOf(const QTableWidget& table, int row) {
  std::vector<QString> cells;
  for (int c = 0; c < table.columnCount(); ++c) cells.push_back(table.item(row, c)->text());
  return cells;
}

QList<QPointF> PointsOf(QChart& chart, const QString& engine) {
  for (QAbstractSeries* series : chart.series()) {
    if (series->name() == engine) return static_cast<QLineSeries*>(series)->points();
  }
  return {};
}

TEST(HistoryWindow, DrawsEachEngineOverTimeAndExportsWhatItShows) {
  test::GuiApp();
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  auto history = OpenProjectHistory(folder / "site.rnk", ProjectState{}, dialogs);
  ASSERT_NE(history, nullptr);
  RecordFourRuns(*history);
  KeywordHistory data;
  ASSERT_TRUE(ReadKeywordHistory(history->Store(), "blue widgets", {"Lycos"}, data).ok());
  HistoryWindow window(data, dialogs);
  EXPECT_EQ(window.windowTitle(), "History - blue widgets");

  QChart& chart = window.Chart();
  ASSERT_EQ(chart.series().size(), 2);
  EXPECT_EQ(chart.series()[0]->name(), "Lycos");  // the chosen order
  const auto lycos = PointsOf(chart, "Lycos");
  ASSERT_EQ(lycos.size(), 3) << "the failed check measured nothing, so it is no point";
  EXPECT_EQ(lycos[0].y(), 8);
  EXPECT_EQ(lycos[1].y(), data.notFoundLevel);  // not found: on the bottom line
  EXPECT_LT(lycos[0].x(), lycos[1].x());
  auto* ranks = qobject_cast<QCategoryAxis*>(chart.axes(Qt::Vertical).front());
  ASSERT_NE(ranks, nullptr);
  EXPECT_TRUE(ranks->isReverse());  // rank 1 at the top
  EXPECT_TRUE(ranks->categoriesLabels().contains("not found"));
  ASSERT_EQ(window.Table().rowCount(), 7);
  using Row = std::vector<QString>;
  EXPECT_EQ(RowOf(window.Table(), 0), (Row{"2024-03-01 10:00", "Lycos", "8", "1", "8", "Success"}));
  EXPECT_EQ(RowOf(window.Table(), 2),
            (Row{"2024-03-08 10:00", "Lycos", "not found", "", "", "Success"}));
  EXPECT_EQ(RowOf(window.Table(), 6), (Row{"2024-03-22 10:00", "Lycos", "", "", "", "Failed"}));

  // The pointer on Google's line near 8 March shows that check.
  auto* google = static_cast<QLineSeries*>(chart.series()[1]);
  emit google->hovered(QPointF(PointsOf(chart, "Google")[1].x() + 3600e3, 3), true);
  EXPECT_EQ(window.HoverLabel().text(), "Google, 2024-03-08 10:00: rank 3");
  emit google->hovered(QPointF(), false);
  EXPECT_TRUE(window.HoverLabel().text().isEmpty());

  // Near the failed check, the pointer shows the last one that was measured.
  auto* lycosLine = static_cast<QLineSeries*>(chart.series()[0]);
  emit lycosLine->hovered(QPointF(lycos[2].x() + 6 * 86400e3, 3), true);
  EXPECT_EQ(window.HoverLabel().text(), "Lycos, 2024-03-15 10:00: rank 2");

  // Unchoosing Lycos takes it out of the chart, the table and the exports.
  window.Engines().item(0)->setCheckState(Qt::Unchecked);
  ASSERT_EQ(chart.series().size(), 1);
  EXPECT_EQ(window.Table().rowCount(), 3);
  const std::string csv = window.ViewCsv();
  EXPECT_EQ(csv,
            "date,keyword,engine,rank,page,position,result\r\n"
            "2024-03-01T10:00:00,blue widgets,Google,5,1,5,Success\r\n"
            "2024-03-08T10:00:00,blue widgets,Google,3,1,3,Success\r\n"
            "2024-03-15T10:00:00,blue widgets,Google,1,1,1,Success\r\n");
  ASSERT_TRUE(window.ExportCsv(folder / "view.csv"));
  std::string written;
  ASSERT_TRUE(ReadWholeFile(folder / "view.csv", written));
  EXPECT_EQ(written, csv);
  window.resize(900, 500);
  ASSERT_TRUE(window.ExportPng(folder / "view.png"));
  QImage image(QString::fromStdString(folder / "view.png"));
  EXPECT_FALSE(image.isNull());
  EXPECT_FALSE(window.ExportCsv(folder / "missing-folder/view.csv"));
}

TEST(HistoryWindow, TheMainWindowOpensItForTheChosenKeywordOrSaysWhyNot) {
  test::GuiApp();
  test::TempFolder folder;
  ProjectState project;
  project.Domain = "www.example.com";
  project.KeywordText = "blue widgets";
  project.TimeOutSecs = 50;
  project.KeywordDepth = 30;
  project.ReportDirectory = folder / "Results";
  SyncEngineLists(project, Catalogue());
  project.Rankings = {Record("Google", 4, "03/01/2024 10:00:00 AM")};
  const std::string path = folder / "site.rnk";
  ASSERT_TRUE(WriteProjectFile(path, project));

  test::ScriptedDialogs unused;
  ShowHistoryWindow(nullptr, project, std::string("blue widgets"), unused, nullptr);
  ASSERT_EQ(unused.messages.size(), 1u);  // a project without a file keeps no history
  EXPECT_NE(unused.messages[0].text.find("keeps no history yet"), std::string::npos);

  test::GuiWindow window(folder);
  window->StartUp({path});  // seeds the history from the record
  EXPECT_TRUE(FileExists(path + "-history.db"));
  window.Action("&History...").trigger();
  auto* view = window->findChild<HistoryWindow*>("frmHistory");
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->Chart().series().size(), 1);
  EXPECT_EQ(view->Table().item(0, 2)->text(), "4");
}

}  // namespace
}  // namespace kestrova

// The History view of a project with three weekly runs on four engines, shown
// until it is closed (or for a minute), for the screenshot harness.
#include <QApplication>
#include <QTimer>

#include "qt/HistoryWindow.h"
#include "support/CheckRecords.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

RankingRecord Record(const std::string& engine, int rank, const std::string& checkedAt) {
  return test::CheckRecord("blue widgets", engine, rank, checkedAt);
}

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv) {
  using namespace kestrova;
  QApplication app(argc, argv);
  test::TempFolder folder("kestrova-screenshot-");
  test::ScriptedDialogs dialogs;
  auto history = OpenProjectHistory(folder / "shop.rnk", ProjectState{}, dialogs);
  if (!history) return 1;
  const char* dates[] = {"03/01/2024 10:00:00 AM", "03/08/2024 10:00:00 AM",
                         "03/15/2024 10:00:00 AM"};
  const std::vector<std::pair<std::string, std::vector<Integer>>> ranks = {
      {"Google", {14, 7, 1}},
      {"AltaVista", {3, 3, 12}},
      {"Lycos", {25, 0, 9}},
      {"Yahoo", {0, 0, 0}}};
  for (int run = 0; run < 3; ++run) {
    history->RunStarted(MakeDate({2024, 3, 1 + 7 * run, 10, 0, 0}), 1);
    for (const auto& [engine, engineRanks] : ranks) {
      history->RecordWritten(
          Record(engine, engineRanks[static_cast<std::size_t>(run)], dates[run]));
    }
    history->RunEnded(MakeDate({2024, 3, 1 + 7 * run, 10, 1, 0}), false);
  }
  KeywordHistory data;
  if (!ReadKeywordHistory(history->Store(), "blue widgets", {"Google", "AltaVista", "Lycos"}, data)
           .ok()) {
    return 1;
  }
  HistoryWindow window(data, dialogs);
  window.move(20, 20);
  window.show();
  QTimer::singleShot(60000, &app, &QApplication::quit);
  return app.exec();
}

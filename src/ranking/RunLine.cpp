#include "ranking/RunLine.h"

#include <optional>
#include <vector>

#include "base/Numbers.h"
#include "ranking/RecordUpdate.h"
#include "ranking/RunRanking.h"
#include "ranking/RunTexts.h"

namespace kestrova {
namespace {

int PercentDone(std::size_t done, std::size_t selected) {
  if (selected == 0) return 100;
  return static_cast<int>(RoundHalfEven(static_cast<double>(done) * 100.0 / selected));
}

void ShowEnginesDone(RunObserver& observer, std::size_t done, std::size_t selected) {
  observer.Progress(PercentDone(done, selected), EnginesDoneCaption(done, selected));
}

// The outcome goes where the one-at-a-time run puts it: what the check noted,
// then its record, taken now and in list order so free records are reused in
// the same order.
void Apply(RunServices& services, RecordIndex& index, const std::string& line,
           const std::string& engine, const CheckDone& done) {
  ProjectState& project = services.project;
  done.log.Replay(services.reports, services.observer, services.messenger);
  const auto slot = RecordSlotFor(project, index, line, engine);
  if (!slot) {
    services.observer.WriteFailed("ranking record (the list is full)");
    return;
  }
  RankingRecord& record = project.Rankings[*slot];
  UpdateRankingRecord(record, done.outcome, line, engine, project.Domain, project.KeywordDepth,
                      FormatRecordDate(services.clock.Now()));
  index.Taken(*slot, line, engine);
  if (services.history) services.history->RecordWritten(record);
  services.observer.RecordWritten(record);
}

// The engines of the line and which of them are out with a worker.
class LinePlan {
 public:
  explicit LinePlan(std::vector<std::string> engines)
      : engines_(std::move(engines)), finished_(engines_.size()), out_(engines_.size()) {}

  std::size_t Count() const { return engines_.size(); }
  const std::string& Engine(std::size_t slot) const { return engines_[slot]; }
  std::size_t Started() const { return started_; }
  std::size_t Applied() const { return applied_; }

  // The next engine may start unless a check of the same engine is still out:
  // one request per host at a time, and no two checks writing the same pages.
  bool NextMayStart() const {
    if (started_ == engines_.size()) return false;
    for (std::size_t slot = applied_; slot < started_; ++slot) {
      if (out_[slot] && engines_[slot] == engines_[started_]) return false;
    }
    return true;
  }
  std::size_t TakeNext() {
    out_[started_] = true;
    return started_++;
  }
  void Finished(CheckDone done) {
    out_[done.slot] = false;
    const std::size_t slot = done.slot;
    finished_[slot] = std::move(done);
  }
  // The next engine in list order, once its check has ended.
  std::optional<CheckDone> TakeApplicable() {
    if (applied_ == started_ || !finished_[applied_]) return std::nullopt;
    std::optional<CheckDone> done = std::move(finished_[applied_]);
    finished_[applied_].reset();
    ++applied_;
    return done;
  }

 private:
  std::vector<std::string> engines_;
  std::vector<std::optional<CheckDone>> finished_;
  std::vector<bool> out_;
  std::size_t started_ = 0;
  std::size_t applied_ = 0;
};

}  // namespace

std::string EnginesDoneCaption(std::size_t done, std::size_t selected) {
  return FormatDigits(PercentDone(done, selected), 2) + "%   " +
         FormatDigits(static_cast<long long>(done), 2) + " of " +
         FormatDigits(static_cast<long long>(selected), 2) + " engines done";
}

bool CheckLine(RunServices& services, RecordIndex& index, CheckWorkers& workers,
               const std::string& line) {
  services.reports.KeywordLogKeyword();
  // A copy: the list is not to change under the run, whatever the window does.
  LinePlan plan(services.project.SelectedEngines);
  const std::size_t count = plan.Count();
  ShowEnginesDone(services.observer, 0, count);
  bool stopped = false;
  for (;;) {
    // Stop is pressed while the run's thread yields; it reaches the checks in
    // flight through the workers, and nothing new starts after it.
    if (!stopped && services.net.StopRequested) {
      stopped = true;
      workers.Stop();
    }
    while (!stopped && workers.InFlight() < workers.Count() && plan.NextMayStart()) {
      const std::size_t slot = plan.TakeNext();
      services.observer.StatusText(texts::kSearchingPrefix + plan.Engine(slot) + " ] engine " +
                                   FormatDigits(static_cast<long long>(slot + 1), 2) + " of " +
                                   FormatDigits(static_cast<long long>(count), 2));
      workers.Start({slot, line, plan.Engine(slot)});
    }
    if (plan.Applied() == plan.Started()) break;  // all done, or stopped with none out
    for (CheckDone& done : workers.TakeFinished(kRunPollSlice)) plan.Finished(std::move(done));
    while (std::optional<CheckDone> done = plan.TakeApplicable()) {
      Apply(services, index, line, plan.Engine(plan.Applied() - 1), *done);
      ShowEnginesDone(services.observer, plan.Applied(), count);
    }
    services.messenger.Yield();
  }
  // A Stop pressed while the last record was written still ends the run here.
  if (services.net.StopRequested) stopped = true;
  if (stopped) services.reports.KeywordLogAborted();
  return !stopped;
}

}  // namespace kestrova

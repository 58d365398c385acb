// What a run tells the project's history as it goes: that it started, every
// record it writes (one check of one keyword on one engine), and how it ended.
// The history store lives above the run and implements this; a run without
// one (RunServices::history null) keeps only the latest records, as always.
#pragma once

#include "base/Date.h"
#include "ranking/ProjectState.h"

namespace kestrova {

class RunHistory {
 public:
  virtual ~RunHistory() = default;

  // Before the first check; `jobs` is how many engine checks may run at once.
  virtual void RunStarted(Date start, int jobs) = 0;
  // Right after `record` was written with a check's outcome. Whatever the
  // history keeps of it must be safe on disk when this returns, so a crash or
  // Stop loses at most the check in flight.
  virtual void RecordWritten(const RankingRecord& record) = 0;
  // After the last check; `stopped` when Stop ended the run early.
  virtual void RunEnded(Date end, bool stopped) = 0;
};

}  // namespace kestrova

// One keyword line of a run: its engines checked by the workers, at most one
// check per engine at a time, and their outcomes written back in list order on
// the run's thread, which yields to the application while it waits.
#pragma once

#include <string>

#include "ranking/CheckWorkers.h"
#include "ranking/RecordIndex.h"
#include "ranking/RunServices.h"

namespace kestrova {

// How long the run's thread waits for a check before it yields again.
inline constexpr std::chrono::milliseconds kRunPollSlice{25};

// Checks `line` on every selected engine; false when Stop ended it. `index`
// is the run's index over the records, told of every record written.
bool CheckLine(RunServices& services, RecordIndex& index, CheckWorkers& workers,
               const std::string& line);

// "50%   17 of 34 engines done": the progress caption of a line.
std::string EnginesDoneCaption(std::size_t done, std::size_t selected);

}  // namespace kestrova

// A new history starts with what the project already holds: one "seed" run
// with a check for every record, dated by the record's CheckedAt.
#pragma once

#include "history/HistoryStore.h"
#include "ranking/ProjectState.h"

namespace kestrova {

// One transaction. Free records are left out; a record whose CheckedAt cannot
// be read is dated by the project's last run, or left out when it never ran.
// No records: no seed run.
SqliteStatus SeedFromRecords(HistoryStore& store, const ProjectState& project);

}  // namespace kestrova

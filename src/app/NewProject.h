// What a project starts with, in one place: the project the window opens with,
// the window's New command and `kestrova-cli new` all begin here.
#pragma once

#include <string>

#include "base/Numbers.h"
#include "ranking/ProjectState.h"

namespace kestrova {

inline constexpr Integer kNewTimeOutSecs = 50;  // what a field with no valid time-out falls back to
inline constexpr Integer kNewKeywordDepth = 30;  // three result pages

// A project for `domain` without a file ("(none)"), never run, with the
// default time-out and depth and its reports in `reportDirectory`. Its engine
// lists are empty: the caller selects engines and completes the lists
// (SyncEngineLists).
ProjectState NewProjectState(const std::string& domain, const std::string& reportDirectory);

}  // namespace kestrova

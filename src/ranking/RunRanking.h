// The ranking run: every line of the keyword text on every selected engine, one
// record per pair, with the Log and Master reports open around the checks and
// the Ranking report written at the end. Within a line up to `jobs` engines
// are checked at once; records, Keyword Log lines and messages still follow
// the list order, so a run leaves exactly what a one-at-a-time run leaves.
// Stop ends the checks in flight after their current page.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ranking/PageFetcher.h"
#include "ranking/RunServices.h"

namespace kestrova {

class RecordIndex;

// The run's own state, shared with the window while it runs.
struct RunState {
  bool RunInProgress = false;
  std::string LastRunKeyword;  // the last keyword line the run processed
};

// How many engine checks may be in flight at once: 1 is the one-at-a-time run.
inline constexpr int kDefaultJobs = 8;
inline constexpr int kMaxJobs = 64;
// A jobs value brought into 1 to kMaxJobs.
int ClampJobs(long long jobs);

// Taken from the window's fields when the run starts.
struct RunSettings {
  std::string userAgent;  // txtUserAgentToUse; trimmed here
  ProxySetting proxy;
  // The project's edit notice (caption and Modified); empty: just sets Modified.
  std::function<void()> markModified;
  int jobs = kDefaultJobs;  // clamped here
};

enum class RunEnd {
  Finished,  // every line and engine was checked
  Stopped,   // Stop ended the run; the records written so far stay
  Declined,  // the missing report folder was not to be made; nothing changed
};

RunEnd RunRanking(RunServices& services, RunState& state, const RunSettings& settings);

// The keyword text's lines, split at CR LF; an empty text has none.
std::vector<std::string> KeywordLines(const std::string& keywordText);
// The first of those lines that is not empty; empty when there is none.
std::string FirstKeywordLine(const std::string& keywordText);

// Index (0-based) of the record for `keyword` on `engine`, or of the first free
// one, growing the list by one when there is neither. Nothing when the list is
// full (32,767 records). `index` is the run's index over the records; the
// caller tells it of the record it then writes.
std::optional<std::size_t> RecordSlotFor(ProjectState& project, const RecordIndex& index,
                                         const std::string& keyword, const std::string& engine);

}  // namespace kestrova

// What a run shows while it works: the status-bar text and the progress display.
// The window's form model and the command line's progress line both listen here.
#pragma once

#include <string_view>

#include "ranking/ProjectState.h"

namespace kestrova {

class RunObserver {
 public:
  virtual ~RunObserver() = default;

  // Third panel of the status bar; empty clears it.
  virtual void StatusText(std::string_view text) = 0;
  // The progress display: its value and its caption, the engines of the
  // keyword done ("50%   17 of 34 engines done").
  virtual void Progress(int percent, std::string_view caption) = 0;
  virtual void ProgressVisible(bool visible) = 0;
  // A keyword line's checks begin: line `number` of the `count` lines with text
  // (both from 1), for a progress across the whole run.
  virtual void LineStarted(int /*number*/, int /*count*/, std::string_view /*line*/) {}
  // Something could not be written; the run goes on and the user should hear of it.
  virtual void WriteFailed(std::string_view what) = 0;
  // A check's record was just written (in list order), so a grid may show it.
  virtual void RecordWritten(const RankingRecord& /*record*/) {}
};

// Shows nothing; for callers that only want the records.
class SilentRunObserver final : public RunObserver {
 public:
  void StatusText(std::string_view) override {}
  void Progress(int, std::string_view) override {}
  void ProgressVisible(bool) override {}
  void WriteFailed(std::string_view) override {}
};

}  // namespace kestrova

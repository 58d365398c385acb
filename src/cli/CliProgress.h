// A run's progress on stderr: a bar redrawn in place on a terminal, plain
// lines otherwise (one per engine and per result page).
#pragma once

#include <iosfwd>
#include <string>

#include "ranking/RunObserver.h"

namespace kestrova::cli {

class CliProgress final : public RunObserver {
 public:
  CliProgress(std::ostream& err, bool terminal) : err_(err), terminal_(terminal) {}
  ~CliProgress() override;

  void StatusText(std::string_view text) override;
  void Progress(int percent, std::string_view caption) override;
  void ProgressVisible(bool visible) override;
  void WriteFailed(std::string_view what) override;

  // How many outputs the run could not write.
  int LostOutputs() const { return lostOutputs_; }

 private:
  void DrawBar(int percent);
  void EndBar();

  std::ostream& err_;
  bool terminal_;
  bool barShown_ = false;
  std::string status_;
  std::string caption_;
  int lostOutputs_ = 0;
};

}  // namespace kestrova::cli

// What one engine check has to show and write besides its saved pages: its
// Keyword Log lines, the messages and the write failures the person must hear
// of. A check runs on its worker's thread and only notes them here; the run's
// thread replays them in list order, so the Log and the messages come out as
// a one-at-a-time run leaves them.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/Messenger.h"
#include "ranking/RunObserver.h"
#include "ranking/RunReports.h"

namespace kestrova {

class CheckLog {
 public:
  // One Keyword Log line for a fetched page (copied).
  void Page(const LoggedPage& page);
  // A message box (OK only: the check goes on whatever the answer).
  void Message(std::string_view text, std::string_view title, MessageIcon icon);
  // Something could not be written.
  void WriteFailed(std::string_view what);
  // The check is over: its closing Keyword Log line.
  void End();

  // Everything noted, in order, through the run's seams.
  void Replay(RunReports& reports, RunObserver& observer, Messenger& messenger) const;
  bool Empty() const { return entries_.empty(); }

 private:
  struct PageLine {
    std::string color, status, savedPath;
    int pageIndex;
    std::string keyword, engine;
  };
  struct Shown {
    std::string text, title;
    MessageIcon icon;
  };
  struct Failed {
    std::string what;
  };
  struct Ended {};
  std::vector<std::variant<PageLine, Shown, Failed, Ended>> entries_;
};

}  // namespace kestrova

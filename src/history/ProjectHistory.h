// The open project's history as the run sees it: every record the run writes
// is added to the history file beside the project. Front ends open one with the
// project and hand it to the run through RunServices::history.
#pragma once

#include <memory>
#include <string>

#include "base/Messenger.h"
#include "history/HistoryStore.h"
#include "ranking/RunHistory.h"

namespace kestrova {

// "site.rnk" -> "site.rnk-history.db".
std::string HistoryPathFor(const std::string& projectPath);

class ProjectHistory final : public RunHistory {
 public:
  ProjectHistory(std::unique_ptr<HistoryStore> store, std::string path, Messenger& messenger);

  void RunStarted(Date start, int jobs) override;
  void RecordWritten(const RankingRecord& record) override;
  void RunEnded(Date end, bool stopped) override;

  HistoryStore& Store() { return *store_; }
  const std::string& Path() const { return path_; }
  // False once a write failed: the rest of the run is not kept.
  bool Writing() const { return writing_; }

 private:
  void Check(const SqliteStatus& status);

  std::unique_ptr<HistoryStore> store_;
  std::string path_;
  Messenger& messenger_;
  std::string runStart_;
  bool writing_ = true;
};

// Opens the history of the project at `projectPath`; a missing one is made from
// `project`'s records. A damaged, newer, locked or uncreatable file is left as
// it is: the person is told why and nothing is returned, so the project opens
// and ranks without a history.
std::unique_ptr<ProjectHistory> OpenProjectHistory(const std::string& projectPath,
                                                   const ProjectState& project,
                                                   Messenger& messenger,
                                                   HistoryAccess access = HistoryAccess::ForRun);

}  // namespace kestrova

#include "history/ProjectHistory.h"

#include "history/HistoryDates.h"
#include "history/HistorySeed.h"
#include "history/HistoryTexts.h"

namespace kestrova {
namespace {

std::string Reason(HistoryFailure failure) {
  switch (failure) {
    case HistoryFailure::Newer:
      return history_texts::kNewerSchema;
    case HistoryFailure::Locked:
      return history_texts::kLocked;
    case HistoryFailure::NoAccess:
      return history_texts::kNoAccess;
    case HistoryFailure::CannotCreate:
      return history_texts::kCannotCreate;
    case HistoryFailure::None:
    case HistoryFailure::NotAHistory:
      break;
  }
  return history_texts::kNotAHistory;
}

std::string WithDetail(std::string reason, const std::string& detail) {
  return detail.empty() ? reason : reason + " (" + detail + ")";
}

}  // namespace

std::string HistoryPathFor(const std::string& projectPath) {
  return projectPath + std::string(history_texts::kFileSuffix);
}

ProjectHistory::ProjectHistory(std::unique_ptr<HistoryStore> store, std::string path,
                               Messenger& messenger)
    : store_(std::move(store)), path_(std::move(path)), messenger_(messenger) {}

void ProjectHistory::Check(const SqliteStatus& status) {
  if (status.ok() || !writing_) return;
  writing_ = false;
  messenger_.ShowMessage(std::string(history_texts::kWriteFailedLead) + path_ +
                             history_texts::kWriteFailedMiddle + status.message +
                             history_texts::kWriteFailedTail,
                         history_texts::kTitle, MessageButtons::Ok, MessageIcon::Exclamation);
}

void ProjectHistory::RunStarted(Date start, int jobs) {
  runStart_ = IsoDateText(start);
  writing_ = true;  // a failure of an earlier run is tried again
  Check(store_->BeginRun(history_texts::kRunKind, runStart_, jobs));
}

void ProjectHistory::RecordWritten(const RankingRecord& record) {
  if (!writing_) return;
  if (!store_->HasRun()) Check(store_->BeginRun(history_texts::kRunKind, runStart_, 1));
  const auto parts = ParseRecordDate(record.CheckedAt);
  if (writing_) Check(store_->AddCheck(record, parts ? IsoDateText(*parts) : runStart_));
}

void ProjectHistory::RunEnded(Date end, bool stopped) {
  if (writing_ && store_->HasRun()) Check(store_->EndRun(IsoDateText(end), stopped));
}

std::unique_ptr<ProjectHistory> OpenProjectHistory(const std::string& projectPath,
                                                   const ProjectState& project,
                                                   Messenger& messenger, HistoryAccess access) {
  const std::string path = HistoryPathFor(projectPath);
  HistoryOpenResult opened = HistoryStore::Open(
      path, access, [&project](HistoryStore& store) { return SeedFromRecords(store, project); });
  if (!opened.store) {
    messenger.ShowMessage(
        std::string(history_texts::kOpenFailedLead) + path + history_texts::kOpenFailedMiddle +
            WithDetail(Reason(opened.failure), opened.detail) + history_texts::kOpenFailedTail,
        history_texts::kTitle, MessageButtons::Ok, MessageIcon::Exclamation);
    return nullptr;
  }
  return std::make_unique<ProjectHistory>(std::move(opened.store), path, messenger);
}

}  // namespace kestrova

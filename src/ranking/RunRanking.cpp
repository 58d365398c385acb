#include "ranking/RunRanking.h"

#include <algorithm>

#include "base/Files.h"
#include "base/Text.h"
#include "net/BusyPointer.h"
#include "ranking/EngineCheck.h"
#include "ranking/RecordIndex.h"
#include "ranking/RecordUpdate.h"
#include "ranking/ResultFolders.h"
#include "ranking/RunTexts.h"

namespace kestrova {
namespace {

void Note(RunServices& services, bool ok, const char* what) {
  if (!ok) services.observer.WriteFailed(what);
}

// New lines get their records up front, as free records at the end of the list.
void GrowForNewLines(ProjectState& project, RecordIndex& index,
                     const std::vector<std::string>& lines) {
  std::size_t newLines = 0;
  for (const std::string& line : lines) {
    if (!line.empty() && !index.HasKeyword(line)) ++newLines;
  }
  const std::size_t wanted = project.Rankings.size() + newLines * project.SelectedEngines.size();
  const std::size_t grown = std::min<std::size_t>(wanted, kMaxRecords);
  for (std::size_t slot = project.Rankings.size(); slot < grown; ++slot) index.AddedFree(slot);
  project.Rankings.resize(std::max(grown, project.Rankings.size()));
}

bool AskForReportFolder(RunServices& services) {
  const std::string& folder = services.project.ReportDirectory;
  if (DirExists(folder)) return true;
  const MessageAnswer answer = services.messenger.ShowMessage(
      std::string(texts::kReportDirMissing) + texts::kCrLf + "Create " + folder + "?",
      texts::kTitleCreateDirectoryAsk, MessageButtons::YesNo, MessageIcon::Question);
  if (answer != MessageAnswer::Yes) return false;
  MakeDirectories(folder);
  return true;
}

// Checks one keyword line on every selected engine; false when Stop ended it.
bool CheckLine(RunServices& services, RecordIndex& index, const std::string& line) {
  ProjectState& project = services.project;
  services.reports.KeywordLogKeyword();
  // A copy: the list is not to change under the run, whatever the window does.
  const std::vector<std::string> engines = project.SelectedEngines;
  const long count = static_cast<long>(engines.size());
  for (long e = 0; e < count; ++e) {
    const std::string& engine = engines[static_cast<std::size_t>(e)];
    if (services.net.StopRequested) {
      services.reports.KeywordLogAborted();
    }
    services.observer.StatusText(texts::kSearchingPrefix + engine + " ] engine " +
                                 FormatDigits(e + 1, 2) + " of " + FormatDigits(count, 2));
    const CheckOutcome outcome = CheckEngine(services, line, engine);
    if (const auto slot = RecordSlotFor(project, index, line, engine)) {
      UpdateRankingRecord(project.Rankings[*slot], outcome, line, engine, project.Domain,
                          project.KeywordDepth, FormatRecordDate(services.clock.Now()));
      index.Taken(*slot, line, engine);
      if (services.history) services.history->RecordWritten(project.Rankings[*slot]);
    } else {
      services.observer.WriteFailed("ranking record (the list is full)");
    }
    if (services.net.StopRequested) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> KeywordLines(const std::string& keywordText) {
  std::vector<std::string> lines;
  if (keywordText.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = keywordText.find(texts::kCrLf, start);
    lines.push_back(keywordText.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

std::optional<std::size_t> RecordSlotFor(ProjectState& project, const RecordIndex& index,
                                         const std::string& keyword, const std::string& engine) {
  const int found = index.Find(keyword, engine);
  if (found > 0) return static_cast<std::size_t>(found - 1);
  if (project.Rankings.size() >= static_cast<std::size_t>(kMaxRecords)) return std::nullopt;
  project.Rankings.emplace_back();
  return project.Rankings.size() - 1;
}

RunEnd RunRanking(RunServices& services, RunState& state, const RunSettings& settings) {
  ProjectState& project = services.project;
  NetworkState& net = services.net;
  net.StopRequested = false;
  net.TransferAborted = false;
  net.UserAgent = TrimSpaces(settings.userAgent);
  services.fetcher.SetTimeout(std::chrono::milliseconds(long{project.TimeOutSecs} * 1000));
  services.fetcher.SetProxy(settings.proxy);
  state.RunInProgress = true;
  SetBusyPointer(net, services.messenger, true, true);

  if (!AskForReportFolder(services)) {
    state.RunInProgress = false;
    SetBusyPointer(net, services.messenger, false);
    return RunEnd::Declined;
  }

  project.LastRunDate = services.clock.Now();
  if (services.history) services.history->RunStarted(project.LastRunDate, 1);
  if (settings.markModified) {
    settings.markModified();
  } else if (!project.Loading) {
    project.Modified = true;
  }
  CreateDomainFolder(services);
  Note(services, services.reports.OpenLogReportFile(), "Log.html");
  Note(services, services.reports.OpenMasterReportFile(), "Master.html");
  services.observer.ProgressVisible(true);

  bool stopped = false;
  const std::vector<std::string> lines = KeywordLines(project.KeywordText);
  if (!lines.empty()) {
    // Built once: from here on only this run changes the records.
    RecordIndex index(project.Rankings);
    GrowForNewLines(project, index, lines);
    services.reports.KeywordLogOpening();
    for (const std::string& line : lines) {
      state.LastRunKeyword = line;
      if (line.empty()) continue;
      if (!CheckLine(services, index, line)) {
        stopped = true;
        break;
      }
    }
  }

  net.TransferAborted = false;
  net.FailedAfterTimeout = false;
  state.RunInProgress = false;
  services.observer.StatusText("");
  services.observer.Progress(0, "");
  services.observer.ProgressVisible(false);
  Note(services, services.reports.CloseLogReportFile(), "Log.html");
  Note(services, services.reports.CloseMasterReportFile(), "Master.html");
  Note(services, services.reports.GenerateRankingReport(), "Ranking.html");
  if (services.history) services.history->RunEnded(services.clock.Now(), stopped);
  SetBusyPointer(net, services.messenger, false);
  return stopped ? RunEnd::Stopped : RunEnd::Finished;
}

}  // namespace kestrova

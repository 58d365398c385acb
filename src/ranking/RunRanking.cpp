#include "ranking/RunRanking.h"

#include <algorithm>

#include "base/Files.h"
#include "base/Text.h"
#include "net/BusyPointer.h"
#include "ranking/CheckWorkers.h"
#include "ranking/RecordIndex.h"
#include "ranking/ResultFolders.h"
#include "ranking/RunLine.h"
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

}  // namespace

int ClampJobs(long long jobs) {
  return static_cast<int>(std::clamp<long long>(jobs, 1, kMaxJobs));
}

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

std::string FirstKeywordLine(const std::string& keywordText) {
  for (std::string& line : KeywordLines(keywordText)) {
    if (!line.empty()) return std::move(line);
  }
  return {};
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
  ClearStop(net);
  net.UserAgent = TrimSpaces(settings.userAgent);
  const int jobs = ClampJobs(settings.jobs);
  state.RunInProgress = true;
  SetBusyPointer(net, services.messenger, true, true);

  if (!AskForReportFolder(services)) {
    state.RunInProgress = false;
    SetBusyPointer(net, services.messenger, false);
    return RunEnd::Declined;
  }

  project.LastRunDate = services.clock.Now();
  if (services.history) services.history->RunStarted(project.LastRunDate, jobs);
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
    // What the checks read of the project, fixed for the whole run.
    const CheckParameters parameters = CheckParametersOf(project);
    const int engines = static_cast<int>(project.SelectedEngines.size());
    CheckWorkers workers(std::min(jobs, std::max(engines, 1)), services.catalogue, parameters,
                         services.fetchers, {net.UserAgent, parameters.timeout, settings.proxy});
    const int count = static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [](const auto& line) { return !line.empty(); }));
    int number = 0;
    for (const std::string& line : lines) {
      // An empty line (a text ending in a line break) checks nothing and must
      // not leave the keyword box without a choice after the run.
      if (line.empty()) continue;
      state.LastRunKeyword = line;
      services.observer.LineStarted(++number, count, line);
      if (!CheckLine(services, index, workers, line)) {
        stopped = true;
        break;
      }
    }
  }

  ClearAfterRun(net);
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

// Doubles for driving checks and runs without a network or a report writer:
// a fetcher answering from a script, reports recording their lines, an
// observer recording what it was shown, and a temporary report folder.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/Date.h"
#include "engines/EngineCatalogue.h"
#include "engines/QueryPath.h"
#include "net/NetworkState.h"
#include "ranking/CheckLog.h"
#include "ranking/EngineCheck.h"
#include "ranking/PageFetcher.h"
#include "ranking/ResultPaths.h"
#include "ranking/RunObserver.h"
#include "ranking/RunReports.h"
#include "ranking/RunServices.h"
#include "support/ScriptedMessenger.h"
#include "support/TempFolder.h"

namespace kestrova::test {

// One scripted answer; `timedOut` and `aborted` set the client's flags as a
// real time-out or a broken connection would. `delayMs` keeps the fetch busy
// (yielding) that long; `holdUntilStop` keeps it busy until Stop reaches it.
struct ScriptedAnswer {
  std::string response;
  bool completed = true;
  bool timedOut = false;
  bool aborted = false;
  int delayMs = 0;
  bool holdUntilStop = false;
};

// The scripted engines every fetcher of a run answers from. The script is set
// up before the run; what the fetchers record is guarded, as they run on the
// check workers' threads.
class ScriptedEngines {
 public:
  // Answers by "host path"; anything unscripted gets `fallback`.
  std::map<std::string, ScriptedAnswer> answers;
  ScriptedAnswer fallback{"", true};
  // Called with the fetching worker's flags as each fetch begins.
  std::function<void(NetworkState&)> onRequest;

  // "host path" in the order the fetches began.
  std::vector<std::string> Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }
  // Fetches holding until Stop, right now.
  int Holding() const { return holding_; }
  std::chrono::milliseconds Timeout() const {
    std::lock_guard lock(mutex_);
    return timeout_;
  }
  PageFetcherFactory Factory();

 private:
  friend class ScriptedFetcher;
  const ScriptedAnswer& Begin(const std::string& request) {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    auto found = answers.find(request);
    return found == answers.end() ? fallback : found->second;
  }

  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::chrono::milliseconds timeout_{0};
  std::atomic<int> holding_{0};
};

// One check worker's fetcher over the scripted engines.
class ScriptedFetcher final : public PageFetcher {
 public:
  ScriptedFetcher(ScriptedEngines& engines, NetworkState& net, Messenger& messenger)
      : engines_(engines), net_(net), messenger_(messenger) {}

  FetchResult GetPage(const std::string& host, const std::string& path, bool, Deadline) override {
    // The client starts each fetch with clear flags.
    net_.TimedOut = net_.StopRequested = net_.TransferAborted = false;
    const ScriptedAnswer& answer = engines_.Begin(host + " " + path);
    if (engines_.onRequest) engines_.onRequest(net_);
    Busy(answer);
    net_.TimedOut = net_.TimedOut || answer.timedOut;
    net_.TransferAborted = net_.TransferAborted || answer.aborted;
    // A Stop pressed during the transfer leaves it incomplete.
    FetchResult result;
    result.completed = answer.completed && !net_.StopRequested;
    if (!net_.StopRequested) result.answer = answer.response;
    return result;
  }
  FetchResult HeadPage(const std::string&, const std::string&, Deadline) override { return {}; }
  void SetTimeout(std::chrono::milliseconds value) override {
    std::lock_guard lock(engines_.mutex_);
    engines_.timeout_ = value;
  }
  void SetProxy(const ProxySetting&) override {}
  void CancelTransfer() override {}

 private:
  // Yields as the client does while it waits, so Stop reaches the fetch.
  void Busy(const ScriptedAnswer& answer) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(answer.delayMs);
    if (answer.holdUntilStop) ++engines_.holding_;
    while (!net_.StopRequested &&
           (answer.holdUntilStop || std::chrono::steady_clock::now() < until)) {
      messenger_.Yield();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (answer.holdUntilStop) --engines_.holding_;
  }

  ScriptedEngines& engines_;
  NetworkState& net_;
  Messenger& messenger_;
};

inline PageFetcherFactory ScriptedEngines::Factory() {
  return [this](NetworkState& net, Messenger& messenger) {
    return std::make_unique<ScriptedFetcher>(*this, net, messenger);
  };
}

inline RankingRecord Record(const std::string& keyword, const std::string& engine) {
  RankingRecord record;
  record.Keyword = keyword;
  record.Engine = engine;
  return record;
}

// A record an earlier run left: `keyword` on `engine` at `rank`.
inline RankingRecord OldRecord(const std::string& keyword, const std::string& engine,
                               Integer rank) {
  RankingRecord record = Record(keyword, engine);
  record.Rank = rank;
  record.Succeeded = true;
  record.TrendText = "old";
  return record;
}

// Records report calls ("open log", "ranking", ...) and Keyword Log entries in order:
// "opening", "keyword", "aborted", "end", and for a page
// "color|status|saved path|page index|keyword|engine".
class RecordingReports final : public RunReports {
 public:
  std::vector<std::string> calls, logLines;
  bool OpenLogReportFile() override { return Call("open log"); }
  bool OpenMasterReportFile() override { return Call("open master"); }
  void KeywordLogOpening() override { logLines.emplace_back("opening"); }
  void KeywordLogKeyword() override { logLines.emplace_back("keyword"); }
  void KeywordLogAborted() override { logLines.emplace_back("aborted"); }
  void KeywordLogCheckEnd() override { logLines.emplace_back("end"); }
  void KeywordLogPage(const LoggedPage& page) override {
    logLines.push_back(std::string(page.color) + "|" + std::string(page.status) + "|" +
                       std::string(page.savedPath) + "|" + std::to_string(page.pageIndex) + "|" +
                       std::string(page.keyword) + "|" + std::string(page.engine));
  }
  bool CloseLogReportFile() override { return Call("close log"); }
  bool CloseMasterReportFile() override { return Call("close master"); }
  bool GenerateRankingReport() override { return Call("ranking"); }

 private:
  bool Call(const char* what) {
    calls.emplace_back(what);
    return true;
  }
};

class RecordingObserver final : public RunObserver {
 public:
  std::vector<std::string> statusTexts, captions, failures;
  std::vector<std::string> written;  // "keyword/engine" of every record, in order
  std::vector<std::string> lines;    // "1/2 red" for every keyword line begun
  void LineStarted(int number, int count, std::string_view line) override {
    lines.push_back(std::to_string(number) + "/" + std::to_string(count) + " " + std::string(line));
  }
  void StatusText(std::string_view text) override { statusTexts.emplace_back(text); }
  void Progress(int, std::string_view caption) override { captions.emplace_back(caption); }
  void ProgressVisible(bool) override {}
  void WriteFailed(std::string_view what) override { failures.emplace_back(what); }
  void RecordWritten(const RankingRecord& record) override {
    written.push_back(record.Keyword + "/" + record.Engine);
  }
};

// A whole run's surroundings over a fresh temporary report folder.
struct RunFixture {
  RunFixture() {
    project.Domain = "www.mysite.com";
    project.ReportDirectory = folder.path();
    project.KeywordDepth = 20;
    project.TimeOutSecs = 5;
  }

  TempFolder folder{"kestrova-run-"};
  ProjectState project;
  NetworkState net;
  ScriptedEngines engines;
  ScriptedMessenger dialogs;
  FixedClock clock{MakeDate({2024, 3, 9, 14, 5, 6})};
  RecordingObserver observer;
  RecordingReports reports;
  RunServices services{project, Catalogue(), net,      engines.Factory(),
                       dialogs, clock,       observer, reports};

  // One engine check as a worker runs it, on this thread, with what it noted
  // replayed as the run would; `checkNet` and `checkMessenger` are the worker's.
  NetworkState checkNet;
  ScriptedMessenger checkMessenger;
  CheckOutcome Check(std::string_view keyword, std::string_view engine,
                     const EngineCatalogue& catalogue = Catalogue()) {
    const CheckParameters parameters = CheckParametersOf(project);
    CheckLog log;
    ScriptedFetcher fetcher(engines, checkNet, checkMessenger);
    CheckServices check{catalogue, parameters, checkNet, fetcher, checkMessenger, log};
    const CheckOutcome outcome = CheckEngine(check, keyword, engine);
    log.Replay(reports, observer, dialogs);
    return outcome;
  }

  // A result page of the engine named "Google" listing `urls` from position 1.
  static std::string GooglePage(const std::vector<std::string>& urls) {
    std::string page =
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<HTML><body>Search took 0.1s";
    for (const std::string& url : urls) page += "<p><a href=" + url + ">" + url + "</a>\n";
    return page + "</body></HTML>";
  }
  // Scripts engine `engine`'s page index `pageIndex` for `keyword`.
  void Script(const std::string& engine, const std::string& keyword, int pageIndex,
              ScriptedAnswer answer) {
    const EngineRecord& record = Catalogue().At(FindEngineIndex(engine));
    const QueryRequest request =
        BuildKeywordQuery(record, keyword, static_cast<Integer>(pageIndex));
    engines.answers[request.Host + " " + request.Path] = std::move(answer);
  }
  void ScriptGoogle(const std::string& keyword, int pageIndex, ScriptedAnswer answer) {
    Script("Google", keyword, pageIndex, std::move(answer));
  }
  std::string KeywordsFolder(const std::string& engine) const {
    return KeywordsFolderPath(project.ReportDirectory, project.Domain, engine);
  }
};

}  // namespace kestrova::test

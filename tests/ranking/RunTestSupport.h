// Doubles for driving checks and runs without a network or a report writer:
// a fetcher answering from a script, reports recording their lines, an
// observer recording what it was shown, and a temporary report folder.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "base/Date.h"
#include "engines/EngineCatalogue.h"
#include "engines/QueryPath.h"
#include "net/NetworkState.h"
#include "ranking/PageFetcher.h"
#include "ranking/ResultPaths.h"
#include "ranking/RunObserver.h"
#include "ranking/RunReports.h"
#include "ranking/RunServices.h"
#include "support/ScriptedMessenger.h"
#include "support/TempFolder.h"

namespace kestrova::test {

// One scripted answer; `timedOut` and `aborted` set the client's flags as a
// real time-out or a broken connection would.
struct ScriptedAnswer {
  std::string response;
  bool completed = true;
  bool timedOut = false;
  bool aborted = false;
};

class ScriptedFetcher final : public PageFetcher {
 public:
  explicit ScriptedFetcher(NetworkState& net) : net_(net) {}

  // Answers by "host path"; anything unscripted gets `fallback`.
  std::map<std::string, ScriptedAnswer> answers;
  ScriptedAnswer fallback{"", true};
  std::vector<std::string> requests;  // "host path" in order
  std::function<void()> onRequest;
  std::chrono::milliseconds timeout{0};
  int cancels = 0;

  FetchedPage GetPage(const std::string& host, const std::string& path, bool) override {
    // The client starts each fetch with clear flags.
    net_.TimedOut = net_.StopRequested = net_.TransferAborted = false;
    requests.push_back(host + " " + path);
    auto found = answers.find(requests.back());
    const ScriptedAnswer& answer = found == answers.end() ? fallback : found->second;
    net_.TimedOut = answer.timedOut;
    net_.TransferAborted = answer.aborted;
    if (onRequest) onRequest();
    // A Stop pressed during the transfer leaves it incomplete.
    return {answer.response, answer.completed && !net_.StopRequested};
  }
  FetchedPage HeadPage(const std::string&, const std::string&) override { return {}; }
  void SetTimeout(std::chrono::milliseconds value) override { timeout = value; }
  void SetProxy(const ProxySetting&) override {}
  void CancelTransfer() override { ++cancels; }

 private:
  NetworkState& net_;
};

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
  void StatusText(std::string_view text) override { statusTexts.emplace_back(text); }
  void Progress(int, std::string_view caption) override { captions.emplace_back(caption); }
  void ProgressVisible(bool) override {}
  void WriteFailed(std::string_view what) override { failures.emplace_back(what); }
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
  ScriptedFetcher fetcher{net};
  ScriptedMessenger dialogs;
  FixedClock clock{MakeDate({2024, 3, 9, 14, 5, 6})};
  RecordingObserver observer;
  RecordingReports reports;
  RunServices services{project, Catalogue(), net, fetcher, dialogs, clock, observer, reports};

  // A result page of the engine named "Google" listing `urls` from position 1.
  static std::string GooglePage(const std::vector<std::string>& urls) {
    std::string page =
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<HTML><body>Search took 0.1s";
    for (const std::string& url : urls) page += "<p><a href=" + url + ">" + url + "</a>\n";
    return page + "</body></HTML>";
  }
  // Scripts engine "Google"'s page index `pageIndex` for `keyword`.
  void ScriptGoogle(const std::string& keyword, int pageIndex, ScriptedAnswer answer) {
    const EngineRecord& google = Catalogue().At(FindEngineIndex("Google"));
    const QueryRequest request =
        BuildKeywordQuery(google, keyword, static_cast<Integer>(pageIndex));
    fetcher.answers[request.Host + " " + request.Path] = std::move(answer);
  }
  std::string KeywordsFolder(const std::string& engine) const {
    return KeywordsFolderPath(project.ReportDirectory, project.Domain, engine);
  }
};

}  // namespace kestrova::test

// Checks and runs over real sockets against scripted loopback servers: a page
// that drips its bytes is bounded as a whole, and Stop in a concurrent run
// leaves no connection open.
#include <gtest/gtest.h>

#include <algorithm>

#include "RunTestSupport.h"
#include "net/PosixConnection.h"
#include "ranking/HttpPageFetcher.h"
#include "ranking/RunRanking.h"
#include "support/PageFixtures.h"
#include "support/ScriptedServer.h"

namespace kestrova::test {
namespace {

using namespace std::chrono_literals;
using Ending = ServerScenario::Ending;

const std::string kOk = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n";

// Every host to one server, or the host named `special` to another.
ConnectionFactory DialTo(std::uint16_t port, std::string special = {},
                         std::uint16_t specialPort = 0) {
  return [=] {
    return std::make_unique<PosixConnection>([=](std::string_view host) {
      return DialTarget{"127.0.0.1", host == special ? specialPort : port};
    });
  };
}

// One check of `engine` through `server` with a 100 ms time-out: the page may
// take four of them in all.
struct SocketCheck {
  explicit SocketCheck(std::uint16_t port) : fetcher(net, quiet, DialTo(port)) {
    parameters.domain = "www.mysite.com";
    parameters.reportDirectory = folder.path();
    parameters.keywordDepth = 10;
    parameters.timeout = 100ms;
    fetcher.SetTimeout(parameters.timeout);
  }
  CheckOutcome Run(const std::string& engine) {
    CheckServices services{Catalogue(), parameters, net, fetcher, quiet, log};
    const CheckOutcome outcome = CheckEngine(services, "widgets", engine);
    log.Replay(reports, observer, quiet);
    return outcome;
  }

  TempFolder folder;
  CheckParameters parameters;
  NetworkState net;
  ScriptedMessenger quiet;
  HttpPageFetcher fetcher;
  CheckLog log;
  RecordingReports reports;
  RecordingObserver observer;
};

TEST(PageDeadline, ADrippingPageItsRedirectAndItsLinkLookUpsShareOneDeadline) {
  const auto drip =
      ServerScenario::Answer("a byte every 30 ms", kOk).EndWith(Ending::Trickle, 30ms);
  struct Case {
    const char* name;
    std::vector<ServerScenario> scenarios;
    const char* engine;
    std::size_t requests;  // each dripping fetch is asked once: no second attempt
  };
  const Case cases[] = {
      {"the page itself", {drip}, "Google", 1},
      {"the page behind a redirect",
       {ServerScenario::Answer(
            "redirect", "HTTP/1.0 302 Found\r\nLocation: http://mirror.google.com/p\r\n\r\n"),
        drip},
       "Google",
       2},
      {"the link look-ups",
       {ServerScenario::Answer("result page", kOk + ReadPageFixture("alles-klar-at")), drip},
       "Alles Klar AT",
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedServer server(c.scenarios);
    SocketCheck check(server.Port());
    const CheckOutcome outcome = check.Run(c.engine);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(outcome.topUrlCount, 0);
    EXPECT_EQ(server.Requests().size(), c.requests);
    ASSERT_EQ(check.reports.logLines.size(), 2u);
    EXPECT_EQ(check.reports.logLines[0].substr(0, 16), "FF8000|TimedOut|");
    EXPECT_TRUE(server.WaitUntilAllClosed());
  }
}

TEST(ConcurrentRun, StopEndsEveryCheckInFlightAndLeavesNoConnectionOpen) {
  // Google answers at once; every other engine's server never does.
  ScriptedServer answering(
      {ServerScenario::Answer("google page", RunFixture::GooglePage({"http://www.mysite.com/"}))});
  ScriptedServer silent({ServerScenario::Answer("silence", "").EndWith(Ending::Silence)});
  RunFixture f;
  f.services.fetchers = HttpPageFetchers(DialTo(silent.Port(), "www.google.com", answering.Port()));
  const std::vector<std::string> engines = {"Google", "AltaVista", "Lycos", "MSN", "Snap"};
  f.project.SelectedEngines = engines;
  f.project.KeywordText = "red";
  f.project.KeywordDepth = 10;
  f.project.TimeOutSecs = 30;
  for (const std::string& engine : engines)
    f.project.Rankings.push_back(OldRecord("red", engine, 7));
  const auto before = f.project.Rankings;
  // Three waiting at once is only reached once Google is done and MSN took its place.
  f.dialogs.onYield = [&] {
    if (silent.OpenConnections() == 3) RequestStop(f.net);
  };
  RunState state;
  RunSettings three;
  three.jobs = 3;
  EXPECT_EQ(RunRanking(f.services, state, three), RunEnd::Stopped);

  EXPECT_TRUE(f.project.Rankings[0].Succeeded);
  EXPECT_EQ(f.project.Rankings[0].Rank, 1);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(f.project.Rankings[i].TrendText, "Re-run") << i;
  EXPECT_EQ(f.project.Rankings[4], before[4]);  // Snap never started
  EXPECT_EQ(f.observer.written,
            (std::vector<std::string>{"red/Google", "red/AltaVista", "red/Lycos", "red/MSN"}));
  EXPECT_EQ(std::count(f.reports.logLines.begin(), f.reports.logLines.end(), "aborted"), 1);
  EXPECT_EQ(silent.MostOpenAtOnce(), 3);
  EXPECT_EQ(silent.Requests().size(), 3u);
  EXPECT_TRUE(silent.WaitUntilAllClosed());
  EXPECT_TRUE(answering.WaitUntilAllClosed());
}

}  // namespace
}  // namespace kestrova::test

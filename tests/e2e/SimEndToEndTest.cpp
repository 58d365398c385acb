// The program's HTTP client through a running kestrova-sim as its proxy: each
// injected fault ends in the client state it stands for. That every engine's
// pages hold the placed ranks is shown by the ranking runs.
#include <gtest/gtest.h>

#include <memory>

#include "SimProcess.h"
#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "engines/QueryPath.h"
#include "net/HttpClient.h"
#include "net/HttpStatus.h"
#include "net/PosixConnection.h"
#include "net/UrlSplit.h"
#include "sim/Scenario.h"
#include "support/ScriptedDialogs.h"

namespace kestrova {
namespace {

sim::Scenario FaultScenario() {
  sim::Scenario scenario;
  auto fault = [&](std::string keyword, sim::FaultKind kind, int milliseconds = 0) {
    sim::Fault added;
    added.keyword = std::move(keyword);
    added.kind = kind;
    added.milliseconds = milliseconds;
    added.bytes = kind == sim::FaultKind::Oversize ? 100000 : 0;
    scenario.faults.push_back(added);
  };
  fault("slow answer", sim::FaultKind::Latency, 300);
  fault("never answers", sim::FaultKind::Silence, 5000);
  fault("connection reset", sim::FaultKind::Reset);
  fault("moved away", sim::FaultKind::Redirect);
  fault("very long page", sim::FaultKind::Oversize);
  fault("two answers", sim::FaultKind::SecondStatus);
  return scenario;
}

TEST(SimEndToEnd, InjectedFaultsEndInTheClientStatesTheyStandFor) {
  test::SimProcess sim(sim::ScenarioToJson(FaultScenario()));
  ASSERT_NE(sim.Port(), 0) << "kestrova-sim did not start";
  NetworkState state;
  test::ScriptedDialogs dialogs;
  HttpClient client(state, dialogs, [] { return std::make_unique<PosixConnection>(); });
  client.SetTimeout(TimeoutFromSeconds(2));
  client.SetProxy("127.0.0.1", sim.Port());
  FetchOptions options;
  options.silent = true;
  auto fetch = [&](const std::string& host, const std::string& path) {
    return client.HttpGetPage(host, path, options);
  };
  const EngineRecord& google = Catalogue().At(FindEngineIndex("Google"));
  auto search = [&](std::string_view keyword) {
    return fetch(google.Host, BuildKeywordQuery(google, keyword, 0).Path);
  };
  std::string location;

  FetchResult slow = search("slow answer");
  EXPECT_TRUE(slow.completed);
  EXPECT_EQ(GetHttpStatus(slow.answer, location), 200);

  client.SetTimeout(TimeoutFromSeconds(0.2));
  FetchResult silent = search("never answers");
  EXPECT_FALSE(silent.completed);
  EXPECT_EQ(silent.answer, "");
  EXPECT_TRUE(state.TimedOut);
  client.SetTimeout(TimeoutFromSeconds(2));

  FetchResult reset = search("connection reset");
  EXPECT_FALSE(reset.completed);
  EXPECT_TRUE(state.SocketFailed);
  EXPECT_TRUE(state.TransferAborted);

  // The redirect leads to another host that answers with the page itself.
  FetchResult moved = search("moved away");
  ASSERT_EQ(GetHttpStatus(moved.answer, location), 302);
  std::string host, path;
  ASSERT_TRUE(SplitUrl(location, host, path));
  EXPECT_NE(host, google.Host);
  FetchResult followed = fetch(host, path);
  EXPECT_EQ(GetHttpStatus(followed.answer, location), 200);
  EXPECT_NE(FindNoCase(followed.answer, google.ResultsStartTexts[0]), 0);

  FetchResult huge = search("very long page");
  EXPECT_TRUE(huge.completed);
  EXPECT_GT(huge.answer.size(), kAnswerCap);
  EXPECT_LE(huge.answer.size(), kAnswerCap + kReadChunkBytes);

  FetchResult twice = search("two answers");
  EXPECT_TRUE(twice.completed);
  EXPECT_NE(FindNoCase(twice.answer, "</HTML>"), 0);
  EXPECT_EQ(FindNoCase(twice.answer, "second answer"), 0);
}

}  // namespace
}  // namespace kestrova

// The program's HTTP client, going through kestrova-sim as its proxy, and the
// program's parsers and readers see every engine exactly as the scenario set
// it up; injected faults end in the client states they stand for.
#include <gtest/gtest.h>

#include <memory>

#include "SimProcess.h"
#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "engines/MarkedPageReaders.h"
#include "engines/QueryPath.h"
#include "engines/ResultPage.h"
#include "net/HttpClient.h"
#include "net/HttpStatus.h"
#include "net/PosixConnection.h"
#include "net/UrlSplit.h"
#include "sim/FrontPage.h"
#include "sim/Responder.h"
#include "support/ScriptedDialogs.h"

namespace kestrova {
namespace {

constexpr std::string_view kKeyword = "web design";
constexpr std::string_view kDomain = "www.e2e-site.com";

int PlacedRank(int engineIndex, int pageIndex) {
  return pageIndex * 10 + (engineIndex * 7 + pageIndex) % 10 + 1;
}

sim::Scenario TestScenario() {
  sim::Scenario scenario;
  scenario.seed = 2024;
  const EngineCatalogue& catalogue = Catalogue();
  for (int index = 0; index <= catalogue.LastEngineIndex; ++index) {
    for (int page = 0; page < 5; ++page) {
      // Every third engine lists a page of another host under the domain.
      std::string host = index % 3 == 0 ? "shop.e2e-site.com" : std::string(kDomain);
      scenario.placements.push_back({catalogue.At(static_cast<Integer>(index)).Name,
                                     std::string(kKeyword), PlacedRank(index, page),
                                     "http://" + host + "/"});
    }
  }
  scenario.noResults.push_back({"*", "nothing here"});
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

// One simulator for the whole suite; the client goes through it as its proxy.
class SimEndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sim_ = new test::SimProcess(sim::ScenarioToJson(TestScenario())); }
  static void TearDownTestSuite() {
    delete sim_;
    sim_ = nullptr;
  }

  SimEndToEnd() : client_(state_, dialogs_, [] { return std::make_unique<PosixConnection>(); }) {
    client_.SetTimeout(TimeoutFromSeconds(2));
    client_.SetProxy("127.0.0.1", sim_->Port());
  }

  struct Fetched {
    std::string answer;
    bool completed = false;
  };
  Fetched Fetch(const QueryRequest& query) {
    FetchOptions options;
    options.silent = true;
    options.post = query.UsePost;
    FetchResult result = client_.HttpGetPage(query.Host, query.Path, options);
    return {std::move(result.answer), result.completed};
  }
  HeadRequest Head() {
    return [this](const std::string& host, const std::string& path) {
      HeadAnswer answer;
      answer.response = client_.HttpHeadPage(host, path).answer;
      answer.transferAborted = state_.TransferAborted;
      return answer;
    };
  }

  static test::SimProcess* sim_;
  NetworkState state_;
  test::ScriptedDialogs dialogs_;
  HttpClient client_;
  const sim::Responder expected_{Catalogue(), TestScenario(), sim::SampleFrontPage()};
};

test::SimProcess* SimEndToEnd::sim_ = nullptr;

TEST_F(SimEndToEnd, EveryEngineGivesThePlacedRanksAndTopUrlsOnPagesOneToFive) {
  ASSERT_NE(sim_->Port(), 0) << "kestrova-sim did not start";
  const EngineCatalogue& catalogue = Catalogue();
  for (int index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(static_cast<Integer>(index));
    for (int page = 0; page < 5; ++page) {
      SCOPED_TRACE(engine.Name + " page " + std::to_string(page + 1));
      Fetched fetched = Fetch(BuildKeywordQuery(engine, kKeyword, static_cast<Integer>(page)));
      ASSERT_TRUE(fetched.completed);
      std::string location;
      ASSERT_EQ(GetHttpStatus(fetched.answer, location), 200);
      if (!engine.NoResultsText.empty()) {
        EXPECT_EQ(FindNoCase(fetched.answer, engine.NoResultsText), 0);
      }

      ParseResultPage(engine, fetched.answer, static_cast<Integer>(page), Head());
      Integer position = 0;
      EXPECT_TRUE(FindDomainPosition(engine.Name, kDomain, fetched.answer, 2,
                                     engine.ResultsStartTexts, position));
      EXPECT_EQ(position, PlacedRank(index, page));
      // Every marked link, in order, is the entry the index holds at that rank.
      ResultList top;
      ExtractTopUrls(kKeyword, engine.Name, fetched.answer, 0, top);
      ASSERT_EQ(top.TopUrlCount, 10);
      for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_EQ(top.Url(slot), expected_.UrlAtRank(index, kKeyword, page * 10 + slot)) << slot;
      }
    }
  }
}

TEST_F(SimEndToEnd, KeywordsWithoutResultsShowTheEnginesNoResultsTextAndNoEntry) {
  const EngineCatalogue& catalogue = Catalogue();
  for (int index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(static_cast<Integer>(index));
    Fetched fetched = Fetch(BuildKeywordQuery(engine, "nothing here", 0));
    EXPECT_TRUE(fetched.completed) << engine.Name;
    if (!engine.NoResultsText.empty()) {  // an engine without one never says so
      EXPECT_NE(FindNoCase(fetched.answer, engine.NoResultsText), 0) << engine.Name;
    }
    ParseResultPage(engine, fetched.answer, 0, Head());
    EXPECT_EQ(FindNoCase(fetched.answer, kPointMarker), 0) << engine.Name;
  }
}

TEST_F(SimEndToEnd, InjectedFaultsEndInTheClientStatesTheyStandFor) {
  const EngineRecord& google = Catalogue().At(FindEngineIndex("Google"));
  auto fetch = [&](std::string_view keyword) {
    return Fetch(BuildKeywordQuery(google, keyword, 0));
  };
  std::string location;

  Fetched slow = fetch("slow answer");
  EXPECT_TRUE(slow.completed);
  EXPECT_EQ(GetHttpStatus(slow.answer, location), 200);

  client_.SetTimeout(TimeoutFromSeconds(0.2));
  Fetched silent = fetch("never answers");
  EXPECT_FALSE(silent.completed);
  EXPECT_EQ(silent.answer, "");
  EXPECT_TRUE(state_.TimedOut);
  client_.SetTimeout(TimeoutFromSeconds(2));

  Fetched reset = fetch("connection reset");
  EXPECT_FALSE(reset.completed);
  EXPECT_TRUE(state_.SocketFailed);
  EXPECT_TRUE(state_.TransferAborted);

  // The redirect leads to another host that answers with the page itself.
  Fetched moved = fetch("moved away");
  ASSERT_EQ(GetHttpStatus(moved.answer, location), 302);
  std::string host;
  std::string path;
  ASSERT_TRUE(SplitUrl(location, host, path));
  EXPECT_NE(host, google.Host);
  Fetched followed = Fetch({host, path, false});
  EXPECT_EQ(GetHttpStatus(followed.answer, location), 200);
  EXPECT_NE(FindNoCase(followed.answer, google.ResultsStartTexts[0]), 0);

  Fetched huge = fetch("very long page");
  EXPECT_TRUE(huge.completed);
  EXPECT_GT(huge.answer.size(), kAnswerCap);
  EXPECT_LE(huge.answer.size(), kAnswerCap + kReadChunkBytes);

  Fetched twice = fetch("two answers");
  EXPECT_TRUE(twice.completed);
  EXPECT_NE(FindNoCase(twice.answer, "</HTML>"), 0);
  EXPECT_EQ(FindNoCase(twice.answer, "second answer"), 0);
}

TEST_F(SimEndToEnd, AnyOtherHostGetsTheFrontPage) {
  Fetched front = Fetch({"www.e2e-site.com", "/", false});
  EXPECT_TRUE(front.completed);
  std::string location;
  EXPECT_EQ(GetHttpStatus(front.answer, location), 200);
  EXPECT_NE(FindNoCase(front.answer, "\r\nLast-Modified: "), 0);
  EXPECT_NE(FindNoCase(front.answer, sim::SampleFrontPage()), 0);
}

}  // namespace
}  // namespace kestrova

// User engines ranked end to end: kestrova-cli with an engines file against
// kestrova-sim serving the same file, one engine over plain HTTP on a port of
// its own and one over HTTPS through the simulator's CONNECT tunnel, with a
// certificate authority made for the test.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <map>

#include "RankCliProcess.h"
#include "SimProcess.h"
#include "base/Files.h"
#include "support/TempFolder.h"
#include "support/TestCertificates.h"
#include "support/UserEngineSamples.h"

namespace kestrova::test {
namespace {

const std::string kDomain = "www.e2e-shop.com";
const std::string kKeyword = "blue widgets";

const std::string kPlainly = R"({
  "name": "Plainly", "language": "German", "country": "Germany",
  "scheme": "http", "host": "suche.plainly.test", "port": 8080,
  "query_templates": ["/s?q=%SEARCH_STRING%&seite=%NUMTIMES_INTEGER%"],
  "increment_offset": 0, "no_results_text": "Keine Treffer", "results_start_texts": ["results"],
  "result_links": "//article[@class='web-result']//a[@class='result-link']/@href"
})";
const std::string kEngines = test::EnginesFile(test::kSearchlyEngineJson, kPlainly);

std::string Scenario() {
  std::string json = "{\"placements\": [";
  const std::vector<std::pair<std::string, int>> placed = {
      {"Searchly", 13}, {"Plainly", 14}, {"Google", 15}};
  for (std::size_t i = 0; i < placed.size(); ++i) {
    json += (i ? ", " : "") + std::string("{\"engine\": \"") + placed[i].first +
            "\", \"keyword\": \"" + kKeyword + "\", \"rank\": " + std::to_string(placed[i].second) +
            ", \"domain\": \"" + kDomain + "\"}";
  }
  return json + "]}";
}

class UserEnginesRun : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!certificates_.Ready()) GTEST_SKIP() << "the openssl command is not installed";
    ASSERT_TRUE(WriteTextFile(engines_, kEngines));
  }

  std::vector<std::string> SimOptions(const CertificateFiles& certificate) const {
    return {"--engines", engines_,       "--tls-cert", certificate.certificate,
            "--tls-key", certificate.key};
  }

  // A new project on Google and both user engines, ranked through `sim`.
  CliRun NewAndRank(const SimProcess& sim) {
    const CliRun created = RunCliProcess(
        work_.path(), {"new", "e2e.rnk", "--engines-file", engines_, "--domain", kDomain,
                       "--engines", "Google,Searchly,Plainly", "--keywords", kKeyword, "--depth",
                       "20", "--timeout", "5", "--report-dir", "reports", "--force"});
    EXPECT_EQ(created.exitCode, 0) << created.err;
    return RunCliProcess(work_.path(), {"rank", "e2e.rnk", "--engines-file", engines_, "--yes",
                                        "--proxy", "127.0.0.1:" + std::to_string(sim.Port()),
                                        "--ca-file", certificates_.CaFile()});
  }

  // The ranking grid's rows by engine, each a map from column to cell.
  std::map<std::string, nlohmann::json> Grid() {
    const CliRun shown = RunCliProcess(work_.path(), {"show", "e2e.rnk", "--engines-file", engines_,
                                                      "--keyword", kKeyword, "--format", "json"});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    std::map<std::string, nlohmann::json> rows;
    for (const nlohmann::json& row : nlohmann::json::parse(shown.out))
      rows[row["Search Engine"].get<std::string>()] = row;
    return rows;
  }

  std::string Log() {
    std::string bytes;
    ReadWholeFile(work_ / "reports/Log.html", bytes);
    return bytes;
  }

  TestCertificates certificates_;
  TempFolder work_{"kestrova-user-engines-e2e-"};
  const std::string engines_ = work_ / "engines.json";
};

TEST_F(UserEnginesRun, HttpAndHttpsEnginesAreRankedLikeTheBuiltInOnes) {
  SimProcess sim(Scenario(), SimOptions(certificates_.Issue("searchly", {"search.searchly.test"})));
  ASSERT_NE(sim.Port(), 0);
  const CliRun run = NewAndRank(sim);
  ASSERT_EQ(run.exitCode, 0) << run.err;

  auto grid = Grid();
  for (const auto& [engine, rank] :
       std::map<std::string, int>{{"Searchly", 13}, {"Plainly", 14}, {"Google", 15}}) {
    SCOPED_TRACE(engine);
    ASSERT_EQ(grid.count(engine), 1u);
    EXPECT_EQ(grid[engine]["Result"], "Success");
    EXPECT_EQ(grid[engine]["Rank"], std::to_string(rank));
    EXPECT_EQ(grid[engine]["Page"], "2");
    EXPECT_EQ(grid[engine]["Position"], std::to_string(rank - 10));
  }
  // The saved page holds the marked entry the position was read from.
  std::string saved;
  ASSERT_TRUE(ReadWholeFile(
      work_ / ("reports/domain_" + kDomain + "/Searchly/keywords/kywd_01_blue widgets.html"),
      saved));
  EXPECT_NE(saved.find("<b>13. </b><!-- !kestrova Point! --><a href=\"http://" + kDomain + "/\">"),
            std::string::npos);
}

TEST_F(UserEnginesRun, ACertificateForAnotherHostFailsOnlyTheHttpsEngineWithTheTlsStatus) {
  SimProcess sim(Scenario(), SimOptions(certificates_.Issue("wrong", {"wrong.host.test"})));
  ASSERT_NE(sim.Port(), 0);
  const CliRun run = NewAndRank(sim);
  ASSERT_EQ(run.exitCode, 0) << run.err;

  auto grid = Grid();
  EXPECT_EQ(grid["Searchly"]["Result"], "Failed");
  EXPECT_EQ(grid["Searchly"]["Rank"], "0");
  EXPECT_EQ(grid["Plainly"]["Rank"], "14");
  EXPECT_EQ(grid["Google"]["Rank"], "15");
  const std::string log = Log();
  EXPECT_NE(log.find("TLS error: certificate not accepted: hostname mismatch"), std::string::npos);
  EXPECT_EQ(log.find("Searchly page"), std::string::npos);
}

TEST_F(UserEnginesRun, ABrokenEnginesFileLeavesTheBuiltInEnginesRanking) {
  ASSERT_TRUE(WriteTextFile(engines_, "{\"engines\": [{\"name\": \"Searchly\"}"));
  SimProcess sim(Scenario());
  ASSERT_NE(sim.Port(), 0);
  const CliRun created = RunCliProcess(
      work_.path(), {"new", "e2e.rnk", "--engines-file", engines_, "--domain", kDomain, "--engines",
                     "Google", "--keywords", kKeyword, "--report-dir", "reports"});
  ASSERT_EQ(created.exitCode, 0) << created.err;
  EXPECT_NE(created.err.find(engines_ + ": not valid JSON"), std::string::npos) << created.err;
  const CliRun run =
      RunCliProcess(work_.path(), {"rank", "e2e.rnk", "--engines-file", engines_, "--yes",
                                   "--proxy", "127.0.0.1:" + std::to_string(sim.Port())});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(Grid()["Google"]["Rank"], "15");
}

}  // namespace
}  // namespace kestrova::test

// User engines ranked end to end: kestrova-cli with an engines file against
// kestrova-sim serving the same file, one engine over plain HTTP on a port of
// its own and one over HTTPS through the simulator's CONNECT tunnel, with a
// certificate authority made for the test.
#include "CliWorld.h"
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

const std::string kScenario =
    PlacementScenario(kKeyword, kDomain, {{"Searchly", 13}, {"Plainly", 14}, {"Google", 15}});

class UserEnginesRun : public CliWorld {
 protected:
  void SetUp() override {
    if (!certificates_.Ready()) GTEST_SKIP() << "the openssl command is not installed";
    ASSERT_TRUE(WriteTextFile(engines_, EnginesFile(kSearchlyEngineJson, kPlainly)));
  }
  // A simulator serving the engines file over TLS with `certificate`.
  std::vector<std::string> SimOptions(const CertificateFiles& certificate) const {
    return {"--engines", engines_,       "--tls-cert", certificate.certificate,
            "--tls-key", certificate.key};
  }
  // A project on `engines` ranked through `sim` with the engines file and the test CA.
  CliRun NewAndRank(const SimProcess& sim, const std::string& engines) {
    NewProject({"--engines-file", engines_, "--domain", kDomain, "--engines", engines, "--keywords",
                kKeyword, "--depth", "20", "--timeout", "5"});
    return Rank(sim, {"--engines-file", engines_, "--ca-file", certificates_.CaFile()});
  }
  std::map<std::string, nlohmann::json> Grid() {
    return CliWorld::Grid(kKeyword, {"--engines-file", engines_});
  }

  TestCertificates certificates_;
  const std::string engines_ = work_ / "engines.json";
};

TEST_F(UserEnginesRun, HttpAndHttpsEnginesAreRankedLikeTheBuiltInOnes) {
  SimProcess sim(kScenario, SimOptions(certificates_.Issue("searchly", {"search.searchly.test"})));
  ASSERT_NE(sim.Port(), 0);
  const CliRun run = NewAndRank(sim, "Google,Searchly,Plainly");
  ASSERT_EQ(run.exitCode, 0) << run.err;

  auto grid = Grid();
  for (const auto& [engine, rank] :
       std::map<std::string, int>{{"Searchly", 13}, {"Plainly", 14}, {"Google", 15}}) {
    SCOPED_TRACE(engine);
    EXPECT_EQ(grid[engine]["Result"], "Success");
    EXPECT_EQ(grid[engine]["Rank"], std::to_string(rank));
    EXPECT_EQ(grid[engine]["Page"], "2");
    EXPECT_EQ(grid[engine]["Position"], std::to_string(rank - 10));
  }
  // The saved page holds the marked entry the position was read from.
  EXPECT_NE(Read("reports/domain_" + kDomain + "/Searchly/keywords/kywd_01_blue widgets.html")
                .find("<b>13. </b><!-- !kestrova Point! --><a href=\"http://" + kDomain + "/\">"),
            std::string::npos);
}

TEST_F(UserEnginesRun, ACertificateForAnotherHostFailsOnlyTheHttpsEngineWithTheTlsStatus) {
  SimProcess sim(kScenario, SimOptions(certificates_.Issue("wrong", {"wrong.host.test"})));
  ASSERT_NE(sim.Port(), 0);
  const CliRun run = NewAndRank(sim, "Google,Searchly,Plainly");
  ASSERT_EQ(run.exitCode, 0) << run.err;

  auto grid = Grid();
  EXPECT_EQ(grid["Searchly"]["Result"], "Failed");
  EXPECT_EQ(grid["Searchly"]["Rank"], "0");
  EXPECT_EQ(grid["Plainly"]["Rank"], "14");
  EXPECT_EQ(grid["Google"]["Rank"], "15");
  const std::string log = Read("reports/Log.html");
  EXPECT_NE(log.find("TLS error: certificate not accepted: hostname mismatch"), std::string::npos);
  EXPECT_EQ(log.find("Searchly page"), std::string::npos);
}

TEST_F(UserEnginesRun, ABrokenEnginesFileLeavesTheBuiltInEnginesRanking) {
  SimProcess sim(kScenario);
  ASSERT_NE(sim.Port(), 0);
  ASSERT_TRUE(WriteTextFile(engines_, "{\"engines\": [{\"name\": \"Searchly\"}"));
  const CliRun made =
      Cli({"new", kProject, "--engines-file", engines_, "--domain", kDomain, "--engines", "Google",
           "--keywords", kKeyword, "--report-dir", "reports"});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  EXPECT_NE(made.err.find(engines_ + ": not valid JSON"), std::string::npos) << made.err;
  const CliRun run = Rank(sim, {"--engines-file", engines_});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(Grid()["Google"]["Rank"], "15");
}

}  // namespace
}  // namespace kestrova::test

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "analyzer/AnalyzeFrontPage.h"
#include "base/Numbers.h"
#include "net/PosixConnection.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedServer.h"

namespace kestrova {
namespace {

using test::ScriptedServer;
using test::ServerScenario;

const std::string kFrontPage =
    "HTTP/1.0 200 OK\r\nServer: scripted\r\n\r\n"
    "<html><head><title>Rank tools</title></head><body>rank it</body></html>";

// The action wired to a scripted server that stands in as the proxy.
struct FrontPageRig {
  explicit FrontPageRig(std::vector<ServerScenario> scenarios)
      : server(std::move(scenarios)),
        client(state, dialogs, [] { return std::make_unique<PosixConnection>(); }) {
    client.SetProxy("127.0.0.1", server.Port());
    client.SetTimeout(std::chrono::milliseconds(2000));
  }

  FrontPageResult Run(FrontPageRequest request) {
    FrontPageServices services{client, dialogs,
                               [this](const std::string& text) { statuses.push_back(text); }};
    return AnalyzeFrontPage(request, project, services);
  }

  ScriptedServer server;
  NetworkState state;
  test::ScriptedMessenger dialogs;
  HttpClient client;
  ProjectState project;
  std::vector<std::string> statuses;
};

FrontPageRequest Request(std::string domain, std::string keyword) {
  return {std::move(domain), keyword.empty() ? 0 : 1, true, keyword};
}

TEST(AnalyzeFrontPage, FillsElementOneOfAFreshList) {
  FrontPageRig rig({ServerScenario::Answer("page", kFrontPage)});
  rig.project.PageAnalyses.assign(5, PageAnalysisRecord{});
  rig.project.PageAnalyses[0].Title = "stale";
  rig.state.StopRequested = true;  // an old Stop must not end this analysis

  FrontPageResult result = rig.Run(Request("www.example.com", "rank"));
  EXPECT_EQ(result.outcome, FrontPageOutcome::Analyzed);
  EXPECT_EQ(result.analysis, AnalysisOutcome::Analyzed);
  ASSERT_EQ(rig.project.PageAnalyses.size(), 2u);
  EXPECT_EQ(rig.project.PageAnalyses[0], PageAnalysisRecord{});
  const PageAnalysisRecord& record = rig.project.PageAnalyses[1];
  EXPECT_EQ(record.Keyword, "rank");
  EXPECT_EQ(record.ServerName, "scripted");
  EXPECT_EQ(record.KeywordTotal, 2);
  EXPECT_TRUE(rig.dialogs.messages.empty());
  EXPECT_EQ(rig.state.busyDepth, 0);

  ASSERT_EQ(rig.server.Requests().size(), 1u);
  EXPECT_EQ(rig.server.Requests()[0].substr(0, 37), "GET http://www.example.com/ HTTP/1.0\r");
  const std::string analyzing = "Analyzing current page of " +
                                FormatDigits(static_cast<long long>(kFrontPage.size()), 5) +
                                " chars";
  ASSERT_GE(rig.statuses.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(rig.statuses.begin(), rig.statuses.begin() + 4),
            (std::vector<std::string>{"Downloading front page of www.example.com", "", analyzing,
                                      analyzing + ", removing scripts"}));
  EXPECT_EQ(rig.statuses.back(), "Done");
}

TEST(AnalyzeFrontPage, RefusalsAndFailedDownloadsKeepTheEarlierAnalysis) {
  FrontPageRig rig({ServerScenario::Answer("not found", "HTTP/1.0 404 Not Found\r\n\r\n<html>"),
                    ServerScenario::Answer("created", "HTTP/1.0 201 Created\r\n\r\n<html>"),
                    ServerScenario::Answer("nothing", ""),
                    ServerScenario::Answer("page", kFrontPage)});
  rig.project.PageAnalyses.assign(2, PageAnalysisRecord{});
  rig.project.PageAnalyses[1].Title = "earlier";

  EXPECT_EQ(rig.Run(Request("  ", "rank")).outcome, FrontPageOutcome::NoDomain);
  EXPECT_EQ(rig.Run(Request("example.com", "")).outcome, FrontPageOutcome::NoKeywords);
  EXPECT_EQ(rig.Run({"example.com", 2, false, ""}).outcome, FrontPageOutcome::NoKeywordChosen);
  EXPECT_TRUE(rig.server.Requests().empty());
  for (int attempt = 0; attempt < 3; ++attempt) {
    EXPECT_EQ(rig.Run(Request("example.com", "rank")).outcome, FrontPageOutcome::DownloadFailed);
  }
  // A domain that cannot be split into a host is not fetched at all.
  EXPECT_EQ(rig.Run(Request("localhost", "rank")).outcome, FrontPageOutcome::DownloadFailed);
  EXPECT_EQ(rig.server.Requests().size(), 3u);
  ASSERT_EQ(rig.dialogs.messages.size(), 7u);
  EXPECT_EQ(rig.dialogs.messages[0].text, "Set Domain to something!");
  EXPECT_EQ(rig.dialogs.messages[2].text, "Set or select some keywords to do analysis with!");
  EXPECT_EQ(rig.dialogs.messages[5].text, "Could not download page from domain of example.com");
  EXPECT_EQ(rig.project.PageAnalyses.size(), 2u);
  EXPECT_EQ(rig.project.PageAnalyses[1].Title, "earlier");
  EXPECT_EQ(rig.state.busyDepth, 0);

  // A typed keyword that was never chosen from the list is fine.
  EXPECT_EQ(rig.Run({"example.com", 2, false, "rank"}).outcome, FrontPageOutcome::Analyzed);
}

}  // namespace
}  // namespace kestrova

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyzer/AnalyzePage.h"
#include "support/ScriptedMessenger.h"

namespace kestrova {
namespace {

const std::string kHeaders = "HTTP/1.0 200 OK\r\nServer: sim\r\n\r\n";

std::string Page(const std::string& head, const std::string& body) {
  return kHeaders + "<html><head>" + head + "</head><body bgcolor=\"#fff\">" + body +
         "</body></html>";
}

struct Analysis {
  PageAnalysisRecord record;
  AnalysisOutcome outcome;
  test::ScriptedMessenger dialogs;
  std::vector<std::string> statuses;
};

void Analyze(Analysis& analysis, const std::string& page, const std::string& keyword) {
  AnalysisHooks hooks;
  hooks.statusAtStart = "Analyzing current page of 00100 chars";
  hooks.showStatus = [&](const std::string& text) { analysis.statuses.push_back(text); };
  hooks.messenger = &analysis.dialogs;
  analysis.outcome = AnalyzePage(page, analysis.record, keyword, hooks);
}

TEST(AnalyzePage, MeasuresEveryPartOfAWellFormedPage) {
  Analysis a;
  Analyze(a,
          Page("< title >Rank Checker</title >"
               "<meta name=\"description\" content=\"The rank checker\">"
               "<META NAME=\"Keywords\" CONTENT=\"rank, rank\">",
               "<!-- rank --><h1>Rank&nbsp;it</h1><img alt=\"rank\"> words here"),
          "rank");
  EXPECT_EQ(a.outcome, AnalysisOutcome::Analyzed);
  const PageAnalysisRecord& r = a.record;
  EXPECT_EQ(r.Status, -1);
  EXPECT_EQ(r.ServerName, "sim");
  EXPECT_EQ(r.Title, "Rank Checker");
  // "Rank&nbsp;it" becomes one word: the body is "Rankit words here".
  const std::vector<int> counts = {r.TitleCount,
                                   r.TitleDensity,
                                   r.BodyCount,
                                   r.BodyDensity,
                                   r.CommentsCount,
                                   r.AltCount,
                                   r.MetaDescriptionCount,
                                   r.MetaKeywordsCount,
                                   r.MetaKeywordsDensity,
                                   r.HeadCount};
  EXPECT_EQ(counts, (std::vector<int>{1, 50, 1, 33, 1, 1, 1, 2, 100, 4}));
  // Head and ALT counts are not part of the total.
  EXPECT_EQ(r.KeywordTotal, 1 + 1 + 1 + 2 + 1);
  EXPECT_TRUE(a.dialogs.messages.empty());
  ASSERT_EQ(a.statuses.size(), 7u);
  EXPECT_EQ(a.statuses[0], "Analyzing current page of 00100 chars, removing scripts");
  EXPECT_EQ(a.statuses[6], "Analyzing current page of 00100 chars, counting...done!");
}

TEST(AnalyzePage, ScriptsGoBeforeCommentsAreCollected) {
  Analysis a;
  Analyze(a,
          Page("<title>t</title><script>var s = '<!-- rank -->';</script>",
               "<SCRIPT>document.write('rank')</SCRIPT><!-- seen -->text"),
          "rank");
  EXPECT_EQ(a.record.CommentsCount + a.record.HeadCount + a.record.BodyCount, 0);
  Analyze(a, Page("<title>t</title>", "<!-- seen -->text"), "seen");
  EXPECT_EQ(a.record.CommentsCount, 1);
  EXPECT_EQ(a.record.BodyCount, 0);  // comments are tags to the body text
}

TEST(AnalyzePage, TheFirstMissingTagIsReportedInOrder) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"<head><title>t</title></head><body></body>", "No starting <HTML> tag"},
      {"<html><title>t</title></head><body></body>", "No starting <HEAD> tag"},
      {"<html><head><title>t</title><body></body>", "No ending </HEAD> tag"},
      {"<html><head><title>t</title></head></body>", "No starting <BODY tag"},
      {"<html><head><title>t</title></head><body>", "No ending </BODY> tag"},
      {"<html><head><body><title>t</title></head><body>", "No ending </BODY> tag"},
      {"<html><head>t</title></head><body></body>", "No starting <TITLE> tag"},
      {"<html><head><title>t</head><body></body>", "No ending </TITLE> tag"},
      // An unclosed "<BODY" tag never ends, so the body's end cannot be found.
      {"<html><head><title>t</title></head><body <x></body>", "No ending </BODY> tag"},
  };
  for (const auto& [page, problem] : cases) {
    Analysis a;
    a.record.SourceUrl = "http://example.com/";
    a.record.LocalFile = "front.html";
    Analyze(a, kHeaders + page + " rank rank", "rank");
    EXPECT_EQ(a.outcome, AnalysisOutcome::MissingTag) << page;
    EXPECT_EQ(a.record.Status, 1) << page;
    EXPECT_EQ(a.record.ProblemText, problem) << page;
    EXPECT_EQ(a.record.KeywordTotal + a.record.BodyCount, 0) << page;
    ASSERT_EQ(a.dialogs.messages.size(), 1u) << page;
    EXPECT_EQ(a.dialogs.messages[0].text, problem +
                                              " for page from http://example.com/\r\n\r\n"
                                              "Local File : \r\nfront.html");
  }
}

TEST(AnalyzePage, StopWhileClosingUpBracketsEndsSilently) {
  Analysis a;
  AnalysisHooks hooks;
  hooks.messenger = &a.dialogs;
  hooks.stopRequested = [] { return true; };
  hooks.showStatus = [&](const std::string& text) { a.statuses.push_back(text); };
  a.record.Keyword = "rank";
  auto outcome = AnalyzePage(Page("<title>rank</title>", "rank"), a.record, "rank", hooks);
  EXPECT_EQ(outcome, AnalysisOutcome::Stopped);
  EXPECT_EQ(a.record.Title, "");
  EXPECT_TRUE(a.statuses.empty() && a.dialogs.messages.empty());
}

TEST(AnalyzePage, AnyBytesAndHugePagesFinish) {
  Analysis a;
  std::string body;
  for (int i = 0; i < 40000; ++i) body += "<p>rank<!-- c --> <img alt=\"x\"> &nbsp;</p>\r\n";
  Analyze(a, Page("<title>x</title>", body), "rank");
  EXPECT_EQ(a.record.BodyCount, 32767);
  EXPECT_EQ(a.record.CommentsCount, 0);

  std::string noise;
  for (int i = 0; i < 1'000'000; ++i) noise += static_cast<char>((i * 7919LL) % 256);
  Analyze(a, noise, "a");
  EXPECT_NE(a.outcome, AnalysisOutcome::Stopped);
  Analyze(a, std::string(1'000'000, '<') + "<html><head>" + std::string(500'000, '>'), "<");
  EXPECT_EQ(a.record.ProblemText, "No ending </HEAD> tag");
}

}  // namespace
}  // namespace kestrova

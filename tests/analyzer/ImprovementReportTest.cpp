#include <gtest/gtest.h>

#include <string>

#include "analyzer/AnalyzePage.h"
#include "analyzer/ImprovementReport.h"

namespace kestrova {
namespace {

const std::string kAllSuggestions =
    "<meta NAME=\"Description\" CONTENT=\"{Place your description here!}\">\r\n"
    "  <meta NAME=\"Keywords\" CONTENT=\"{Place your keywords here!}\">\r\n"
    "  <meta NAME=\"robots\" CONTENT=\"ALL\">\r\n"
    "  <meta name=\"revisit-after\" CONTENT=\"30 days\">\r\n";

std::string Advice(const std::string& head, const std::string& body) {
  PageAnalysisRecord record;
  AnalyzePage("<html><head>" + head + "</head><body>" + body + "</body></html>", record, "rank");
  ImprovementReport report;
  report.Fill(record);
  return report.PlainText();
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Each line of `lines` appears in the advice, between line breaks.
void ExpectLines(const std::string& advice, std::initializer_list<const char*> lines) {
  for (const char* line : lines)
    EXPECT_TRUE(Has(advice, "\r\n" + std::string(line) + "\r\n")) << line;
}

TEST(ImprovementReport, KeywordOnlyInTheTitleAsksForEverythingElse) {
  const std::string advice = Advice("<title>rank checker</title>", "nothing here");
  ExpectLines(advice,
              {"Title : Present", "Body : Must add keyword!", "MetaTags : Must add keyword!",
               "Description : Must add MetaTag!", "Keywords : Must add MetaTag!",
               "Robots : Must add MetaTag!", "Revisit-After : Must add MetaTag!"});
  EXPECT_TRUE(Has(advice, "\r\n" + kAllSuggestions));
  EXPECT_FALSE(Has(advice, "%"));
}

TEST(ImprovementReport, PresentTagsNeedNoSuggestion) {
  const std::string advice = Advice(
      "<title>x</title><META NAME=\"Keywords\" CONTENT=\"rank\">"
      "<meta name=\"robots\" content=\"all\"><meta name=\"description\" content=\"d\">"
      "<meta name=\"revisit-after\" content=\"30 days\">",
      "text");
  // The keyword only in the META keywords still counts for the META line; Keywords
  // alone is followed by an extra line break.
  ExpectLines(advice, {"MetaTags : Present", "Title : Must add keyword!", "Description : Present",
                       "Keywords : Present\r\n\r\nRobots : Present", "Revisit-After : Present"});
  EXPECT_FALSE(Has(advice, "<meta"));
}

TEST(ImprovementReport, AMissingTitleLeavesEveryKeywordLineAsking) {
  const std::string advice = Advice("<META NAME=\"Keywords\" CONTENT=\"rank\">", "rank rank");
  ExpectLines(advice, {"Title : Must add keyword!", "Body : Must add keyword!",
                       "MetaTags : Must add keyword!"});
  EXPECT_TRUE(Has(advice, "\r\n" + kAllSuggestions));  // META fields were never read
}

TEST(ImprovementReport, FilledTextKeepsThePlaceholderColoursAndResetRestoresThem) {
  PageAnalysisRecord record;
  record.TitleCount = 2;
  ImprovementReport report;
  report.Fill(record);
  bool greenPresent = false, redMustAdd = false;
  for (const RichRun& run : report.View().Runs()) {
    if (run.text == "Present") greenPresent = run.style.colour == RichColour::Green;
    if (run.text == "Must add keyword!") redMustAdd = run.style.colour == RichColour::Red;
  }
  EXPECT_TRUE(greenPresent);
  EXPECT_TRUE(redMustAdd);

  std::string html = report.Html();
  EXPECT_TRUE(Has(html, "&lt;meta NAME=&quot;robots&quot; CONTENT=&quot;ALL&quot;&gt;"));
  EXPECT_FALSE(Has(html, "<meta NAME="));
  EXPECT_TRUE(Has(html, "color: #00ff00\">Present</span>"));

  report.Reset();
  EXPECT_EQ(report.PlainText(), ImprovementReport::Template().PlainText());
  EXPECT_TRUE(Has(report.PlainText(), "Title : %KEYWORDS_IN_TITLE_1%%KEYWORDS_IN_TITLE_2%\r\n"));
}

TEST(RichText, ReplacementFollowsTheViewsSearch) {
  RichStyle red{.colour = RichColour::Red}, bold{.bold = true};
  RichText text({{"%A%x%a", red}, {"%tail", bold}});
  // Case is ignored; the first occurrence goes; the new text takes its first character's style.
  EXPECT_TRUE(text.ReplaceFirst("%a%", "[1]", 0, 100));
  EXPECT_EQ(text.PlainText(), "[1]x%a%tail");
  // An occurrence across runs is cut from both; the new text stays in the first run.
  EXPECT_TRUE(text.ReplaceFirst("%A%", "", 0, 100));
  EXPECT_EQ(text.PlainText(), "[1]xtail");
  EXPECT_EQ(text.Runs().size(), 2u);
  EXPECT_EQ(text.Runs()[1].style, bold);
  // Only occurrences wholly inside the window are found.
  EXPECT_FALSE(text.ReplaceFirst("[1]", "", 1, 100));
  EXPECT_FALSE(text.ReplaceFirst("tail", "", 0, 7));
  EXPECT_TRUE(text.ReplaceFirst("tail", "", 0, 8));
  EXPECT_FALSE(text.ReplaceFirst("", "y", 0, 100));
}

TEST(RichText, PlaceholdersPushedPastTheSearchWindowStay) {
  RichText text({RichRun{"x%FIRST%%SECOND%", {}}});
  text.ReplaceFirst("%FIRST%", std::string(9000, 'f'), 1, kPlaceholderSearchEnd);
  EXPECT_FALSE(text.ReplaceFirst("%SECOND%", "", 1, kPlaceholderSearchEnd));
}

}  // namespace
}  // namespace kestrova

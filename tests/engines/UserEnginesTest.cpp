#include <gtest/gtest.h>

#include "engines/EngineCatalogue.h"
#include "engines/MarkedPageReaders.h"
#include "engines/QueryPath.h"
#include "engines/ResultLinkRule.h"
#include "engines/ResultPage.h"
#include "engines/UserEnginesFile.h"

namespace kestrova {
namespace {

const std::string P(kPointMarker);

// One engine's fields as JSON, with `extra` fields added or replacing them.
std::string EngineJson(const std::string& extra = "", const std::string& name = "Searchly") {
  std::string fields = "\"name\": \"" + name +
                       "\", \"language\": \"English\", \"country\": \"USA\","
                       " \"scheme\": \"https\", \"host\": \"search.searchly.test\","
                       " \"query_templates\": [\"/search?q=%SEARCH_STRING%\","
                       " \"/search?q=%SEARCH_STRING%&start=%INCREMENT_INTEGER%\"],"
                       " \"increment_offset\": 0, \"no_results_text\": \"No results for\","
                       " \"result_links\": \"//div[@class='result']//a[@class='title']/@href\"";
  if (!extra.empty()) fields += ", " + extra;  // a repeated field: the last one counts
  return "{" + fields + "}";
}

std::string FileJson(const std::vector<std::string>& engines) {
  std::string list;
  for (const std::string& engine : engines) list += (list.empty() ? "" : ",") + engine;
  return "{\"engines\": [" + list + "]}";
}

UserEnginesLoad Parse(const std::string& bytes) {
  return ParseUserEngines(bytes, Catalogue());
}

TEST(UserEnginesFile, ReadsAnEngineIntoARecordThatQueriesAndPagesLikeABuiltIn) {
  const UserEnginesLoad load =
      Parse(FileJson({EngineJson("\"port\": 8443, \"user_agent\": \"Bot/1\", \"post\": true")}));
  ASSERT_TRUE(load.problems.empty()) << load.problems.front();
  ASSERT_EQ(load.engines.size(), 1u);
  const EngineRecord& engine = load.engines[0];
  EXPECT_TRUE(engine.UserDefined);
  EXPECT_TRUE(engine.UseTls);
  EXPECT_TRUE(engine.UsePost);
  EXPECT_EQ(engine.Port, 8443);
  EXPECT_EQ(engine.UserAgent, "Bot/1");
  // The last template serves every later page; no start text: the first marked link.
  EXPECT_EQ(engine.QueryTemplates[4], "/search?q=%SEARCH_STRING%&start=%INCREMENT_INTEGER%");
  EXPECT_EQ(BuildKeywordQuery(engine, "blue widgets", 6).Path, "/search?q=blue+widgets&start=60");
  EXPECT_EQ(engine.ResultsStartTexts[0], P);
  EXPECT_EQ(EngineRequestHost(engine), "https://search.searchly.test:8443");
  EXPECT_EQ(EngineHomeLink(engine), "https://search.searchly.test:8443");

  const UserEnginesLoad plain = Parse(FileJson({EngineJson("\"scheme\": \"http\"")}));
  ASSERT_EQ(plain.engines.size(), 1u);
  EXPECT_EQ(EngineRequestHost(plain.engines[0]), "search.searchly.test");
}

TEST(UserEnginesFile, EachBadEngineGivesOneLineNamingItAndTheFieldAndTheOthersStillLoad) {
  struct Case {
    std::string engine;
    std::string problem;
  };
  const std::vector<Case> cases = {
      {EngineJson("\"hots\": 1"), "engine 1 (\"Searchly\"): field \"hots\" is not a field"},
      {EngineJson("", "Google"), "field \"name\" a built-in engine has this name"},
      {EngineJson("\"scheme\": \"ftp\""), "field \"scheme\" must be \"http\" or \"https\""},
      {EngineJson("\"host\": \"https://x.test\""), "field \"host\" must be the host name alone"},
      {EngineJson("\"host\": \"x.test:81\""), "(the port goes in \"port\")"},
      {EngineJson("\"port\": 70000"), "field \"port\" must be from 1 to 65535"},
      {EngineJson("\"increment_offset\": \"ten\""), "field \"increment_offset\" must be a whole"},
      {EngineJson("\"query_templates\": []"), "field \"query_templates\" must be a list"},
      {EngineJson("\"query_templates\": [\"/s?q=x\"]"), "query_templates[0]\" must hold %SEARCH"},
      {EngineJson("\"query_templates\": [\"/s?q=%SEARCH_STRING%&p=%PAGE%\"]"),
       "unknown placeholder %PAGE%"},
      {EngineJson("\"query_templates\": [\"/s?q=%SEARCH_STRING% x\"]"), "must not hold spaces"},
      {EngineJson("\"result_links\": \"//div[\""), "field \"result_links\" "},
      {EngineJson("\"result_links\": \"count(//a)\""), "it gives a number, not the links"},
      {EngineJson("\"results_start_texts\": [\"\"]"), "must not hold an empty text"},
      {EngineJson("\"no_results_text\": 3"), "field \"no_results_text\" must be a text"},
      {"{\"name\": \"Half\"}", "engine 1 (\"Half\"): field \"country\" is missing"},
      {"[1]", "engine 1: must be an object"},
  };
  for (const Case& c : cases) {
    const UserEnginesLoad load = Parse(FileJson({c.engine, EngineJson("", "Good")}));
    ASSERT_EQ(load.problems.size(), 1u) << c.engine;
    EXPECT_NE(load.problems[0].find(c.problem), std::string::npos) << load.problems[0];
    ASSERT_EQ(load.engines.size(), 1u) << c.engine;
    EXPECT_EQ(load.engines[0].Name, "Good");
  }
  const UserEnginesLoad twice = Parse(FileJson({EngineJson(), EngineJson()}));
  ASSERT_EQ(twice.problems.size(), 1u);
  EXPECT_EQ(twice.problems[0],
            "engine 2 (\"Searchly\"): field \"name\" an earlier engine of the file has this name");
  EXPECT_EQ(twice.engines.size(), 1u);
}

TEST(UserEnginesFile, ABrokenFileLeavesTheBuiltInCatalogueWhole) {
  for (const std::string& bytes :
       {std::string("{\"engines\": [\n  {\"name\": }]}"), std::string("[]"),
        std::string("\xff\xfe"), std::string(), std::string("{\"engines\": [], \"x\": 1E400}")}) {
    const CatalogueLoad load = CatalogueWithUserEngines(bytes);
    ASSERT_EQ(load.problems.size(), 1u) << bytes;
    EXPECT_EQ(load.catalogue.LastEngineIndex, 33);
    EXPECT_EQ(FindEngineIndex(load.catalogue, "Yahoo"), 33);
  }
  EXPECT_EQ(CatalogueWithUserEngines("{\"engines\": [\n  {\"name\": }]}").problems[0],
            "not valid JSON (line 2, column 12)");
  // A number too large for a double ended the program (found by fuzzing).
  EXPECT_EQ(Parse("{\"engines\": 77777E7277777777}").problems[0],
            "not valid JSON (a number out of range)");
  EXPECT_EQ(Parse("{\"engines\": [], \"version\": 2}").problems[0],
            "\"version\" is not a field of the file");
}

TEST(UserEngineCatalogue, UserEnginesFollowTheBuiltInsAndGrowPastTheFixedSlots) {
  std::vector<std::string> engines;
  for (int i = 0; i < 6; ++i) engines.push_back(EngineJson("", "User " + std::to_string(i)));
  const CatalogueLoad load = CatalogueWithUserEngines(FileJson(engines));
  ASSERT_TRUE(load.problems.empty());
  EXPECT_EQ(load.catalogue.LastEngineIndex, 39);
  EXPECT_EQ(FindEngineIndex(load.catalogue, "User 0"), 34);
  EXPECT_EQ(FindEngineIndex(load.catalogue, "User 5"), 39);
  EXPECT_EQ(load.catalogue.At(25).Name, "Google");

  EngineCatalogue catalogue = load.catalogue;
  EngineRecord again = catalogue.At(34);
  EXPECT_FALSE(AddUserEngine(catalogue, again));
  EXPECT_EQ(catalogue.LastEngineIndex, 39);
  EXPECT_THROW(catalogue.At(40), std::out_of_range);
}

// A modern result page: ten results, the third on `domain`, each with a title
// link the rule selects and a second link it does not.
std::string ModernPage(const std::string& domain) {
  std::string page = "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n\r\n";
  page +=
      "<!doctype html><html><head><meta charset=\"utf-8\"><title>caf\xC3\xA9</title></head>"
      "<body><header><a href=\"/settings\">Settings</a></header><main>";
  for (int k = 1; k <= 10; ++k) {
    const std::string host = k == 3 ? domain : "site" + std::to_string(k) + ".test";
    page += "<div class=\"result\"><h3><a class=\"title\" href=\"https://" + host +
            "/p?a=1&amp;b=" + std::to_string(k) + "\">R\xC3\xA9sult " + std::to_string(k) +
            "</a></h3><p>snippet</p><a href=\"https://cache.test/" + std::to_string(k) +
            "\">cached</a></div>\n";
  }
  return page + "</main></body></html>\n";
}

TEST(ResultLinkRule, MarksTheSelectedLinksSoTheReadersFindPositionAndTopUrls) {
  const std::string rule = "//div[@class='result']//a[@class='title']/@href";
  std::string page = ModernPage("www.widgetworks.com");
  const std::string original = page;
  MarkResultLinks(page, rule, 1);
  EXPECT_NE(page.find("<b>13. </b>" + P +
                      "<a href=\"https://www.widgetworks.com/p?a=1&b=3\"></a><a class=\"title\""),
            std::string::npos);
  // Everything else is the page's own bytes: the UTF-8 title, the second links.
  EXPECT_NE(page.find("<title>caf\xC3\xA9</title>"), std::string::npos);
  EXPECT_EQ(page.find("<b>1. </b>"), std::string::npos);

  Integer position = 0;
  EXPECT_TRUE(
      FindDomainPosition("Searchly", "www.widgetworks.com", page, 2, {P, "", ""}, position));
  EXPECT_EQ(position, 13);

  std::string first = original;
  MarkResultLinks(first, rule, 0);
  ResultList top;
  ExtractTopUrls("k", "Searchly", first, 0, top);
  ASSERT_EQ(top.TopUrlCount, 10);
  EXPECT_EQ(top.Url(1), "https://site1.test/p?a=1&b=1");
  EXPECT_EQ(top.Url(10), "https://site10.test/p?a=1&b=10");
}

TEST(ResultLinkRule, SelectsElementsOrAttributesInPageOrderAndSurvivesAnyBytes) {
  const std::string page = "<p><a id=x href='b'>B</a><A HREF=\" a\x01&quot;\">A</A><a name=n>N</a>";
  const std::vector<ResultLink> links = SelectResultLinks(page, "//a[@href] | //a/@href");
  ASSERT_EQ(links.size(), 2u);  // each link once, in page order
  EXPECT_EQ(page.substr(links[0].tagStart, 7), "<a id=x");
  EXPECT_EQ(links[1].href, " a\x01\"");
  std::string marked = page;
  MarkResultLinks(marked, "//a/@href", 0);
  EXPECT_NE(marked.find("<b>2. </b>" + P + "<a href=\"a%01%22\"></a><A HREF"), std::string::npos);

  // Bytes above 127 and NUL keep positions: the link after them is found exactly.
  const std::string odd = std::string("\xE9\xFF\0\x80<div>", 9) + "<a href=\"\xE9t\xE9\">x</a>";
  const std::vector<ResultLink> found = SelectResultLinks(odd, "//a/@href");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].tagStart, 9u);
  EXPECT_EQ(found[0].href, "\xE9t\xE9");

  // A NUL or control byte ends a tag name as a blank does; the earlier "<br>"
  // inside the first link's attribute must not be taken for the second link.
  const std::string nul = std::string("<a href=\"http://one/<br>\">1</a><br") + '\0' +
                          "href=\"http://two/\"><p\x01 href=\"http://three/\">";
  const std::vector<ResultLink> tags = SelectResultLinks(nul, "//*[@href]");
  ASSERT_EQ(tags.size(), 3u);
  EXPECT_EQ(tags[1].tagStart, nul.rfind("<br"));
  EXPECT_EQ(tags[1].href, "http://two/");
  EXPECT_EQ(nul.substr(tags[2].tagStart, 3), "<p\x01");

  for (const std::string& junk : {std::string(), std::string("<<<<a href"), std::string(5000, '<'),
                                  std::string("HTTP/1.0 200 OK\r\n"), std::string("\0\0", 2)}) {
    std::string copy = junk;
    MarkResultLinks(copy, "//a/@href", 0);
    EXPECT_EQ(copy, junk);
  }
}

TEST(ResultLinkRule, CheckExplainsRulesThatCannotSelectLinks) {
  EXPECT_EQ(CheckResultLinkRule("//a/@href"), "");
  EXPECT_EQ(CheckResultLinkRule("//li[contains(@class, 'g')]//a"), "");
  EXPECT_NE(CheckResultLinkRule("//a[@href"), "");
  EXPECT_NE(CheckResultLinkRule("string(//a/@href)").find("a string"), std::string::npos);
  EXPECT_NE(CheckResultLinkRule("$links"), "");
  EXPECT_EQ(CheckResultLinkRule(""), "the rule is empty");
}

}  // namespace
}  // namespace kestrova

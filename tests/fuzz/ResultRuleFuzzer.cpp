// A user engine's XPath rule on any page: the links it selects lie in the page
// in page order, and marking them only inserts the marked entries, numbered
// in turn, in front of them, leaving every byte of the page as it was. The
// readers then work on the marked page as on a built-in engine's.
//
// Input: a byte that picks one of the rules people write (0-223) or says that
// the rule follows, up to the first line break (224-255); a byte for the page
// index (low two bits); the rule when it follows; then the page, a whole HTTP
// answer or just its HTML.
#include <string>
#include <vector>

#include "engines/MarkedPageReaders.h"
#include "engines/ResultLinkRule.h"
#include "engines/ResultPage.h"
#include "fuzz/FuzzSupport.h"

namespace kestrova::fuzz {
namespace {

constexpr std::string_view kRules[] = {
    "//a/@href",
    "//div[@class='result']//a[@class='title']/@href",
    "//li[contains(@class,'result-item')]/a",
    "//article[@class='web-result']//h2[@class='result-title']/a[@class='result-link']/@href",
    "//h3/a/@href",
    "//a[starts-with(@href,'http')]",
    "//*[@href]",
    "(//a)[position() < 11]/@href",
    "//a/@href | //area/@href",
    "//@href",
    "//table//td[2]//a[not(contains(@href,'cache'))]/@href",
    "//a[normalize-space(.)!='']/@href",
    "id('results')//a/@href",
    "//a[last()]/@href",
};

// Checks `marked` against `page` and the links selected on it: the page's own
// bytes in order, with "<b>N. </b>" + the Point marker + an empty link in front
// of some of the links (those with a URL), N counting from 10 x pageIndex + 1.
void CheckMarking(std::string_view page, std::string_view marked,
                  const std::vector<ResultLink>& links, Integer pageIndex) {
  std::size_t fromPage = 0, inMarked = 0;
  long inserted = 0;
  for (const ResultLink& link : links) {
    const std::string_view kept = page.substr(fromPage, link.tagStart - fromPage);
    Require(marked.substr(inMarked, kept.size()) == kept, "marking keeps the page's bytes");
    inMarked += kept.size();
    fromPage = link.tagStart;
    const std::string head = "<b>" + std::to_string(10L * pageIndex + inserted + 1) + ". </b>" +
                             std::string(kPointMarker) + "<a href=\"";
    if (marked.substr(inMarked, head.size()) != head) continue;  // a link without a URL
    const std::size_t end = marked.find("\"></a>", inMarked + head.size());
    Require(end != std::string_view::npos, "an inserted link is closed");
    const std::string_view url =
        marked.substr(inMarked + head.size(), end - inMarked - head.size());
    Require(!url.empty() && url.find_first_of("\"<>\r\n") == std::string_view::npos,
            "an inserted URL cannot end its attribute or tag");
    inMarked = end + 6;
    ++inserted;
  }
  Require(marked.substr(inMarked) == page.substr(fromPage), "marking keeps the page's end");
}

}  // namespace
}  // namespace kestrova::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  using namespace kestrova::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t choice = input.Byte();
  const auto pageIndex = static_cast<Integer>(input.Byte() & 3);
  std::string rule;
  if (choice < 224) {
    rule = kRules[choice % std::size(kRules)];
  } else {
    const std::size_t lineEnd = input.Rest().find('\n');
    rule = input.Take(lineEnd == std::string_view::npos ? input.Rest().size() : lineEnd + 1);
    if (!rule.empty() && rule.back() == '\n') rule.pop_back();
  }
  const std::string page(input.Rest());

  const std::vector<ResultLink> links = SelectResultLinks(page, rule);
  Require(links.size() <= kMaxResultLinks, "at most kMaxResultLinks links are taken");
  for (std::size_t i = 0; i < links.size(); ++i) {
    Require(links[i].tagStart < page.size() && page[links[i].tagStart] == '<',
            "a link is found at its tag's \"<\"");
    Require(i == 0 || links[i - 1].tagStart < links[i].tagStart, "links come in page order, once");
  }

  std::string marked = page;
  MarkResultLinks(marked, rule, pageIndex);
  CheckMarking(page, marked, links, pageIndex);

  EngineRecord engine;
  engine.Name = "Searchly";
  engine.UserDefined = true;
  engine.ResultLinks = rule;
  std::string parsed = page;
  ParseResultPage(engine, parsed, pageIndex);
  Require(parsed == marked, "a user engine's page is marked by its rule");

  Integer position = 0;
  FindDomainPosition(engine.Name, "www.widgetworks.com", marked, 0, {std::string(kPointMarker)},
                     position);
  ResultList list;
  ExtractTopUrls("bird widgets", engine.Name, marked, pageIndex, list);
  Require(list.TopUrlCount >= 0 && list.TopUrlCount <= kTopUrlSlots,
          "the top URLs fill at most their ten slots");
  return 0;
}

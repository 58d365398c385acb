// A fetched result page through everything the engine check runs on it: the
// engine's parser, then on the rewritten page the position search, the top
// URLs and the saved-page annotation.
//
// Input: one byte picks the built-in engine, one the page index (low two bits)
// and the keyword highlighting (top bit); the rest is the page. For "Alles Klar
// AT", whose links are followed with HEAD requests, the page may be followed by
// kHeadSeparator and the answers those requests get, separated by it again; an
// empty answer is a transfer given up, and without answers every link
// redirects to a page of the domain.
#include <string>

#include "engines/EngineCatalogue.h"
#include "engines/MarkedPageReaders.h"
#include "engines/ResultPage.h"
#include "engines/SavedPageAnnotation.h"
#include "fuzz/FuzzSupport.h"

namespace kestrova::fuzz {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kHeadSeparator = "\0HEAD\0"sv;
constexpr std::string_view kDomain = "www.widgetworks.com";
constexpr std::string_view kKeyword = "bird widgets";

// Every parser inserts a bounded text per entry and its entries lie at least a
// few characters apart; a page that grows past this is growing without bound.
constexpr std::size_t kGrowthFactor = 16;
constexpr std::size_t kGrowthSlack = 64 * 1024;

HeadRequest HeadFrom(const std::vector<std::string_view>& answers, std::size_t& next) {
  return [&answers, &next](const std::string&, const std::string& path) {
    if (answers.empty()) {
      return HeadAnswer{
          "HTTP/1.0 302 Found\r\nLocation: http://" + std::string(kDomain) + path + "\r\n\r\n",
          false};
    }
    const std::string_view answer = answers[next++ % answers.size()];
    return HeadAnswer{std::string(answer), answer.empty()};
  };
}

}  // namespace
}  // namespace kestrova::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  using namespace kestrova::fuzz;
  FuzzInput input(data, size);
  const EngineRecord& engine = Catalogue().At(static_cast<Integer>(input.Byte() % kEngineCount));
  const std::uint8_t choices = input.Byte();
  const auto pageIndex = static_cast<Integer>(choices & 3);
  const bool highlight = (choices & 0x80) != 0;

  std::vector<std::string_view> parts = SplitAt(input.Rest(), kHeadSeparator);
  const std::string original(parts.front());
  parts.erase(parts.begin());
  std::size_t nextAnswer = 0;

  std::string page = original;
  ParseResultPage(engine, page, pageIndex, HeadFrom(parts, nextAnswer));
  Require(page.size() <= original.size() * kGrowthFactor + kGrowthSlack,
          "a parsed page stays within a bounded growth of the fetched one");

  Integer position = 0;
  const bool found =
      FindDomainPosition(engine.Name, kDomain, page, 2, engine.ResultsStartTexts, position);
  Require(found || position == 0, "a domain not found leaves the position alone");
  Require(position >= 0, "a position read from the page is never negative");

  ResultList list;
  ExtractTopUrls(kKeyword, engine.Name, page, pageIndex, list);
  Require(list.TopUrlCount >= 0 && list.TopUrlCount <= kTopUrlSlots,
          "the top URLs fill at most their ten slots");
  Require(pageIndex == 0 || list.TopUrlCount == 0, "only the first page gives top URLs");

  const std::string marked = page;
  AnnotateSavedPage(page,
                    {SavedPageTitle("http://www.tarnwell.com/", "Kestrova", pageIndex), engine.Host,
                     std::string(kKeyword), engine.Name, engine.ResultsStartTexts[0], highlight});
  Require(page.size() <= marked.size() * kGrowthFactor + kGrowthSlack,
          "an annotated page stays within a bounded growth of the parsed one");
  return 0;
}

// Builds the benchmark pages with the simulator's layouts and synthetic index,
// exactly as kestrova-sim would serve them, padded to the wanted sizes.
#include "BenchPages.h"

#include <cctype>

#include "engines/ResultPage.h"
#include "net/HttpRequest.h"
#include "net/UrlCoding.h"
#include "sim/PageLayout.h"
#include "sim/Reply.h"
#include "sim/Responder.h"
#include "sim/Scenario.h"
#include "sim/SyntheticIndex.h"

namespace kestrova::bench {
namespace {

constexpr std::uint64_t kBenchSeed = 7;

std::string RenderPage(const EngineRecord& engine, long htmlBytes) {
  sim::ResultPageInput input;
  input.engine = &engine;
  input.encodedKeyword = EncodeSearchText(kBenchKeyword);
  input.keywordHtml = kBenchKeyword;  // nothing in it needs escaping
  const std::uint64_t listSeed = sim::ResultListSeed(engine.Name, input.encodedKeyword, kBenchSeed);
  input.pageSeed = sim::MixBits(listSeed);
  input.hitCount = sim::ClaimedHitCount(listSeed);
  for (int rank = 1; rank <= 10; ++rank) {
    input.entries.push_back(sim::SyntheticEntry(listSeed, rank, input.keywordHtml));
  }
  return sim::RenderResultPage(input, htmlBytes);
}

// Asks the simulator in process what each HEAD request of the page's parser
// would have brought back, so the timed runs need no server.
std::vector<std::pair<std::string, std::string>> RecordHeadAnswers(const sim::Responder& responder,
                                                                   const BenchPage& page) {
  std::vector<std::pair<std::string, std::string>> answers;
  const HeadRequest head = [&](const std::string& host, const std::string& path) {
    const std::string request =
        BuildHttpRequest({RequestMethod::Head, host, path, "Kestrova bench", false});
    const sim::Reply reply = responder.Answer(request);
    std::string bytes = reply.steps.empty() ? std::string() : reply.steps.front().bytes;
    answers.emplace_back(host + path, bytes);
    return HeadAnswer{std::move(bytes), false};
  };
  std::string text = page.response;
  ParseResultPage(*page.engine, text, 0, head);
  return answers;
}

}  // namespace

std::vector<BenchPage> MakeBenchPages(const std::vector<long>& responseSizes) {
  const EngineCatalogue& catalogue = Catalogue();
  sim::Scenario scenario;
  scenario.seed = kBenchSeed;
  const sim::Responder responder(catalogue, scenario, "");
  const std::string header = sim::HttpResponse(200, "OK", "");
  std::vector<BenchPage> pages;
  for (long size : responseSizes) {
    for (Integer index = 0; index <= catalogue.LastEngineIndex; ++index) {
      BenchPage page;
      page.engine = &catalogue.At(index);
      page.sizeLabel = std::to_string(size / 1000) + "k";
      page.html = RenderPage(*page.engine, size - static_cast<long>(header.size()));
      page.response = sim::HttpResponse(200, "OK", page.html);
      page.headAnswers = RecordHeadAnswers(responder, page);
      pages.push_back(std::move(page));
    }
  }
  return pages;
}

std::string BenchPageFileName(const BenchPage& page) {
  std::string name;
  for (char c : page.engine->Name) {
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  }
  return name + "-" + page.sizeLabel + ".html";
}

}  // namespace kestrova::bench

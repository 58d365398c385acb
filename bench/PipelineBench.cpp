// The per-page work of a keyword check, for every engine's result page at about
// 10 KB and 32 KB: rewrite the page, find the domain's position, read the top
// URLs and prepare the page for saving. Beside each, the floor: one memchr pass
// over the same bytes. "--dump-pages=DIR" writes the pages for the parsing peer.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <string_view>

#include "BenchPages.h"
#include "base/Files.h"
#include "engines/MarkedPageReaders.h"
#include "engines/ResultPage.h"
#include "engines/SavedPageAnnotation.h"

namespace kestrova::bench {
namespace {

const std::vector<BenchPage>& Pages() {
  static const std::vector<BenchPage> pages = MakeBenchPages({kSmallPageBytes, kLargePageBytes});
  return pages;
}

// Work that keeps every result live, so the compiler drops none of it.
struct PipelineResult {
  Integer position = 0;
  Integer topUrlCount = 0;
  std::size_t savedBytes = 0;
};

PipelineResult RunPipeline(const BenchPage& page, const HeadRequest& head) {
  const EngineRecord& engine = *page.engine;
  std::string text = page.response;  // the check owns and rewrites its copy
  ParseResultPage(engine, text, 0, head);
  PipelineResult result;
  FindDomainPosition(engine.Name, kBenchDomain, text, kResultsStartSlots - 1,
                     engine.ResultsStartTexts, result.position);
  ResultList list;
  ExtractTopUrls(kBenchKeyword, engine.Name, text, 0, list);
  result.topUrlCount = list.TopUrlCount;
  AnnotateSavedPage(text,
                    {SavedPageTitle("http://www.kestrova.example/", "Kestrova", 0), engine.Host,
                     kBenchKeyword, engine.Name, engine.ResultsStartTexts[0], false});
  result.savedBytes = text.size();
  return result;
}

void BM_Pipeline(benchmark::State& state, const BenchPage* page) {
  std::map<std::string, std::string, std::less<>> answers(page->headAnswers.begin(),
                                                          page->headAnswers.end());
  const HeadRequest head = [&answers](const std::string& host, const std::string& path) {
    auto found = answers.find(host + path);
    return HeadAnswer{found == answers.end() ? std::string() : found->second, false};
  };
  PipelineResult result;
  for (auto _ : state) {
    result = RunPipeline(*page, head);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(page->response.size()));
  state.counters["bytes"] = static_cast<double>(page->response.size());
  state.counters["top_urls"] = result.topUrlCount;
}

// A byte that never occurs in the pages, so memchr reads every one of them.
void BM_Floor(benchmark::State& state, const BenchPage* page) {
  const std::string& bytes = page->response;
  for (auto _ : state) {
    const char* data = bytes.data();
    benchmark::DoNotOptimize(data);  // no hoisting the pass out of the loop
    const void* hit = std::memchr(data, '\x01', bytes.size());
    benchmark::DoNotOptimize(hit);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(bytes.size()));
  state.counters["bytes"] = static_cast<double>(bytes.size());
}

void RegisterAll() {
  for (const BenchPage& page : Pages()) {
    const std::string suffix = page.engine->Name + "/" + page.sizeLabel;
    benchmark::RegisterBenchmark(("Pipeline/" + suffix).c_str(), BM_Pipeline, &page);
    benchmark::RegisterBenchmark(("Floor/" + suffix).c_str(), BM_Floor, &page);
  }
}

bool DumpPages(const std::string& directory) {
  if (!DirExists(directory) && !MakeDirectory(directory)) {
    std::cerr << "cannot create " << directory << "\n";
    return false;
  }
  for (const BenchPage& page : Pages()) {
    std::ofstream file(directory + "/" + BenchPageFileName(page), std::ios::binary);
    file << page.html;
    if (!file) {
      std::cerr << "cannot write " << BenchPageFileName(page) << "\n";
      return false;
    }
  }
  return true;
}

}  // namespace
}  // namespace kestrova::bench

int main(int argc, char** argv) {
  constexpr std::string_view kDumpOption = "--dump-pages=";
  if (argc == 2 && std::string_view(argv[1]).starts_with(kDumpOption)) {
    return kestrova::bench::DumpPages(std::string(argv[1] + kDumpOption.size())) ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  kestrova::bench::RegisterAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

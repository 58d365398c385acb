// The result pages the benchmarks read: for every catalogue engine, a first
// result page in its own layout padded to a given size, made by the simulator's
// page layouts in process, so every run measures the same bytes.
#pragma once

#include <string>
#include <vector>

#include "engines/EngineCatalogue.h"

namespace kestrova::bench {

// The keyword the pages answer, and a domain that occurs on none of them, so the
// position search reads every page to its end (the costlier case).
inline constexpr const char* kBenchKeyword = "rank checker";
inline constexpr const char* kBenchDomain = "www.kestrova-bench.com";

// Page sizes as the client hands them on (header included): about 10 KB, and
// the client's 32000-character answer cap.
inline constexpr long kSmallPageBytes = 10240;
inline constexpr long kLargePageBytes = 32000;

struct BenchPage {
  const EngineRecord* engine = nullptr;
  std::string sizeLabel;  // "10k" or "32k"
  std::string html;       // the page alone, as the parsing peer loads it
  std::string response;   // status line, header lines and the page, as the run sees it
  // The answers to the HEAD requests the engine's parser makes for this page
  // ("Alles Klar AT" resolves its redirect links), keyed by host + path.
  std::vector<std::pair<std::string, std::string>> headAnswers;
};

// One page per engine of the catalogue and size, the engines in catalogue order.
std::vector<BenchPage> MakeBenchPages(const std::vector<long>& responseSizes);

// A file name for the page: the engine's name with only letters and digits kept,
// then the size label ("AltaVistaDe-32k.html").
std::string BenchPageFileName(const BenchPage& page);

}  // namespace kestrova::bench

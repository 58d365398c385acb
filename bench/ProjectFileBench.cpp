// Project files at the record limit: 32,767 ranking records with ten top URLs
// each, written with WriteProjectFile or read with ReadProjectFile a number of
// times. Prints one JSON line with the median, least and most milliseconds.
// The records hold one keyword per 34 (every engine checked for it: 964
// keywords), or, with "distinct", a keyword of their own (32,767 keywords).
// Usage: bench_project write|read FILE [REPEATS] [few|distinct]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "base/Messenger.h"
#include "engines/EngineCatalogue.h"
#include "ranking/ProjectState.h"
#include "store/ProjectFile.h"

namespace kestrova::bench {
namespace {

// Read errors are counted, never shown: the bench has nobody to ask.
class QuietMessenger : public Messenger {
 public:
  int messages = 0;
  MessageAnswer ShowMessage(std::string_view, std::string_view, MessageButtons,
                            MessageIcon) override {
    ++messages;
    return MessageAnswer::Ok;
  }
  void SetBusy(bool) override {}
  void Yield() override {}
};

// Records as a long-used project holds them: every engine, many keywords,
// believable dates, changes, trends and ten result URLs each.
ProjectState ProjectAtRecordLimit(const EngineCatalogue& catalogue, bool distinctKeywords) {
  ProjectState project;
  project.Domain = "www.kestrova-bench.com";
  project.KeywordDepth = 50;
  project.TimeOutSecs = 50;
  const int engines = catalogue.LastEngineIndex + 1;
  for (int index = 0; index < engines; ++index) {
    project.AvailableEngines.push_back(catalogue.At(static_cast<Integer>(index)).Name);
  }
  project.SelectedEngines = project.AvailableEngines;
  project.Rankings.resize(kMaxRecords);
  for (int n = 0; n < kMaxRecords; ++n) {
    RankingRecord& record = project.Rankings[static_cast<size_t>(n)];
    const int keyword = distinctKeywords ? n : n / engines;
    record.Domain = project.Domain;
    record.Succeeded = n % 13 != 0;
    record.CheckedAt = "03/14/2000 10:" + std::to_string(10 + n % 50) + ":00 AM";
    record.KeywordDepth = 50;
    record.CheckedDomain = project.Domain;
    record.Keyword = "bench keyword " + std::to_string(keyword);
    record.Engine = catalogue.At(static_cast<Integer>(n % engines)).Name;
    record.Rank = static_cast<Integer>(1 + n % 50);
    record.Page = static_cast<Integer>(1 + (record.Rank - 1) / 10);
    record.PagePosition = static_cast<Integer>(1 + (record.Rank - 1) % 10);
    record.ChangeText = n % 3 == 0 ? "---" : "  Up, (" + std::to_string(n % 9 + 1) + ")";
    record.TrendText = "Increased to Good ranking";
    for (int slot = 0; slot < kTopUrlSlots; ++slot) {
      record.TopUrls[static_cast<size_t>(slot)] =
          "http://www.result-site-" + std::to_string((n * 7 + slot) % 5000) +
          ".example.com/pages/article-" + std::to_string(slot + 1) + ".html";
    }
    record.TopUrlCount = kTopUrlSlots;
  }
  return project;
}

double Milliseconds(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

int Run(const std::string& mode, const std::string& path, int repeats, bool distinctKeywords) {
  const EngineCatalogue& catalogue = Catalogue();
  std::vector<double> times;
  std::size_t records = 0, keywords = 0;
  if (mode == "write") {
    const ProjectState project = ProjectAtRecordLimit(catalogue, distinctKeywords);
    records = project.Rankings.size();
    keywords = RankingKeywords(project).size();
    for (int i = 0; i < repeats; ++i) {
      const auto start = std::chrono::steady_clock::now();
      if (const Status written = WriteProjectFile(path, project); !written) {
        std::cerr << "bench_project: write failed: " << written.message() << "\n";
        return 1;
      }
      times.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
    }
  } else if (mode == "read") {
    for (int i = 0; i < repeats; ++i) {
      QuietMessenger messenger;
      ProjectState project;
      const auto start = std::chrono::steady_clock::now();
      const bool ok = ReadProjectFile(path, project, messenger, catalogue).ok();
      times.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
      if (!ok) {
        std::cerr << "bench_project: read failed\n";
        return 1;
      }
      records = project.Rankings.size();
      keywords = RankingKeywords(project).size();
    }
  } else {
    std::cerr << "usage: bench_project write|read FILE [REPEATS] [few|distinct]\n";
    return 2;
  }
  std::sort(times.begin(), times.end());
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::cout << "{\"mode\": \"" << mode << "\", \"records\": " << records
            << ", \"keywords\": " << keywords << ", \"median_ms\": " << times[times.size() / 2]
            << ", \"min_ms\": " << times.front() << ", \"max_ms\": " << times.back()
            << ", \"max_rss_kb\": " << usage.ru_maxrss << "}\n";
  return 0;
}

}  // namespace
}  // namespace kestrova::bench

int main(int argc, char** argv) {
  const std::string spread = argc == 5 ? argv[4] : "few";
  if (argc < 3 || argc > 5 || (spread != "few" && spread != "distinct")) {
    std::cerr << "usage: bench_project write|read FILE [REPEATS] [few|distinct]\n";
    return 2;
  }
  const int repeats = argc >= 4 ? std::max(1, std::atoi(argv[3])) : 5;
  return kestrova::bench::Run(argv[1], argv[2], repeats, spread == "distinct");
}

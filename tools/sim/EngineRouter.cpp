// Recovering keyword and page from a query path: every result page of an engine
// is expanded once with a marker in place of the keyword, so a request matches
// a page when it starts with the text before the marker and ends with the text
// after it. This reuses the program's own query-path code, so templates are
// never restated here and every placeholder rule comes out exactly as sent.
#include "sim/EngineRouter.h"

#include "base/Text.h"
#include "engines/QueryPath.h"

namespace kestrova::sim {

namespace {

constexpr std::string_view kKeywordMarker = "\x01";

// Paths are compared without a leading "/" (some engines' paths have none, and a
// proxy request may add one) and without trailing spaces (one engine's path ends
// in a space that a request line may not keep).
std::string_view Normalized(std::string_view path) {
  if (!path.empty() && path.front() == '/') path.remove_prefix(1);
  while (!path.empty() && path.back() == ' ') path.remove_suffix(1);
  return path;
}

}  // namespace

EngineRouter::EngineRouter(const EngineCatalogue& catalogue) : catalogue_(catalogue) {
  for (int index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(static_cast<Integer>(index));
    enginesByHost_[LowerCase(engine.Host)].push_back(index);
    std::vector<PagePattern> pages;
    for (int page = 0; page < kMaxPages; ++page) {
      QueryRequest query = BuildQueryRequest(engine, kKeywordMarker, static_cast<Integer>(page));
      std::string_view path = Normalized(query.Path);
      PagePattern pattern;
      std::size_t marker = path.find(kKeywordMarker);
      if (marker == std::string_view::npos) {
        pattern.prefix = path;
        pattern.hasKeyword = false;
      } else {
        pattern.prefix = path.substr(0, marker);
        pattern.suffix = path.substr(marker + kKeywordMarker.size());
      }
      pages.push_back(std::move(pattern));
    }
    patterns_.push_back(std::move(pages));
  }
}

const std::vector<int>* EngineRouter::EnginesOfHost(std::string_view host) const {
  auto found = enginesByHost_.find(std::string(host));
  return found == enginesByHost_.end() ? nullptr : &found->second;
}

std::optional<EngineQuery> EngineRouter::Match(std::string_view host, std::string_view path) const {
  const std::vector<int>* engines = EnginesOfHost(host);
  if (engines == nullptr) return std::nullopt;
  std::string_view wanted = Normalized(path);
  std::optional<EngineQuery> best;
  // Several pages can match when a keyword holds "&": the reading that leaves
  // the shortest keyword is the one whose literal parts matched most of the path.
  for (int engineIndex : *engines) {
    const auto& pages = patterns_[static_cast<std::size_t>(engineIndex)];
    for (int page = 0; page < kMaxPages; ++page) {
      const PagePattern& pattern = pages[static_cast<std::size_t>(page)];
      if (!pattern.hasKeyword) {
        if (wanted != pattern.prefix) continue;
      } else if (wanted.size() < pattern.prefix.size() + pattern.suffix.size() ||
                 !wanted.starts_with(pattern.prefix) || !wanted.ends_with(pattern.suffix)) {
        continue;
      }
      std::string_view keyword =
          pattern.hasKeyword
              ? wanted.substr(pattern.prefix.size(),
                              wanted.size() - pattern.prefix.size() - pattern.suffix.size())
              : std::string_view{};
      if (!best || keyword.size() < best->encodedKeyword.size()) {
        best = EngineQuery{engineIndex, std::string(keyword), page};
      }
    }
  }
  return best;
}

bool EngineRouter::SplitGluedTarget(std::string_view hostAndPath, std::string& host,
                                    std::string& path) const {
  std::string lowered = LowerCase(hostAndPath);
  std::size_t bestLength = 0;
  for (const auto& [engineHost, engines] : enginesByHost_) {
    if (!engineHost.empty() && engineHost.size() > bestLength && lowered.starts_with(engineHost)) {
      bestLength = engineHost.size();
      host = engineHost;
    }
  }
  if (bestLength == 0) return false;
  path = std::string(hostAndPath.substr(bestLength));
  return true;
}

}  // namespace kestrova::sim

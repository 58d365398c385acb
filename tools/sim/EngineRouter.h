// Tells which catalogue engine a request is for, and which keyword and result
// page it asks for, by matching the path against the engine's own query paths.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engines/EngineCatalogue.h"

namespace kestrova::sim {

// Result pages the simulator knows per keyword (page indices 0..kMaxPages-1).
constexpr int kMaxPages = 100;

struct EngineQuery {
  int engineIndex = -1;
  std::string encodedKeyword;  // the search text as it stands in the path
  int pageIndex = 0;           // 0 = first result page
};

class EngineRouter {
 public:
  explicit EngineRouter(const EngineCatalogue& catalogue);

  // Engine indices whose Host is `host` (lower case); empty for any other host.
  const std::vector<int>* EnginesOfHost(std::string_view host) const;

  // The engine, keyword and page of a query path on `host`; nullopt when the
  // path is none of the engine's result pages.
  std::optional<EngineQuery> Match(std::string_view host, std::string_view path) const;

  // For proxy targets whose path lacks its "/" ("http://hostcgi-bin/..."): splits
  // "host+path" at the longest engine host it begins with.
  bool SplitGluedTarget(std::string_view hostAndPath, std::string& host, std::string& path) const;

 private:
  // A query path with the keyword cut out: prefix + keyword + suffix.
  struct PagePattern {
    std::string prefix;
    std::string suffix;
    bool hasKeyword = true;
  };
  const EngineCatalogue& catalogue_;
  std::unordered_map<std::string, std::vector<int>> enginesByHost_;
  std::vector<std::vector<PagePattern>> patterns_;  // [engine][page index]
};

}  // namespace kestrova::sim

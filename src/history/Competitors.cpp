#include "history/Competitors.h"

#include <algorithm>

#include "base/Text.h"
#include "net/UrlSplit.h"

namespace kestrova {

std::string UrlHost(std::string_view url) {
  std::string host, path;
  if (!SplitUrl(url, host, path)) return {};
  // "http://" is no part of the host's name.
  if (StartsWithNoCase(host, "http://")) host.erase(0, 7);
  return LowerCase(host);
}

bool IsOwnHost(std::string_view host, std::string_view domain) {
  if (host.empty() || domain.empty()) return false;
  if (EqualsNoCase(host, domain)) return true;
  const std::string bare =
      StartsWithNoCase(domain, "www.") ? StripWww(domain) : std::string(domain);
  if (EqualsNoCase(host, bare)) return true;
  return host.size() > bare.size() + 1 && host[host.size() - bare.size() - 1] == '.' &&
         EqualsNoCase(host.substr(host.size() - bare.size()), bare);
}

CompetitorTable BuildCompetitors(const std::vector<TopUrlRow>& urls) {
  CompetitorTable table;
  std::vector<std::string> engineOrder;
  std::map<std::pair<std::string, std::string>, std::size_t> rowOf;
  for (const TopUrlRow& url : urls) {
    if (url.host.empty()) continue;
    auto& dates = table.dates[url.engine];
    if (dates.empty()) engineOrder.push_back(url.engine);
    if (dates.empty() || dates.back() != url.date) dates.push_back(url.date);
    const auto key = std::make_pair(url.engine, url.host);
    auto found = rowOf.find(key);
    if (found == rowOf.end()) {
      found = rowOf.emplace(key, table.rows.size()).first;
      table.rows.push_back({url.engine, url.host, IsOwnHost(url.host, url.ownDomain), {}});
    }
    auto [slot, added] = table.rows[found->second].positions.try_emplace(url.date, url.slot);
    if (!added) slot->second = std::min(slot->second, url.slot);
  }
  auto engineRank = [&engineOrder](const std::string& engine) {
    return std::find(engineOrder.begin(), engineOrder.end(), engine) - engineOrder.begin();
  };
  // Where each domain stood at the engine's latest date; absent ones after.
  auto latest = [&table](const CompetitorRow& row) {
    const auto at = row.positions.find(table.dates[row.engine].back());
    return at == row.positions.end() ? 100 : at->second;
  };
  std::stable_sort(table.rows.begin(), table.rows.end(),
                   [&](const CompetitorRow& a, const CompetitorRow& b) {
                     if (a.engine != b.engine) return engineRank(a.engine) < engineRank(b.engine);
                     if (latest(a) != latest(b)) return latest(a) < latest(b);
                     return a.domain < b.domain;
                   });
  return table;
}

}  // namespace kestrova

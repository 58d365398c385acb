// Who shares a keyword's top ten: every domain seen in an engine's stored top
// ten, with its best slot at each check date, the project's own domain marked.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "history/HistoryQueries.h"

namespace kestrova {

// The host of a URL ("http://www.a.com/x" -> "www.a.com"); empty when it has none.
std::string UrlHost(std::string_view url);

// Whether `host` is the project's `domain`: the same name (any letter case) or,
// as the position search finds it, the name after "www." or a host under it.
bool IsOwnHost(std::string_view host, std::string_view domain);

struct CompetitorRow {
  std::string engine, domain;
  bool own = false;
  std::map<std::string, int> positions;  // check date -> best slot that date
};

struct CompetitorTable {
  std::map<std::string, std::vector<std::string>> dates;  // engine -> its check dates, in order
  std::vector<CompetitorRow> rows;  // by engine as first seen, then by latest slot, then name
};

CompetitorTable BuildCompetitors(const std::vector<TopUrlRow>& urls);

}  // namespace kestrova

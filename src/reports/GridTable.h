// A grid written as an HTML table, exactly as the window shows it: its
// order, its hidden columns, its colours and centring.
#pragma once

#include <string>

#include "reports/ReportFile.h"
#include "ui/Grid.h"

namespace kestrova {

struct EngineCatalogue;

enum class GridTableKind { Ranking, TopUrls };

// What the links in a table need: the catalogue for the engine home links,
// and for the ranking grid's Result links the project's report directory,
// domain and the keyword shown.
struct GridTableLinks {
  const EngineCatalogue& catalogue;
  std::string reportDirectory;
  std::string domain;
  std::string keyword;
};

// The colour text a cell's text colour is written with; empty for a colour
// with no text of its own (the previous cell's is used again).
std::string ReportColorText(const std::optional<ui::Rgb>& color);

void WriteGridTable(const ui::Grid& grid, GridTableKind kind, const GridTableLinks& links,
                    ReportFile& report);

}  // namespace kestrova

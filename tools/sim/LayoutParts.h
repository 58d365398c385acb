// Internal to the page layouts: the pieces one engine's layout contributes to
// the common page frame, and the layout table.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "sim/PageLayout.h"

namespace kestrova::sim {

struct LayoutParts {
  std::string head;  // extra tags inside <HEAD>
  std::string top;   // between the search form and the entries (counts, start texts)
  std::string list;  // the ten entries
  std::string bottom;
};

using LayoutFunction = void (*)(const ResultPageInput& input, LayoutParts& parts);

struct LayoutRow {
  std::string_view engineName;
  LayoutFunction layout;
};

// Rows for the engines whose names begin with A to E (first half) and the rest.
std::span<const LayoutRow> LayoutsFirstHalf();
std::span<const LayoutRow> LayoutsSecondHalf();

// Appends about `bytes` of padding as a block of related searches.
void AppendPadding(std::string& page, long bytes);
// Page sizes from a few KB to past the client's 32000-character cap.
long ChosenPageSize(std::uint64_t pageSeed);

// Shared little pieces.
std::string Number(long value);
// The rank as the engine prints it (overall position).
inline std::string Rank(const ResultEntry& entry) {
  return Number(entry.rank);
}
// The overall page range "11-20" style texts use.
std::string RangeText(const ResultPageInput& input);
// A two-digit relevance figure that falls with the rank.
std::string Relevance(const ResultEntry& entry);
// `text` between double quotes, as attribute values are written.
std::string Quoted(std::string_view text);
// A stable yes/no for a page-level choice (link forms), from the page seed.
bool PageChoice(const ResultPageInput& input, int salt);

}  // namespace kestrova::sim

// The built-in table of search engines. It is built once and read-only after;
// everything else finds an engine by its exact name and reads its record.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "engines/EngineRecord.h"

namespace kestrova {

constexpr int kEngineSlotCount = 38;  // slots 0-37; the built catalogue fills 0-33
constexpr int kEngineCount = 34;

struct EngineCatalogue {
  std::array<EngineRecord, kEngineSlotCount> Engines;
  // Index of the last filled slot; every walk runs 0..LastEngineIndex. An unbuilt
  // catalogue holds -1 so that it knows no engine at all (not even the empty name).
  Integer LastEngineIndex = -1;

  // The record in slot `index`. An index outside 0..37 is a program error
  // (std::out_of_range), never a lookup miss.
  const EngineRecord& At(Integer index) const;
};

// Fills slots 0-33 with the built-in engines and sets LastEngineIndex to 33.
void BuildEngineCatalogue(EngineCatalogue& catalogue);

// The program's one catalogue, built on first use and read-only afterwards.
const EngineCatalogue& Catalogue();

// Index of the first engine named exactly `name` (case-sensitive), or -1.
Integer FindEngineIndex(const EngineCatalogue& catalogue, std::string_view name);
Integer FindEngineIndex(std::string_view name);

// True when some engine in 0..LastEngineIndex is named exactly `name`.
bool EngineExists(const EngineCatalogue& catalogue, std::string_view name);
bool EngineExists(std::string_view name);

// The engine's home page: "http://" followed by its Host.
std::string EngineHomeLink(const EngineRecord& engine);
// Home link of the engine at `index` in the one catalogue; empty for -1 (or
// any index outside 0..LastEngineIndex), so callers open nothing.
std::string EngineHomeLink(Integer index);

}  // namespace kestrova

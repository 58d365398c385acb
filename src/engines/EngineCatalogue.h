// The table of search engines: the built-in ones first, then those of the
// user's engines file. It is built once at start and read-only after; everything
// else finds an engine by its exact name and reads its record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Numbers.h"
#include "engines/EngineRecord.h"

namespace kestrova {

constexpr int kEngineSlotCount = 38;  // slots a catalogue always has; the built-ins fill 0-33
constexpr int kEngineCount = 34;      // the built-in engines
// User engines take the slots after the built-ins (34 on), growing the table past
// its 38 slots when there are more than four; this many at most.
constexpr int kMaxUserEngines = 200;

struct EngineCatalogue {
  std::vector<EngineRecord> Engines = std::vector<EngineRecord>(kEngineSlotCount);
  // Index of the last filled slot; every walk runs 0..LastEngineIndex. An unbuilt
  // catalogue holds -1 so that it knows no engine at all (not even the empty name).
  Integer LastEngineIndex = -1;

  // The record in slot `index`. An index outside the slots is a program error
  // (std::out_of_range), never a lookup miss.
  const EngineRecord& At(Integer index) const;
};

// Fills slots 0-33 with the built-in engines and sets LastEngineIndex to 33.
void BuildEngineCatalogue(EngineCatalogue& catalogue);

// Appends `engine` after the last filled slot. False, with nothing changed, when
// its name is already in the catalogue or kMaxUserEngines are there.
bool AddUserEngine(EngineCatalogue& catalogue, EngineRecord engine);

// The built-in catalogue, built on first use and read-only afterwards.
const EngineCatalogue& Catalogue();

// Index of the first engine named exactly `name` (case-sensitive), or -1.
Integer FindEngineIndex(const EngineCatalogue& catalogue, std::string_view name);
Integer FindEngineIndex(std::string_view name);

// True when some engine in 0..LastEngineIndex is named exactly `name`.
bool EngineExists(const EngineCatalogue& catalogue, std::string_view name);
bool EngineExists(std::string_view name);

// The engine's home page: "http://" followed by its Host; a user engine's names
// its own scheme and a port that is not the scheme's.
std::string EngineHomeLink(const EngineRecord& engine);
// Home link of the engine at `index` in the built-in catalogue; empty for -1 (or
// any index outside 0..LastEngineIndex), so callers open nothing.
std::string EngineHomeLink(Integer index);

// What the HTTP client is given as the host of the engine's requests: the Host
// itself for plain HTTP on port 80, else "https://Host" or "http://Host:port".
std::string EngineRequestHost(const EngineRecord& engine);

}  // namespace kestrova

// The simulator's made-up web: for an engine and a keyword, a stable list of
// believable result entries, the same on every run for the same seed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrova::sim {

struct ResultEntry {
  int rank = 0;             // 1-based overall position
  std::string url;          // "http://host/path", letters, digits and "-./~" only
  std::string title;        // plain text, no markup
  std::string description;  // plain text, no markup, no "." directly before a tag
};

// A 64-bit hash of text (FNV-1a), the root of every seed.
std::uint64_t HashText(std::string_view text, std::uint64_t basis = 1469598103934665603ULL);
// One step of a splitmix generator: a well-mixed value from any input.
std::uint64_t MixBits(std::uint64_t value);

// The seed of one engine's result list for one keyword (as it stands in the path).
std::uint64_t ResultListSeed(std::string_view engineName, std::string_view encodedKeyword,
                             std::uint64_t scenarioSeed);

// The synthetic entry at `rank`; its host never contains "kestrova", so placed
// domains are the only hits for them. `keywordText` goes into the description.
ResultEntry SyntheticEntry(std::uint64_t listSeed, int rank, std::string_view keywordText);

// Total hits an engine claims for a keyword (a stable number, never ending in 0).
long ClaimedHitCount(std::uint64_t listSeed);

}  // namespace kestrova::sim

// Word lists and the arithmetic that turns a seed into result entries.
#include "sim/SyntheticIndex.h"

#include <array>

namespace kestrova::sim {

namespace {

constexpr std::array<std::string_view, 48> kWords = {
    "alpine",  "harbor",  "maple",   "cedar",   "summit",  "river",    "copper", "granite",
    "meadow",  "falcon",  "orchard", "lantern", "beacon",  "willow",   "canyon", "prairie",
    "atlas",   "vertex",  "nimbus",  "quartz",  "ember",   "tundra",   "coral",  "juniper",
    "pioneer", "compass", "marble",  "signal",  "harvest", "crescent", "delta",  "meridian",
    "garden",  "studio",  "market",  "travel",  "design",  "network",  "office", "village",
    "journal", "gallery", "systems", "works",   "online",  "media",    "books",  "sports"};
constexpr std::array<std::string_view, 12> kTopLevel = {".com", ".com",   ".com",    ".net",
                                                        ".org", ".de",    ".fr",     ".it",
                                                        ".at",  ".co.uk", ".com.au", ".com.ar"};
constexpr std::array<std::string_view, 8> kPathShapes = {
    "/", "/index.html", "/@/", "/@/@.html", "/~@/", "/@.htm", "/pages/@.html", "/@/index.shtml"};
constexpr std::array<std::string_view, 6> kPhrases = {
    "Everything about @ from a team that has worked in the field for years",
    "Our guide to @ with reviews, prices and a free newsletter",
    "Independent articles and links on @ updated every week",
    "Find @ resources, forums and a directory of local dealers",
    "Welcome to the home of @ on the web - news, tips and contacts",
    "A friendly introduction to @ for beginners and experts alike"};

std::string_view Pick(std::uint64_t& state, auto const& list) {
  state = MixBits(state);
  return list[static_cast<std::size_t>(state % list.size())];
}

std::string Capitalized(std::string_view word) {
  std::string text(word);
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return text;
}

std::string FillIn(std::string_view shape, std::uint64_t& state) {
  std::string text;
  for (char c : shape) {
    if (c == '@') {
      text += Pick(state, kWords);
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace

std::uint64_t HashText(std::string_view text, std::uint64_t basis) {
  std::uint64_t hash = basis;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ULL;
  }
  return hash;
}

std::uint64_t MixBits(std::uint64_t value) {
  value += 0x9E3779B97F4A7C15ULL;
  value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
  value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
  return value ^ (value >> 31);
}

std::uint64_t ResultListSeed(std::string_view engineName, std::string_view encodedKeyword,
                             std::uint64_t scenarioSeed) {
  std::uint64_t hash = HashText(engineName);
  hash = HashText("\x1f", hash);
  hash = HashText(encodedKeyword, hash);
  return MixBits(hash ^ scenarioSeed);
}

ResultEntry SyntheticEntry(std::uint64_t listSeed, int rank, std::string_view keywordText) {
  std::uint64_t state = MixBits(listSeed + static_cast<std::uint64_t>(rank) * 7919ULL);
  ResultEntry entry;
  entry.rank = rank;
  std::string_view first = Pick(state, kWords);
  std::string_view second = Pick(state, kWords);
  bool joined = (state >> 8) % 3 == 0;
  std::string host = std::string(first) + (joined ? "-" : "") + std::string(second);
  host += Pick(state, kTopLevel);
  bool withWww = (state >> 16) % 4 != 0;
  entry.url = "http://" + std::string(withWww ? "www." : "") + host +
              FillIn(Pick(state, kPathShapes), state);
  entry.title =
      Capitalized(first) + " " + Capitalized(second) + " - " + Capitalized(Pick(state, kWords));
  std::string phrase(Pick(state, kPhrases));
  std::size_t at = phrase.find('@');
  entry.description = phrase.substr(0, at) + std::string(keywordText) + phrase.substr(at + 1);
  return entry;
}

long ClaimedHitCount(std::uint64_t listSeed) {
  long count = 1200 + static_cast<long>(MixBits(listSeed ^ 0x5A5A) % 880000);
  if (count % 10 == 0) count += 7;
  return count;
}

}  // namespace kestrova::sim

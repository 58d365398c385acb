// Reads the result-page fixtures of tests/data/pages: one late-1990s page per
// engine layout, six entries each, the widgetworks.com entry third.
#pragma once

#include <string>

#include "base/Files.h"
#include "engines/EngineCatalogue.h"

namespace kestrova::test {

inline std::string ReadPageFixture(const std::string& name) {
  std::string bytes;
  ReadWholeFile(std::string(KESTROVA_TEST_DATA) + "/pages/" + name + ".html", bytes);
  return bytes;
}

// The built-in engine named `name`, or a record with just that name when the
// catalogue has none (an unknown name then reaches the parsers as it is).
inline EngineRecord Engine(std::string_view name) {
  const Integer index = FindEngineIndex(name);
  if (index >= 0) return Catalogue().At(index);
  EngineRecord unknown;
  unknown.Name = std::string(name);
  return unknown;
}

inline int CountOf(const std::string& text, const std::string& needle) {
  int count = 0;
  for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
    ++count;
  return count;
}

}  // namespace kestrova::test

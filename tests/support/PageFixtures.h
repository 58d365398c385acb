// Reads the result-page fixtures of tests/data/pages: one late-1990s page per
// engine layout, six entries each, the widgetworks.com entry third.
#pragma once

#include <string>

#include "base/Files.h"

namespace kestrova::test {

inline std::string ReadPageFixture(const std::string& name) {
  std::string bytes;
  ReadWholeFile(std::string(KESTROVA_TEST_DATA) + "/pages/" + name + ".html", bytes);
  return bytes;
}

inline int CountOf(const std::string& text, const std::string& needle) {
  int count = 0;
  for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
    ++count;
  return count;
}

}  // namespace kestrova::test

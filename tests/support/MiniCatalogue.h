// A three-engine catalogue for grid and report tests, so that their expected
// output does not change when the built-in engine data does.
#pragma once

#include "engines/EngineCatalogue.h"

namespace kestrova::test {

inline EngineCatalogue MiniCatalogue() {
  EngineCatalogue catalogue;
  auto set = [&](int index, const char* name, const char* language, const char* country,
                 const char* host) {
    EngineRecord& engine = catalogue.Engines[index];
    engine.Name = name;
    engine.Language = language;
    engine.Country = country;
    engine.Host = host;
  };
  set(0, "Alpha", "English", "USA", "www.alpha.test");
  set(1, "Beta DE", "German", "Germany", "beta.test");
  set(2, "Gamma", "French", "France", "search.gamma.test");
  catalogue.LastEngineIndex = 2;
  return catalogue;
}

}  // namespace kestrova::test

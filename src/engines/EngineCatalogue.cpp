// Lookups over the engine catalogue and the program's one built catalogue.
#include "engines/EngineCatalogue.h"

namespace kestrova {

const EngineRecord& EngineCatalogue::At(Integer index) const {
  return Engines.at(static_cast<std::size_t>(index < 0 ? kEngineSlotCount : index));
}

const EngineCatalogue& Catalogue() {
  static const EngineCatalogue catalogue = [] {
    EngineCatalogue built;
    BuildEngineCatalogue(built);
    return built;
  }();
  return catalogue;
}

Integer FindEngineIndex(const EngineCatalogue& catalogue, std::string_view name) {
  for (Integer index = 0; index <= catalogue.LastEngineIndex && index < kEngineSlotCount; ++index) {
    if (catalogue.Engines[static_cast<std::size_t>(index)].Name == name) return index;
  }
  return -1;
}

Integer FindEngineIndex(std::string_view name) {
  return FindEngineIndex(Catalogue(), name);
}

bool EngineExists(const EngineCatalogue& catalogue, std::string_view name) {
  return FindEngineIndex(catalogue, name) >= 0;
}

bool EngineExists(std::string_view name) {
  return EngineExists(Catalogue(), name);
}

std::string EngineHomeLink(const EngineRecord& engine) {
  return "http://" + engine.Host;
}

std::string EngineHomeLink(Integer index) {
  const EngineCatalogue& catalogue = Catalogue();
  if (index < 0 || index > catalogue.LastEngineIndex) return {};
  return EngineHomeLink(catalogue.At(index));
}

}  // namespace kestrova

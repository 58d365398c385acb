// Lookups over the engine catalogue and the built-in catalogue.
#include "engines/EngineCatalogue.h"

#include "net/Origin.h"

namespace kestrova {
namespace {

Origin EngineOrigin(const EngineRecord& engine) {
  Origin origin;
  origin.tls = engine.UseTls;
  origin.host = engine.Host;
  origin.port = engine.Port != 0 ? engine.Port : engine.UseTls ? kHttpsPort : kPlainHttpPort;
  return origin;
}

}  // namespace

const EngineRecord& EngineCatalogue::At(Integer index) const {
  return Engines.at(index < 0 ? Engines.size() : static_cast<std::size_t>(index));
}

const EngineCatalogue& Catalogue() {
  static const EngineCatalogue catalogue = [] {
    EngineCatalogue built;
    BuildEngineCatalogue(built);
    return built;
  }();
  return catalogue;
}

bool AddUserEngine(EngineCatalogue& catalogue, EngineRecord engine) {
  if (EngineExists(catalogue, engine.Name)) return false;
  if (catalogue.LastEngineIndex + 1 >= kEngineCount + kMaxUserEngines) return false;
  const auto slot = static_cast<std::size_t>(catalogue.LastEngineIndex + 1);
  if (slot >= catalogue.Engines.size()) catalogue.Engines.resize(slot + 1);
  catalogue.Engines[slot] = std::move(engine);
  catalogue.LastEngineIndex = static_cast<Integer>(slot);
  return true;
}

Integer FindEngineIndex(const EngineCatalogue& catalogue, std::string_view name) {
  const auto slots = static_cast<Integer>(catalogue.Engines.size());
  for (Integer index = 0; index <= catalogue.LastEngineIndex && index < slots; ++index) {
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
  if (!engine.UserDefined) return "http://" + engine.Host;
  const Origin origin = EngineOrigin(engine);
  return (origin.tls ? "https://" : "http://") + HostHeaderValue(origin);
}

std::string EngineHomeLink(Integer index) {
  const EngineCatalogue& catalogue = Catalogue();
  if (index < 0 || index > catalogue.LastEngineIndex) return {};
  return EngineHomeLink(catalogue.At(index));
}

std::string EngineRequestHost(const EngineRecord& engine) {
  if (!engine.UserDefined) return engine.Host;
  return OriginText(EngineOrigin(engine));
}

}  // namespace kestrova

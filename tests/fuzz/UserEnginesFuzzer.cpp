// The user's engines file: any bytes give engines that passed every check and
// one problem line for each that did not; every engine that loads can join the
// catalogue and build the query paths of its pages.
//
// Input: the file's bytes.
#include <set>
#include <string>

#include "engines/EngineCatalogue.h"
#include "engines/QueryPath.h"
#include "engines/ResultLinkRule.h"
#include "engines/UserEnginesFile.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  using namespace kestrova::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const UserEnginesLoad load = ParseUserEngines(bytes, Catalogue());
  Require(load.engines.size() <= static_cast<std::size_t>(kMaxUserEngines),
          "no more user engines than the catalogue takes");
  for (const std::string& problem : load.problems)
    Require(!problem.empty(), "every problem says what is wrong");

  EngineCatalogue catalogue = Catalogue();
  std::set<std::string> names;
  for (const EngineRecord& engine : load.engines) {
    Require(engine.UserDefined, "a file's engine is a user engine");
    Require(names.insert(engine.Name).second, "no two user engines share a name");
    Require(!EngineExists(Catalogue(), engine.Name), "no user engine takes a built-in name");
    Require(!engine.Host.empty(), "every user engine has a host");
    Require(CheckResultLinkRule(engine.ResultLinks).empty(), "every loaded rule is usable");
    Require(AddUserEngine(catalogue, engine), "every loaded engine joins the catalogue");
    const Integer index = FindEngineIndex(catalogue, engine.Name);
    Require(index >= kEngineCount, "a user engine comes after the built-in ones");
    for (Integer page : {0, 1, 4, 9, 3276}) {
      const QueryRequest request = BuildKeywordQuery(engine, "bird widgets", page);
      Require(request.Path.starts_with('/'), "every query path begins with \"/\"");
    }
    Require(!EngineHomeLink(engine).empty() && !EngineRequestHost(engine).empty(),
            "a user engine can be reached");
  }
  return 0;
}

#include "ranking/PageReaders.h"

#include "engines/MarkedPageReaders.h"

namespace kestrova {

bool ReadDomainPosition(const EngineRecord& engine, std::string_view domain, std::string_view page,
                        Integer& position) {
  return FindDomainPosition(engine.Name, domain, page, 2, engine.ResultsStartTexts, position);
}

void ReadTopUrls(std::string_view keyword, const EngineRecord& engine, std::string_view page,
                 std::array<std::string, kTopUrlSlots>& urls, Integer& count) {
  ResultList list;
  ExtractTopUrls(keyword, engine.Name, page, 0, list);
  urls = list.Urls;
  count = list.TopUrlCount;
}

}  // namespace kestrova

// The marked-page readers as the engine check uses them: the domain's position
// and the first page's top URLs, in the record's own shapes.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "engines/EngineRecord.h"
#include "engines/ResultList.h"

namespace kestrova {

// FindDomainPosition with the engine's results-start texts (slots 0 to 2).
bool ReadDomainPosition(const EngineRecord& engine, std::string_view domain, std::string_view page,
                        Integer& position);

// ExtractTopUrls for the first page: slot 1 is urls[0]; `count` is the last slot written.
void ReadTopUrls(std::string_view keyword, const EngineRecord& engine, std::string_view page,
                 std::array<std::string, kTopUrlSlots>& urls, Integer& count);

}  // namespace kestrova

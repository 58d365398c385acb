#include "cli/HistoryReading.h"

#include "cli/Command.h"
#include "cli/ProjectOpen.h"
#include "history/HistoryDates.h"

namespace kestrova::cli {

bool OpenHistoryForReading(const std::string& file, const CliIo& io, Dialogs& dialogs,
                           HistoryReading& reading) {
  if (!OpenProjectFile(file, reading.project, io)) return false;
  reading.history = OpenProjectHistory(file, reading.project, dialogs, HistoryAccess::ForReading);
  return reading.history != nullptr;
}

CheckFilter ChecksFilter(const std::string* keyword, const std::string* engine,
                         const std::string* since) {
  CheckFilter filter;
  if (keyword) filter.keyword = ArgText(*keyword);
  if (engine) filter.engine = ArgText(*engine);
  if (since) {
    const auto parts = ParseIsoDate(*since);
    if (!parts) throw UsageError("--since must be YYYY-MM-DD or \"YYYY-MM-DD HH:MM:SS\"");
    filter.since = IsoDateText(*parts);
  }
  return filter;
}

}  // namespace kestrova::cli

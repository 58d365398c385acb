// Everything a ranking run works with, handed in by the front end: the open
// project, the catalogue, the network flags, how to make the checks' fetchers,
// the messages, the clock, what shows progress, where the reports and the
// history go. All but the fetcher factory are borrowed. Everything here is
// used by the run's thread alone; the checks get their own (EngineCheck.h).
#pragma once

#include "base/Date.h"
#include "base/Messenger.h"
#include "base/ProductInfo.h"
#include "engines/EngineCatalogue.h"
#include "net/NetworkState.h"
#include "ranking/PageFetcher.h"
#include "ranking/ProjectState.h"
#include "ranking/RunHistory.h"
#include "ranking/RunObserver.h"
#include "ranking/RunReports.h"

namespace kestrova {

struct RunServices {
  ProjectState& project;
  const EngineCatalogue& catalogue;
  NetworkState& net;  // the Stop action sets StopRequested here
  PageFetcherFactory fetchers;
  Messenger& messenger;
  const Clock& clock;
  RunObserver& observer;
  RunReports& reports;
  // Where every check is kept as well; none: only the latest records are kept.
  RunHistory* history = nullptr;
};

// Title of the run's message boxes that name no title of their own.
inline constexpr const char* kMessageTitle = kProductName;

}  // namespace kestrova

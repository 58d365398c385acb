// How the engine check fetches a result page: the HTTP client behind a seam, so
// checks can be driven by scripted answers as well as by the network.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "base/Messenger.h"
#include "net/FetchResult.h"
#include "net/NetworkState.h"

namespace kestrova {

// Where requests go instead of straight to the engine's host.
struct ProxySetting {
  bool use = false;
  std::string host;
  std::string port;  // as typed; empty means 80
};

class PageFetcher {
 public:
  virtual ~PageFetcher() = default;

  // A GET (or, with `post`, a POST) of `path` on `host`, never showing a message,
  // given up as timed out at `deadline`. The client's flags (TimedOut,
  // TransferAborted...) tell the rest.
  virtual FetchResult GetPage(const std::string& host, const std::string& path, bool post,
                              Deadline deadline) = 0;
  // A HEAD request, for result links that must be followed to their target.
  virtual FetchResult HeadPage(const std::string& host, const std::string& path,
                               Deadline deadline) = 0;

  // Taken at the start of every run.
  virtual void SetTimeout(std::chrono::milliseconds timeout) = 0;
  virtual void SetProxy(const ProxySetting& proxy) = 0;
  // The Stop action: gives up the transfer in progress at once.
  virtual void CancelTransfer() = 0;
};

// Makes the fetcher of one check worker: its own client and connection, its
// flags in `net`, yielding through `messenger`. Both outlive the fetcher, which
// is then used by the worker's thread alone.
using PageFetcherFactory =
    std::function<std::unique_ptr<PageFetcher>(NetworkState& net, Messenger& messenger)>;

}  // namespace kestrova

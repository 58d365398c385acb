// How the engine check fetches a result page: the HTTP client behind a seam, so
// checks can be driven by scripted answers as well as by the network.
#pragma once

#include <chrono>
#include <string>

namespace kestrova {

// Where requests go instead of straight to the engine's host.
struct ProxySetting {
  bool use = false;
  std::string host;
  std::string port;  // as typed; empty means 80
};

// One fetch: the answer as received and whether reading ended normally.
struct FetchedPage {
  std::string response;
  bool completed = false;
};

class PageFetcher {
 public:
  virtual ~PageFetcher() = default;

  // A GET (or, with `post`, a POST) of `path` on `host`, never showing a message.
  // The client's flags (TimedOut, TransferAborted...) tell how it went.
  virtual FetchedPage GetPage(const std::string& host, const std::string& path, bool post) = 0;
  // A HEAD request, for result links that must be followed to their target.
  virtual FetchedPage HeadPage(const std::string& host, const std::string& path) = 0;

  // Taken at the start of every run.
  virtual void SetTimeout(std::chrono::milliseconds timeout) = 0;
  virtual void SetProxy(const ProxySetting& proxy) = 0;
  // The Stop action: gives up the transfer in progress at once.
  virtual void CancelTransfer() = 0;
};

}  // namespace kestrova

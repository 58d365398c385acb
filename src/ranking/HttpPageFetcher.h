// The page fetcher of a real run: an HTTP client of its own, silent, with the
// proxy and time-out the run sets at its start.
#pragma once

#include <optional>

#include "net/HttpClient.h"
#include "ranking/PageFetcher.h"

namespace kestrova {

class HttpPageFetcher final : public PageFetcher {
 public:
  HttpPageFetcher(NetworkState& net, Messenger& messenger, ConnectionFactory makeConnection)
      : client_(net, messenger, std::move(makeConnection)) {}

  FetchResult GetPage(const std::string& host, const std::string& path, bool post,
                      Deadline deadline) override;
  FetchResult HeadPage(const std::string& host, const std::string& path,
                       Deadline deadline) override;
  void SetTimeout(std::chrono::milliseconds timeout) override { client_.SetTimeout(timeout); }
  // A proxy without a usable port (1-65535; empty means 80) is not used.
  void SetProxy(const ProxySetting& proxy) override;
  void CancelTransfer() override { client_.CancelPendingOperation(); }
  // Which authorities HTTPS engines' certificates must come from.
  void SetTlsSettings(const TlsSettings& tls) { client_.SetTlsSettings(tls); }

 private:
  HttpClient client_;
};

// Fetchers over connections from `makeConnection`, one per check worker; with
// `tls`, read as each fetcher is made, for the certificates of HTTPS engines.
PageFetcherFactory HttpPageFetchers(ConnectionFactory makeConnection,
                                    const TlsSettings* tls = nullptr);

// Sends `client`'s requests through the proxy when it is on, names a host and
// has a usable port; otherwise straight to the hosts. The front-page analysis
// uses this to go the way a run's checks go.
void ApplyProxySetting(HttpClient& client, const ProxySetting& proxy);

// "host:port" split for the proxy fields; nothing when the port is not a number
// from 1 to 65535.
std::optional<ProxySetting> ParseProxyArgument(const std::string& text);

}  // namespace kestrova

#include "ranking/HttpPageFetcher.h"

#include "base/Text.h"
#include "net/ProxyAddress.h"

namespace kestrova {

FetchResult HttpPageFetcher::GetPage(const std::string& host, const std::string& path, bool post,
                                     Deadline deadline) {
  FetchOptions options;
  options.silent = true;
  options.post = post;
  options.deadline = deadline;
  return client_.HttpGetPage(host, path, options);
}

FetchResult HttpPageFetcher::HeadPage(const std::string& host, const std::string& path,
                                      Deadline deadline) {
  FetchOptions options;
  options.deadline = deadline;
  return client_.HttpHeadPage(host, path, options);
}

void HttpPageFetcher::SetProxy(const ProxySetting& proxy) {
  ApplyProxySetting(client_, proxy);
}

void ApplyProxySetting(HttpClient& client, const ProxySetting& proxy) {
  const std::string host = TrimSpaces(proxy.host);
  const auto port = ParseProxyPort(TrimSpaces(proxy.port));
  if (proxy.use && !host.empty() && port) {
    client.SetProxy(host, *port);
  } else {
    client.SetProxy("", 0);
  }
}

PageFetcherFactory HttpPageFetchers(ConnectionFactory makeConnection, const TlsSettings* tls) {
  return
      [makeConnection = std::move(makeConnection), tls](NetworkState& net, Messenger& messenger) {
        auto fetcher = std::make_unique<HttpPageFetcher>(net, messenger, makeConnection);
        if (tls != nullptr) fetcher->SetTlsSettings(*tls);
        return fetcher;
      };
}

std::optional<ProxySetting> ParseProxyArgument(const std::string& text) {
  const auto address = ParseProxyAddress(text);
  if (!address) return std::nullopt;
  return ProxySetting{true, address->host, std::to_string(address->port)};
}

}  // namespace kestrova

#include "ranking/HttpPageFetcher.h"

#include "base/Text.h"
#include "net/ProxyAddress.h"

namespace kestrova {

FetchedPage HttpPageFetcher::GetPage(const std::string& host, const std::string& path, bool post) {
  FetchedPage page;
  client_.HttpGetPage(true, host, path, page.response, page.completed, post);
  return page;
}

FetchedPage HttpPageFetcher::HeadPage(const std::string& host, const std::string& path) {
  FetchedPage page;
  client_.HttpHeadPage(true, host, path, page.response, page.completed);
  return page;
}

void HttpPageFetcher::SetProxy(const ProxySetting& proxy) {
  const std::string host = TrimSpaces(proxy.host);
  const auto port = ParseProxyPort(TrimSpaces(proxy.port));
  if (proxy.use && !host.empty() && port) {
    client_.SetProxy(host, *port);
  } else {
    client_.SetProxy("", 0);
  }
}

std::optional<ProxySetting> ParseProxyArgument(const std::string& text) {
  const auto address = ParseProxyAddress(text);
  if (!address) return std::nullopt;
  return ProxySetting{true, address->host, std::to_string(address->port)};
}

}  // namespace kestrova

#include "ranking/HttpPageFetcher.h"

#include <charconv>

#include "base/Text.h"

namespace kestrova {
namespace {

std::optional<std::uint16_t> PortNumber(const std::string& text) {
  if (text.empty()) return std::uint16_t{80};
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 65535) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(value);
}

}  // namespace

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
  const auto port = PortNumber(TrimSpaces(proxy.port));
  if (proxy.use && !host.empty() && port) {
    client_.SetProxy(host, *port);
  } else {
    client_.SetProxy("", 0);
  }
}

std::optional<ProxySetting> ParseProxyArgument(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  ProxySetting proxy;
  proxy.use = true;
  proxy.host = text.substr(0, colon);
  if (colon != std::string::npos) proxy.port = text.substr(colon + 1);
  if (TrimSpaces(proxy.host).empty() || !PortNumber(proxy.port)) return std::nullopt;
  return proxy;
}

}  // namespace kestrova

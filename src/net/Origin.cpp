#include "net/Origin.h"

#include <arpa/inet.h>

#include <charconv>

#include "base/Text.h"

namespace kestrova {
namespace {

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kHttps = "https://";

bool StartsNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::optional<std::uint16_t> PortNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  unsigned value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (value < 1 || value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

std::uint16_t SchemePort(bool tls) {
  return tls ? kHttpsPort : kPlainHttpPort;
}

}  // namespace

std::optional<Origin> ParseOrigin(std::string_view text) {
  Origin origin;
  if (text.find("://") == std::string_view::npos) {
    origin.host = std::string(text);
    return origin;
  }
  if (StartsNoCase(text, kHttps)) {
    origin.tls = true;
    text.remove_prefix(kHttps.size());
  } else if (StartsNoCase(text, kHttp)) {
    text.remove_prefix(kHttp.size());
  } else {
    return std::nullopt;
  }
  if (!text.empty() && text.back() == '/') text.remove_suffix(1);
  origin.port = SchemePort(origin.tls);
  std::string_view host = text;
  std::string_view port;
  if (text.starts_with('[')) {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = text.substr(1, close - 1);
    std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return std::nullopt;
      port = rest.substr(1);
      if (port.empty()) return std::nullopt;
    }
  } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
    if (port.empty()) return std::nullopt;
  }
  if (host.empty() || host.find_first_of("/?#@[] ") != std::string_view::npos) return std::nullopt;
  if (!port.empty()) {
    const auto number = PortNumber(port);
    if (!number) return std::nullopt;
    origin.port = *number;
  }
  origin.host = std::string(host);
  return origin;
}

std::string OriginText(const Origin& origin) {
  if (!origin.tls && origin.port == kPlainHttpPort) return origin.host;
  return std::string(origin.tls ? kHttps : kHttp) + HostHeaderValue(origin);
}

std::string HostHeaderValue(const Origin& origin) {
  const bool ipv6 = origin.host.find(':') != std::string::npos && IsAddressLiteral(origin.host);
  std::string value = ipv6 ? "[" + origin.host + "]" : origin.host;
  if (origin.port != SchemePort(origin.tls)) value += ":" + std::to_string(origin.port);
  return value;
}

bool IsAddressLiteral(std::string_view host) {
  const std::string text(host);
  in6_addr scratch{};
  return inet_pton(AF_INET, text.c_str(), &scratch) == 1 ||
         inet_pton(AF_INET6, text.c_str(), &scratch) == 1;
}

std::optional<OriginAndPath> SplitOriginUrl(std::string_view url) {
  const std::size_t scheme = url.find("://");
  if (scheme == std::string_view::npos) return std::nullopt;
  const std::size_t pathStart = url.find_first_of("/?#", scheme + 3);
  std::string_view authority = url.substr(0, pathStart);
  const auto origin = ParseOrigin(authority);
  if (!origin) return std::nullopt;
  OriginAndPath split;
  split.origin = OriginText(*origin);
  split.path = pathStart == std::string_view::npos ? "/" : std::string(url.substr(pathStart));
  if (split.path.front() != '/') split.path.insert(0, "/");
  if (const std::size_t hash = split.path.find('#'); hash != std::string::npos)
    split.path.resize(hash);
  return split;
}

}  // namespace kestrova

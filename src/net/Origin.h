// Where a request goes: the HTTP client takes its host either as a bare host
// name (plain HTTP on port 80, as every built-in engine is asked) or as an
// origin, "http://name:port" or "https://name[:port]", for engines elsewhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

inline constexpr std::uint16_t kPlainHttpPort = 80;
inline constexpr std::uint16_t kHttpsPort = 443;

struct Origin {
  bool tls = false;
  std::string host;  // name or address; an IPv6 address without its brackets
  std::uint16_t port = kPlainHttpPort;
};

// A text without "://" is a bare host: plain HTTP on port 80, the host exactly as
// given. "http://" or "https://" (any case) is followed by the host and an
// optional ":port"; nothing when the host is empty, the port is not 1-65535,
// or anything but a final "/" follows.
std::optional<Origin> ParseOrigin(std::string_view text);

// The text ParseOrigin reads back as `origin`: the bare host for plain HTTP on
// port 80, otherwise the scheme, the host and any port not the scheme's own.
std::string OriginText(const Origin& origin);

// The Host header's value: the host, with ":port" when it is not the scheme's
// own port; an IPv6 address in brackets.
std::string HostHeaderValue(const Origin& origin);

// True when `host` is a numeric IPv4 or IPv6 address (no name to check or send).
bool IsAddressLiteral(std::string_view host);

// An absolute "http://" or "https://" URL split into its origin text (as
// OriginText writes it) and the path with its query ("/" when there is none).
struct OriginAndPath {
  std::string origin;
  std::string path;
};
std::optional<OriginAndPath> SplitOriginUrl(std::string_view url);

}  // namespace kestrova

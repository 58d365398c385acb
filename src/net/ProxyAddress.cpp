#include "net/ProxyAddress.h"

#include <charconv>

#include "base/Text.h"

namespace kestrova {

std::optional<std::uint16_t> ParseProxyPort(std::string_view text) {
  if (text.empty()) return std::uint16_t{80};
  unsigned value = 0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, value);
  if (error != std::errc() || end != last || value < 1 || value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

std::optional<ProxyAddress> ParseProxyAddress(std::string_view text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos || colon + 1 == text.size()) return std::nullopt;
  const std::string host = TrimSpaces(text.substr(0, colon));
  const auto port = ParseProxyPort(text.substr(colon + 1));
  if (host.empty() || !port) return std::nullopt;
  return ProxyAddress{host, *port};
}

}  // namespace kestrova

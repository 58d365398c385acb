// The proxy a person names: "HOST:PORT" on the command line, or the host and port
// fields of the settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

struct ProxyAddress {
  std::string host;
  std::uint16_t port = 0;
};

// A port as typed in the port field: empty means 80; nothing unless 1 to 65535.
std::optional<std::uint16_t> ParseProxyPort(std::string_view text);

// "HOST:PORT" with a host and a port from 1 to 65535; nothing otherwise.
std::optional<ProxyAddress> ParseProxyAddress(std::string_view text);

}  // namespace kestrova

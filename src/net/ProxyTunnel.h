// The CONNECT exchange that opens a tunnel through an HTTP proxy to a TLS
// server: the request, and reading the proxy's answer head.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrova {

// A proxy that sends a longer answer head than this is not answering CONNECT.
inline constexpr std::size_t kLongestTunnelAnswer = 16384;

// "CONNECT host:port HTTP/1.0", its Host line and the empty line.
std::string ConnectRequest(std::string_view host, std::uint16_t port);

struct TunnelAnswer {
  bool complete = false;       // the head has ended (an empty line was read)
  bool open = false;           // the status is 2xx: the tunnel stands
  std::string statusLine;      // the first line, for the failure message
  std::size_t headLength = 0;  // bytes of the head; what follows is the server's
};

// Reads what the proxy sent so far.
TunnelAnswer ReadTunnelAnswer(std::string_view received);

}  // namespace kestrova

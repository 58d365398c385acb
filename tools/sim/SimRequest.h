// One HTTP request as the simulator reads it: the request line and the Host
// header, with proxy (absolute-form) and direct requests brought to one shape.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrova::sim {

struct SimRequest {
  std::string method;  // "GET", "POST", "HEAD" (as sent, upper-cased)
  std::string target;  // the request target exactly as on the request line
  std::string host;    // lower case, without a port
  std::string path;    // path and query; for absolute-form targets the part after the host
  bool proxyForm = false;
};

// Where a complete request head ends ("\r\n\r\n" or "\n\n"), as the count of
// bytes it takes; 0 while the head is still incomplete.
std::size_t RequestHeadLength(std::string_view received);

// Reads a request head; nullopt when the request line is not "METHOD target HTTP/x".
// The target keeps inner and trailing spaces (one engine's paths end in a space).
std::optional<SimRequest> ParseRequest(std::string_view head);

}  // namespace kestrova::sim

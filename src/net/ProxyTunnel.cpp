#include "net/ProxyTunnel.h"

#include "net/HttpStatus.h"
#include "net/Origin.h"

namespace kestrova {

std::string ConnectRequest(std::string_view host, std::uint16_t port) {
  const bool ipv6 = host.find(':') != std::string_view::npos && IsAddressLiteral(host);
  std::string authority = ipv6 ? "[" + std::string(host) + "]" : std::string(host);
  authority += ":" + std::to_string(port);
  return "CONNECT " + authority + " HTTP/1.0\r\nHost: " + authority + "\r\n\r\n";
}

TunnelAnswer ReadTunnelAnswer(std::string_view received) {
  TunnelAnswer answer;
  const std::size_t crlf = received.find("\r\n\r\n");
  const std::size_t lf = received.find("\n\n");
  if (crlf == std::string_view::npos && lf == std::string_view::npos) return answer;
  answer.complete = true;
  answer.headLength = crlf < lf ? crlf + 4 : lf + 2;
  std::string_view line = received.substr(0, received.find_first_of("\r\n"));
  // The line lands in messages and reports: plain characters only.
  for (char c : line.substr(0, 200)) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == ' ' || c == '.' || c == '/' || c == '-' || c == ':';
    answer.statusLine += plain ? c : '?';
  }
  std::string location;
  const int status = GetHttpStatus(std::string(received.substr(0, answer.headLength)), location);
  answer.open = status >= 200 && status <= 299;
  return answer;
}

}  // namespace kestrova

// Reading the request head the client sends (request line plus header lines).
#include "sim/SimRequest.h"

#include "base/Text.h"

namespace kestrova::sim {

namespace {

std::string_view FirstLine(std::string_view text) {
  std::size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The value of the first "Host:" header line, if any.
std::string HostHeader(std::string_view head) {
  std::size_t lineStart = head.find('\n');
  while (lineStart != std::string_view::npos && lineStart + 1 < head.size()) {
    std::string_view rest = head.substr(lineStart + 1);
    std::string_view line = FirstLine(rest);
    if (StartsWithNoCase(line, "host:")) return TrimSpaces(line.substr(5));
    lineStart = head.find('\n', lineStart + 1);
  }
  return {};
}

// Lower-cased host without user info or port.
std::string BareHost(std::string_view authority) {
  if (std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
    authority.remove_prefix(at + 1);
  }
  if (std::size_t colon = authority.find(':'); colon != std::string_view::npos) {
    authority = authority.substr(0, colon);
  }
  return LowerCase(TrimSpaces(authority));
}

}  // namespace

std::size_t RequestHeadLength(std::string_view received) {
  std::size_t crlf = received.find("\r\n\r\n");
  std::size_t lf = received.find("\n\n");
  if (crlf == std::string_view::npos && lf == std::string_view::npos) return 0;
  if (lf == std::string_view::npos || (crlf != std::string_view::npos && crlf < lf)) {
    return crlf + 4;
  }
  return lf + 2;
}

std::optional<SimRequest> ParseRequest(std::string_view head) {
  std::string_view line = FirstLine(head);
  std::size_t methodEnd = line.find(' ');
  std::size_t versionStart = line.rfind(" HTTP/");
  if (methodEnd == std::string_view::npos || versionStart == std::string_view::npos ||
      versionStart <= methodEnd || methodEnd == 0) {
    return std::nullopt;
  }
  SimRequest request;
  request.method = UpperCase(line.substr(0, methodEnd));
  request.target = std::string(line.substr(methodEnd + 1, versionStart - methodEnd - 1));
  std::string_view target = request.target;
  if (StartsWithNoCase(target, "http://")) {
    request.proxyForm = true;
    std::string_view rest = target.substr(7);
    std::size_t authorityEnd = rest.find_first_of("/?");
    request.host = BareHost(rest.substr(0, authorityEnd));
    request.path =
        authorityEnd == std::string_view::npos ? "/" : std::string(rest.substr(authorityEnd));
  } else {
    request.host = BareHost(HostHeader(head));
    request.path = request.target;
  }
  return request;
}

}  // namespace kestrova::sim

// Request bytes, built literally so that what goes on the wire is easy to read.
#include "net/HttpRequest.h"

namespace kestrova {
namespace {

constexpr const char* kCrLf = "\r\n";

bool IsControl(char c) {
  auto byte = static_cast<unsigned char>(c);
  return byte < 32 || byte == 127;
}

}  // namespace

bool HasControlCharacters(std::string_view text) {
  for (char c : text) {
    if (IsControl(c)) return true;
  }
  return false;
}

std::string WithoutControlCharacters(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (!IsControl(c)) kept += c;
  }
  return kept;
}

std::string EscapeControlCharacters(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(path.size());
  for (char c : path) {
    if (IsControl(c)) {
      auto byte = static_cast<unsigned char>(c);
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 15];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string BuildHttpRequest(const HttpRequestParts& parts) {
  std::string path = EscapeControlCharacters(parts.path.empty() ? "/" : parts.path);
  RequestMethod method = parts.method;
  if (method == RequestMethod::Post && path.find('?') == std::string::npos) {
    method = RequestMethod::Get;
  }
  std::string target = path;
  if (parts.viaProxy) {
    target = "http://" + parts.host + (path.front() == '/' ? "" : "/") + path;
  }

  const char* verb = method == RequestMethod::Post   ? "POST "
                     : method == RequestMethod::Head ? "HEAD "
                                                     : "GET ";
  std::string request = verb + target + " HTTP/1.0" + kCrLf;
  request += std::string("From: user@domain") + kCrLf;
  request += "Host: " + parts.host + kCrLf;
  // A user agent typed into the settings file could carry a line break and so
  // add lines of its own to the request: its control characters are dropped.
  request += "User-Agent: " + WithoutControlCharacters(parts.userAgent) + kCrLf;
  if (method != RequestMethod::Post) {
    request += std::string("Accept: */*") + kCrLf;
    request += std::string("Accept: text/html") + kCrLf;
  }
  request += kCrLf;
  return request;
}

}  // namespace kestrova

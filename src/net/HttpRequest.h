// The bytes of one HTTP/1.0 request as the client sends it, in the direct form
// or in the absolute form a proxy expects.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

enum class RequestMethod { Get, Post, Head };

struct HttpRequestParts {
  RequestMethod method = RequestMethod::Get;
  std::string host;  // as it goes on the Host line
  std::string path;  // request target; empty means "/"
  std::string userAgent;
  bool viaProxy = false;  // request line in absolute form, "GET http://host/path"
};

// The request text, every line ended by CR LF, the header block by an empty
// line. POST is sent only when the path carries a query ("?"), and then with
// just the From, Host and User-Agent lines; otherwise the GET form goes out.
std::string BuildHttpRequest(const HttpRequestParts& parts);

// True when the text holds a control character (below 32, or 127).
bool HasControlCharacters(std::string_view text);
// The text with its control characters left out.
std::string WithoutControlCharacters(std::string_view text);
// The path with control characters percent-encoded ("%0D"); spaces stay.
std::string EscapeControlCharacters(std::string_view path);

}  // namespace kestrova

// Query-text coding, the partial URL decoder and file-name-safe text.
#include "net/UrlCoding.h"

#include <array>
#include <utility>

#include "base/Text.h"

namespace kestrova {

std::string EncodeSearchText(std::string_view text) {
  std::string encoded;
  encoded.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case ':':
        encoded += "%3A";
        break;
      case '/':
        encoded += "%2F";
        break;
      case '.':
        encoded += "%2E";
        break;
      case ' ':
        encoded += '+';
        break;
      default:
        encoded += c;
    }
  }
  return encoded;
}

std::string DecodeUrlText(std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, char>, 6> kCodes{
      {{"%3A", ':'}, {"%2F", '/'}, {"%2D", '-'}, {"%2E", '.'}, {"%5F", '_'}, {"%7E", '~'}}};
  std::string decoded(text);
  for (const auto& [code, character] : kCodes) {
    // A decoded character is never "%" or a hex digit, so no replacement can
    // form a new code: one left-to-right pass per code finds every occurrence.
    std::string next;
    next.reserve(decoded.size());
    Pos from = 1;
    for (Pos at = FindNoCase(decoded, code, from); at != 0; at = FindNoCase(decoded, code, from)) {
      next.append(decoded, static_cast<std::size_t>(from - 1), static_cast<std::size_t>(at - from));
      next += character;
      from = at + static_cast<Pos>(code.size());
    }
    next.append(decoded, static_cast<std::size_t>(from - 1));
    decoded = std::move(next);
  }
  return decoded;
}

std::string MakeSafeFileName(std::string_view text) {
  std::string safe(text);
  for (char& c : safe) {
    if (c == '/' || c == '\\' || c == '?' || c == '=' || c == '&') c = '!';
  }
  return safe;
}

}  // namespace kestrova

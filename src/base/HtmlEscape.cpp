#include "base/HtmlEscape.h"

namespace kestrova {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// True when `text` starts with a character reference: "&name;", "&#digits;" or
// "&#xhex;". Entity names are at most 31 characters, code points 7 digits.
bool StartsWithReference(std::string_view text) {
  std::size_t at = 1;
  std::size_t most = 31;
  bool (*allowed)(char) = [](char c) { return IsLetter(c) || IsDigit(c); };
  if (at < text.size() && text[at] == '#') {
    ++at;
    most = 7;
    allowed = IsDigit;
    if (at < text.size() && (text[at] == 'x' || text[at] == 'X')) {
      ++at;
      most = 6;
      allowed = IsHexDigit;
    }
  } else if (at >= text.size() || !IsLetter(text[at])) {
    return false;
  }
  const std::size_t first = at;
  while (at < text.size() && at - first < most && allowed(text[at])) ++at;
  return at > first && at < text.size() && text[at] == ';';
}

std::string Escape(std::string_view text, bool keepReferences) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '&':
        if (keepReferences && StartsWithReference(text.substr(i))) {
          escaped += c;
        } else {
          escaped += "&amp;";
        }
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
  return Escape(text, false);
}

std::string HtmlEscapeOnce(std::string_view text) {
  return Escape(text, true);
}

}  // namespace kestrova

#include "qt/IniEncodedValues.h"

#include <cctype>
#include <string>

namespace kestrova {
namespace {

// QSettings keeps the low 16 bits of a long escape: "\x10040" is "@" too.
constexpr unsigned long kCharMask = 0xFFFF;

bool IsOctal(char c) {
  return c >= '0' && c <= '7';
}

// The file's text with escapes undone, quotes and escaped line ends dropped:
// every value QSettings reads is a stretch of it. A code past one byte stands
// for a character that is no "@".
std::string Unescaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') continue;
    if (c != '\\' || i + 1 == text.size()) {
      out += c;
      continue;
    }
    const char next = text[++i];
    unsigned long code = 0;
    if (next == 'x') {
      while (i + 1 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1]))) {
        const char digit = static_cast<char>(std::tolower(static_cast<unsigned char>(text[++i])));
        code = (code * 16 +
                static_cast<unsigned long>(digit <= '9' ? digit - '0' : digit - 'a' + 10)) &
               kCharMask;
      }
    } else if (IsOctal(next)) {
      code = static_cast<unsigned long>(next - '0');
      while (i + 1 < text.size() && IsOctal(text[i + 1])) {
        code = (code * 8 + static_cast<unsigned long>(text[++i] - '0')) & kCharMask;
      }
    } else if (next == '\n' || next == '\r') {
      if (next == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      continue;  // the value goes on on the next line
    } else {
      out += next;  // \" \\ and the letter escapes; none of them gives "@"
      continue;
    }
    out += code <= 0xFF ? static_cast<char>(code) : '\x01';
  }
  return out;
}

}  // namespace

bool HoldsEncodedVariant(std::string_view iniText) {
  constexpr std::string_view kVariant = "@Variant(";
  const std::string text = Unescaped(iniText);
  for (std::size_t at = text.find(kVariant); at != std::string::npos;
       at = text.find(kVariant, at + 1)) {
    if (at == 0 || text[at - 1] != '@') return true;  // "@@" is an escaped "@"
  }
  return false;
}

}  // namespace kestrova

#include "base/Text.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace kestrova {
namespace {

// Windows-1252 letters: ASCII, the Latin-1 block 0xC0-0xFE (0xD7/0xF7 are signs),
// and the few letter pairs the code page places in 0x80-0x9F.
unsigned char LowerByte(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x8A:
      return 0x9A;  // S caron
    case 0x8C:
      return 0x9C;  // OE
    case 0x8E:
      return 0x9E;  // Z caron
    case 0x9F:
      return 0xFF;  // Y diaeresis
    default:
      return c;
  }
}

unsigned char UpperByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  switch (c) {
    case 0x9A:
      return 0x8A;
    case 0x9C:
      return 0x8C;
    case 0x9E:
      return 0x8E;
    case 0xFF:
      return 0x9F;
    default:
      return c;
  }
}

// The lower-case table, built once; searches that ignore case compare through it.
struct LowerTable {
  unsigned char map[256];
  LowerTable() {
    for (int i = 0; i < 256; ++i) map[i] = LowerByte(static_cast<unsigned char>(i));
  }
};
const LowerTable kLower;

inline unsigned char Low(char c) {
  return kLower.map[static_cast<unsigned char>(c)];
}

size_t StartIndex(Pos start) {
  return start < 1 ? 0 : static_cast<size_t>(start) - 1;
}

}  // namespace

char ToLowerChar(char c) {
  return static_cast<char>(Low(c));
}
char ToUpperChar(char c) {
  return static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
}

Pos Find(std::string_view text, std::string_view needle, Pos start) {
  size_t from = StartIndex(start);
  if (from > text.size()) return 0;
  size_t at = text.find(needle, from);
  return at == std::string_view::npos ? 0 : static_cast<Pos>(at + 1);
}

Pos FindNoCase(std::string_view text, std::string_view needle, Pos start) {
  size_t from = StartIndex(start);
  if (from > text.size() || needle.size() > text.size() - from) return 0;
  if (needle.empty()) return static_cast<Pos>(from + 1);
  // Only a byte and its case partner can start a match. Both are looked for with
  // memchr in windows, so a search costs about the distance to its match even when
  // one of the two bytes never occurs again (callers search repeatedly from a
  // moving start).
  constexpr size_t kWindow = 1024;
  const char first = static_cast<char>(Low(needle[0]));
  const char partner = ToUpperChar(first);
  const size_t last = text.size() - needle.size();
  const char* data = text.data();
  size_t i = from;
  while (i <= last) {
    const size_t span = std::min(kWindow, last - i + 1);
    const char* hit = static_cast<const char*>(std::memchr(data + i, first, span));
    if (partner != first) {
      size_t limit = hit ? static_cast<size_t>(hit - (data + i)) : span;
      const void* other = std::memchr(data + i, partner, limit);
      if (other) hit = static_cast<const char*>(other);
    }
    if (!hit) {
      i += span;
      continue;
    }
    i = static_cast<size_t>(hit - data);
    size_t k = 1;
    while (k < needle.size() && Low(data[i + k]) == Low(needle[k])) ++k;
    if (k == needle.size()) return static_cast<Pos>(i + 1);
    ++i;
  }
  return 0;
}

Pos FindLastNoCase(std::string_view text, std::string_view needle, Pos before) {
  if (before < 1 || needle.size() > text.size()) return 0;
  size_t lastStart = std::min(static_cast<size_t>(before) - 1, text.size() - needle.size());
  for (size_t i = lastStart + 1; i-- > 0;) {
    size_t k = 0;
    while (k < needle.size() && Low(text[i + k]) == Low(needle[k])) ++k;
    if (k == needle.size()) return static_cast<Pos>(i + 1);
  }
  return 0;
}

std::string_view MidView(std::string_view text, Pos start, Pos length) {
  size_t from = StartIndex(start);
  if (from >= text.size() || length == 0) return {};
  size_t count = length < 0 ? std::string_view::npos : static_cast<size_t>(length);
  return text.substr(from, count);
}

std::string Mid(std::string_view text, Pos start, Pos length) {
  return std::string(MidView(text, start, length));
}

std::string Left(std::string_view text, Pos count) {
  if (count <= 0) return {};
  return std::string(text.substr(0, static_cast<size_t>(count)));
}

std::string Right(std::string_view text, Pos count) {
  if (count <= 0) return {};
  size_t n = std::min(text.size(), static_cast<size_t>(count));
  return std::string(text.substr(text.size() - n));
}

std::string TrimLeftSpaces(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimRightSpaces(std::string_view text) {
  size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimSpaces(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string LowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(Low(c));
  return out;
}

std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToUpperChar(c);
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Low(a[i]) != Low(b[i])) return false;
  return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string JoinedWithCommas(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  for (size_t at; (at = text.find(from, pos)) != std::string_view::npos; pos = at + from.size()) {
    out.append(text.substr(pos, at - pos));
    out.append(to);
  }
  out.append(text.substr(pos));
  return out;
}

double LeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  double value = 0.0;
  bool any = false;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10.0 + (text[i] - '0');
    any = true;
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      value += (text[i] - '0') * scale;
      scale /= 10.0;
      any = true;
    }
  }
  if (!any) return 0.0;
  return negative ? -value : value;
}

}  // namespace kestrova

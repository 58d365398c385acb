// Password scrambling of the project file: each character is XORed with a digit of a
// fixed key text and moved up by 33, so the stored text is printable.
#include <cstdint>

#include "base/Text.h"
#include "store/ProjectFile.h"

namespace kestrova {
namespace {

// The program's fixed key number; changing it makes every stored password unreadable.
constexpr std::string_view kPasswordKey = "47158293";
constexpr int kShift = 33;

// The key text doubled until it is longer than `length`.
std::string KeyText(size_t length) {
  std::string key(kPasswordKey);
  while (key.size() <= length) key += key;
  return key;
}

}  // namespace

std::string ScramblePassword(std::string_view password) {
  const std::string key = KeyText(password.size());
  std::string stored(password.size(), '\0');
  for (size_t i = 0; i < password.size(); ++i) {
    int code =
        (static_cast<std::uint8_t>(password[i]) ^ static_cast<std::uint8_t>(key[i])) + kShift;
    // Codes above 255 wrap round to 0..32 and the reader wraps them back, so no
    // character is lost. The text is not trimmed: only such wrapped codes can be
    // spaces, and every other code is at least 33.
    stored[i] = static_cast<char>(code & 0xFF);
  }
  return stored;
}

std::string UnscramblePassword(std::string_view stored) {
  const std::string key = KeyText(stored.size());
  std::string password(stored.size(), '\0');
  for (size_t i = 0; i < stored.size(); ++i) {
    int code = (static_cast<std::uint8_t>(stored[i]) - kShift) & 0xFF;
    password[i] = static_cast<char>(code ^ static_cast<std::uint8_t>(key[i]));
  }
  return TrimSpaces(password);
}

}  // namespace kestrova

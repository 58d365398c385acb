// What every fuzz harness shares: the libFuzzer entry point's signature, a check
// that turns a broken promise into a crash libFuzzer keeps as a reproducer, and
// a reader that takes the harness's choices from the front of the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace kestrova::fuzz {

// A property the code under test promises; a broken one ends the run as a crash.
inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: broken promise: %s\n", what);
  std::abort();
}

// The input as the harness consumes it: single bytes for choices from the front,
// then the rest as text. Past the end every choice is 0.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : bytes_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t Byte() {
    if (bytes_.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(bytes_.front());
    bytes_.remove_prefix(1);
    return byte;
  }
  // Up to `length` bytes from the front.
  std::string_view Take(std::size_t length) {
    const std::string_view taken = bytes_.substr(0, length);
    bytes_.remove_prefix(taken.size());
    return taken;
  }
  std::string_view Rest() const { return bytes_; }

 private:
  std::string_view bytes_;
};

// `text` cut at every `separator`; a text without one is a single part.
inline std::vector<std::string_view> SplitAt(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> parts;
  for (std::size_t at = 0;;) {
    const std::size_t next = text.find(separator, at);
    if (next == std::string_view::npos) {
      parts.push_back(text.substr(at));
      return parts;
    }
    parts.push_back(text.substr(at, next - at));
    at = next + separator.size();
  }
}

}  // namespace kestrova::fuzz

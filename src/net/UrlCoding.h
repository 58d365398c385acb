// Coding of text that goes into or comes out of URLs, and file-name safety.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

// Codes ":" as "%3A", "/" as "%2F", "." as "%2E" and space as "+"; every other
// character (including "%", "&", "?", "#" and bytes above 127) passes unchanged.
std::string EncodeSearchText(std::string_view text);

// Decodes "%3A", "%2F", "%2D", "%2E", "%5F" and "%7E" (in that order, in any
// letter case); no other code is decoded ("%20" and "+" stay).
std::string DecodeUrlText(std::string_view text);

// Replaces every "/", "\", "?", "=" and "&" by "!"; the length does not change.
std::string MakeSafeFileName(std::string_view text);

}  // namespace kestrova

// The program keeps text as Windows-1252 bytes; UTF-8 only at the edges
// (terminal, command-line arguments, Qt widgets).
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

// UTF-8 to Windows-1252. Characters the code page lacks become "?"; bytes that
// are not valid UTF-8 are taken as they are (already single-byte text).
std::string Utf8ToCp1252(std::string_view utf8);
// Windows-1252 to UTF-8; the five unassigned bytes map to U+0081 etc. unchanged.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace kestrova

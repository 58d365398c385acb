// Text helpers with the semantics the whole program assumes: text is single-byte
// (Windows-1252) in std::string, positions are 1-based, 0 means "not found", and
// searches in fetched pages ignore the case of ASCII and Latin-1 letters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

// A 1-based position in a text (a Long); 0 means none.
using Pos = std::int32_t;

// Position of `needle` in `text` at or after `start`, comparing bytes exactly.
// A start below 1 counts as 1; a start past the end finds nothing; an empty
// needle is found at `start` while start <= length + 1.
Pos Find(std::string_view text, std::string_view needle, Pos start = 1);

// As Find, but letters compare without regard to case (ASCII and Latin-1).
Pos FindNoCase(std::string_view text, std::string_view needle, Pos start = 1);

// Last position of `needle` that begins at or before `before` (case ignored);
// 0 when there is none. `before` beyond the text means the whole text.
Pos FindLastNoCase(std::string_view text, std::string_view needle, Pos before);

// Substring from 1-based `start`, at most `length` characters (negative: to the end).
// Out-of-range arguments give the empty or shortened text, never a fault.
std::string Mid(std::string_view text, Pos start, Pos length = -1);
std::string_view MidView(std::string_view text, Pos start, Pos length = -1);
std::string Left(std::string_view text, Pos count);
std::string Right(std::string_view text, Pos count);

// Trimming removes spaces only (not tabs or line breaks).
std::string TrimSpaces(std::string_view text);
std::string TrimLeftSpaces(std::string_view text);
std::string TrimRightSpaces(std::string_view text);

char ToLowerChar(char c);  // ASCII and Latin-1 letters
char ToUpperChar(char c);
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// Replaces every occurrence of `from` (exact case) by `to`, left to right.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The items with ", " between them, as lists of names are shown: "a, b, c".
std::string JoinedWithCommas(const std::vector<std::string>& items);

// The leading numeric part of a text as a number: leading spaces skipped, an
// optional sign, digits with an optional decimal point and fraction; anything
// else ends the number. No number at all gives 0.
double LeadingNumber(std::string_view text);

}  // namespace kestrova

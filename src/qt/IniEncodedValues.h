// What QSettings would decode from an INI file beyond plain text.
#pragma once

#include <string_view>

namespace kestrova {

// True when `iniText` holds a value that QSettings reads as an "@Variant(...)":
// binary data it decodes with QDataStream, whose counts it trusts (a few bytes
// can make it reserve gigabytes). The program writes only texts, and QSettings
// writes a text that starts with "@" as "@@", so such a value was never written
// by the program. Escapes (\x40, \100) and quotes are undone first, as QSettings
// undoes them; a match elsewhere in a text is a false alarm we accept.
bool HoldsEncodedVariant(std::string_view iniText);

}  // namespace kestrova

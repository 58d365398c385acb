// The edge between the core's single-byte (Windows-1252) text and Qt's Unicode.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "base/Codepage.h"

namespace kestrova {

inline QString ToQt(std::string_view text) {
  return QString::fromStdString(Cp1252ToUtf8(text));
}
inline std::string FromQt(const QString& text) {
  return Utf8ToCp1252(text.toStdString());
}

}  // namespace kestrova

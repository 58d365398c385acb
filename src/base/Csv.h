// CSV as spreadsheets read it (RFC 4180): a field holding a comma, a quote, a
// line break or an outer space is quoted, its quotes doubled; lines end in CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

std::string CsvField(std::string_view text);
// The fields joined by "," and ended by CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace kestrova

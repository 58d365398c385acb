#include "cli/GridText.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "cli/Command.h"

namespace kestrova::cli {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// `convert` makes a cell UTF-8: with its control characters shown for the
// table and CSV, exactly as it is for JSON, whose strings escape them.
Rows VisibleRows(const ui::Grid& grid, std::string (*convert)(const std::string&)) {
  Rows rows;
  for (int r = 0; r < grid.Rows(); ++r) {
    std::vector<std::string> cells;
    bool anyText = false;
    for (int c = 0; c < grid.Cols(); ++c) {
      cells.push_back(convert(grid.Text(r, c)));
      anyText |= !grid.Text(r, c).empty();
    }
    if (anyText) rows.push_back(std::move(cells));
  }
  return rows;
}

// Display width of UTF-8 text: one column per character.
std::size_t Width(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void PrintTable(std::ostream& out, const Rows& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()), 0);
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], Width(row[c]));
  }
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size()) line += std::string(widths[c] - Width(row[c]) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  }
}

std::string CsvField(const std::string& text) {
  const bool plain = text.find_first_of(",\"\r\n") == std::string::npos &&
                     (text.empty() || (text.front() != ' ' && text.back() != ' '));
  if (plain) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += static_cast<char>(c);
    } else if (c < 0x20) {
      static const char* hex = "0123456789abcdef";
      json += "\\u00";
      json += hex[c >> 4];
      json += hex[c & 15];
    } else {
      json += static_cast<char>(c);
    }
  }
  return json + "\"";
}

void PrintJson(std::ostream& out, const Rows& rows) {
  out << "[";
  for (std::size_t r = 1; r < rows.size(); ++r) {
    out << (r > 1 ? ",\n " : "\n ") << "{";
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      out << (c > 0 ? ", " : "") << JsonString(rows[0][c]) << ": " << JsonString(rows[r][c]);
    }
    out << "}";
  }
  out << "\n]\n";
}

}  // namespace

void PrintGrid(std::ostream& out, const ui::Grid& grid, GridFormat format) {
  const Rows rows = VisibleRows(grid, format == GridFormat::Json ? JsonText : TerminalLine);
  switch (format) {
    case GridFormat::Table:
      return PrintTable(out, rows);
    case GridFormat::Csv:
      for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) out << (c ? "," : "") << CsvField(row[c]);
        out << "\r\n";
      }
      return;
    case GridFormat::Json:
      return PrintJson(out, rows);
  }
}

}  // namespace kestrova::cli

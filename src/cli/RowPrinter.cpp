#include "cli/RowPrinter.h"

#include <algorithm>
#include <ostream>

#include "base/Csv.h"
#include "cli/Command.h"

namespace kestrova::cli {
namespace {

// Display width of UTF-8 text: one column per character.
std::size_t Width(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void PrintTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
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

void PutJsonString(std::ostream& out, const std::string& text) {
  out << '"';
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out << '\\' << static_cast<char>(c);
    } else if (c < 0x20) {
      static const char* hex = "0123456789abcdef";
      out << "\\u00" << hex[c >> 4] << hex[c & 15];
    } else {
      out << static_cast<char>(c);
    }
  }
  out << '"';
}

}  // namespace

std::vector<std::string> RowPrinter::Shown(std::vector<std::string> cells) const {
  for (std::string& cell : cells)
    cell = format_ == GridFormat::Json ? JsonText(cell) : TerminalLine(cell);
  return cells;
}

RowPrinter::RowPrinter(std::ostream& out, GridFormat format, std::vector<std::string> header)
    : out_(out), format_(format), header_(std::move(header)) {
  header_ = Shown(std::move(header_));
  if (format_ == GridFormat::Table) table_.push_back(header_);
  if (format_ == GridFormat::Csv) out_ << CsvLine(header_);
  if (format_ == GridFormat::Json) out_ << "[";
}

void RowPrinter::Row(const std::vector<std::string>& programText) {
  const std::vector<std::string> cells = Shown(programText);
  switch (format_) {
    case GridFormat::Table:
      table_.push_back(cells);
      break;
    case GridFormat::Csv:
      out_ << CsvLine(cells);
      break;
    case GridFormat::Json:
      out_ << (rows_ > 0 ? ",\n " : "\n ") << "{";
      for (std::size_t c = 0; c < cells.size() && c < header_.size(); ++c) {
        if (c > 0) out_ << ", ";
        PutJsonString(out_, header_[c]);
        out_ << ": ";
        PutJsonString(out_, cells[c]);
      }
      out_ << "}";
      break;
  }
  ++rows_;
}

void RowPrinter::Finish() {
  if (finished_) return;
  finished_ = true;
  if (format_ == GridFormat::Table) PrintTable(out_, table_);
  if (format_ == GridFormat::Json) out_ << "\n]\n";
}

GridFormat ParseGridFormat(const std::string& text) {
  if (text == "table") return GridFormat::Table;
  if (text == "csv") return GridFormat::Csv;
  if (text == "json") return GridFormat::Json;
  throw UsageError("--format must be table, csv or json");
}

}  // namespace kestrova::cli

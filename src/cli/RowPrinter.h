// Rows of text for the terminal or another program: aligned columns (held until
// the end, to measure them), CSV (RFC 4180, CR LF) or JSON (one object per row,
// keyed by the header), both written as the rows come. Cells are the program's
// own text; they go out as UTF-8, control characters shown visibly in the table
// and CSV and escaped in JSON, so no page-derived text can drive the terminal.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kestrova::cli {

enum class GridFormat { Table, Csv, Json };

class RowPrinter {
 public:
  RowPrinter(std::ostream& out, GridFormat format, std::vector<std::string> header);
  ~RowPrinter() { Finish(); }
  RowPrinter(const RowPrinter&) = delete;
  RowPrinter& operator=(const RowPrinter&) = delete;

  void Row(const std::vector<std::string>& programText);
  // Ends the output (the table is printed, the JSON array closed); once only.
  void Finish();

 private:
  std::vector<std::string> Shown(std::vector<std::string> cells) const;

  std::ostream& out_;
  GridFormat format_;
  std::vector<std::string> header_;
  std::vector<std::vector<std::string>> table_;
  std::size_t rows_ = 0;
  bool finished_ = false;
};

// "table", "csv" or "json"; anything else is a usage error.
GridFormat ParseGridFormat(const std::string& text);

}  // namespace kestrova::cli

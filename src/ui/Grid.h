// A cell grid held as data: what the window's grid views draw and what the
// report writer reads back. One fixed header row, widths in twips.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace kestrova::ui {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kOrange{255, 128, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};

enum class Alignment { General, Left, Center, Right };

// One cell. A colour left empty means the theme's colour: window text for
// the text, window background for the back colour.
struct Cell {
  std::string text;
  std::optional<Rgb> color;
  std::optional<Rgb> backColor;
  bool bold = false;
  bool underline = false;
  Alignment alignment = Alignment::General;
};

inline constexpr int kDefaultRowHeight = 240;  // twips, one text line
inline constexpr int kDefaultColWidth = 960;

// Rows and columns are 0-based; row 0 is the fixed header. Reads outside the
// grid give an empty cell and writes outside it are ignored, so a stale
// pointer position can never fault.
class Grid {
 public:
  Grid(int cols, int rows, int widthTwips);

  int Rows() const { return static_cast<int>(cells_.size()); }
  int Cols() const { return cols_; }
  int FixedRows() const { return 1; }
  void AddRow();
  void SetRows(int rows);

  const Cell& At(int row, int col) const;
  // Mutable access; nullptr outside the grid.
  Cell* Edit(int row, int col);
  const std::string& Text(int row, int col) const { return At(row, col).text; }
  void SetText(int row, int col, std::string text);
  void ClearTexts();  // every cell's text, header included
  // The data rows (top to bottom) of every non-empty text in column `col`.
  std::unordered_map<std::string, std::vector<int>> RowsByText(int col) const;

  // The current cell, as the widget's Row and Col properties.
  int CurrentRow() const { return currentRow_; }
  int CurrentCol() const { return currentCol_; }
  void SetCurrentRow(int row);
  void SetCurrentCol(int col);
  const Cell& CurrentCell() const { return At(currentRow_, currentCol_); }
  Cell* EditCurrent() { return Edit(currentRow_, currentCol_); }

  int ColWidth(int col) const;
  void SetColWidth(int col, int twips);  // negative widths count as 0 (hidden)
  int RowHeight(int row) const;
  void SetRowHeight(int row, int twips);
  // The widget's own width, which the layouts divide among the columns.
  int Width() const { return widthTwips_; }
  void SetWidth(int twips) { widthTwips_ = twips; }
  // Scroll position: first visible data row and first visible column.
  int TopRow() const { return topRow_; }
  void SetTopRow(int row);
  int LeftCol() const { return leftCol_; }
  void SetLeftCol(int col);

  // Orders the rows below the header by one column's texts, stably: empty
  // texts first, then numbers by value, then other texts without regard to case.
  void Sort(int col, bool ascending);

  // Redraw suspension nests; the listener hears of changes once drawing is on.
  void SuspendRedraw() { ++suspended_; }
  void ResumeRedraw();
  bool RedrawSuspended() const { return suspended_ > 0; }
  void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }
  // Mutations through Edit()/EditCurrent() call this themselves on the next resume.
  void MarkChanged();

 private:
  bool Inside(int row, int col) const;

  int cols_;
  int widthTwips_;
  std::vector<std::vector<Cell>> cells_;
  std::vector<int> colWidths_;
  std::vector<int> rowHeights_;
  int currentRow_ = 0, currentCol_ = 0;
  int topRow_ = 1, leftCol_ = 0;
  int suspended_ = 0;
  bool dirty_ = false;
  std::function<void()> listener_;
};

// Suspends a grid's redrawing for a scope.
class RedrawPause {
 public:
  explicit RedrawPause(Grid& grid) : grid_(grid) { grid_.SuspendRedraw(); }
  ~RedrawPause() { grid_.ResumeRedraw(); }
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;

 private:
  Grid& grid_;
};

}  // namespace kestrova::ui

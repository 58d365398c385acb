// The top-URLs grid as data: per catalogue engine, the first ten result URLs
// for the chosen keyword; a click highlights every cell holding the same URL
// and counts them.
#pragma once

#include <optional>
#include <string>

#include "ui/Grid.h"
#include "ui/GridMouse.h"
#include "ui/RankingGrid.h"

namespace kestrova {
struct EngineCatalogue;
struct ProjectState;
class Dialogs;
}  // namespace kestrova

namespace kestrova::ui {

inline constexpr int kTopUrlsGridCols = 11;
// No highlight: the result-page marker, a text no URL begins with.
inline constexpr const char* kNoHighlight = "<!-- !kestrova Point! -->";

class TopUrlsGrid {
 public:
  explicit TopUrlsGrid(const EngineCatalogue& catalogue, int widthTwips = kDefaultGridWidth);

  Grid& View() { return grid_; }
  const Grid& View() const { return grid_; }
  const EngineCatalogue& Catalogue() const { return catalogue_; }

  // Header, widths and the engine column in catalogue order.
  void SetupTopUrlsGrid();
  // Columns 1-10 for `keyword`, every background back to normal; with no
  // keyword selected nothing changes. The highlighted URL is kept.
  void DisplayTopUrlsData(const ProjectState& project, const SelectedKeyword& keyword);

  // A click on the current cell: highlights each cell whose text begins with
  // its URL and the engine cells of their rows, and counts them. Header,
  // engine column, empty cells and the URL already highlighted do nothing.
  void ClickCurrentCell();
  void ClearHighLightsTopUrls();
  const std::string& HighlightedUrl() const { return highlightedUrl_; }
  // The counter label lblNumTotal: "00" after a display, then the last count.
  const std::string& CountText() const { return countText_; }

  // Double-click: opens the current cell's URL or the engine's home page.
  void DoubleClick(Dialogs& dialogs) const;
  // Pointer over `cell` (also during a run); nothing when the pointer stays as it was.
  std::optional<PointerFeedback> MouseMove(GridCellRef cell) const;

 private:
  const EngineCatalogue& catalogue_;
  Grid grid_;
  std::string highlightedUrl_;  // empty at start: the first click always highlights
  std::string countText_ = "00";
};

}  // namespace kestrova::ui

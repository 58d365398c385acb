#include "reports/GridTable.h"

#include "base/HtmlEscape.h"
#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "ranking/ResultPaths.h"
#include "reports/ReportPage.h"
#include "reports/ReportTexts.h"

namespace kestrova {
namespace {

constexpr int kResultCol = 8;

void WriteHeaderRow(const ui::Grid& grid, ReportFile& report) {
  std::string hidden;
  for (int col = 0; col < grid.Cols(); ++col) {
    if (grid.ColWidth(col) == 0) hidden += " [" + HtmlEscapeOnce(grid.Text(0, col)) + "]";
  }
  if (!hidden.empty()) report.WriteLine("There are hidden columns of : <br>" + hidden + "<BR><BR>");
  report.WriteLine("<table BORDER=0 CELLSPACING=0  width=\"800\" cellpadding=\"10\">");
  report.WriteLine("<tr BGCOLOR=#0000FF>");
  for (int col = 0; col < grid.Cols(); ++col) {
    if (grid.ColWidth(col) < 1) continue;
    report.WriteLine(std::string("<td width=\"90\"><b><font face=\"Arial, Helvetica\" color=") +
                     reports::kTableHeaderColor + ">" + HtmlEscapeOnce(grid.Text(0, col)) +
                     "</font></b></td>");
  }
  report.WriteLine("</tr>");
  report.WriteLine("<tr>");
  report.WriteLine("</tr>");
}

std::string QuotedLink(const std::string& target, const std::string& label) {
  return "<a href=\"" + target + "\">" + label + "</a>";
}

}  // namespace

std::string ReportColorText(const std::optional<ui::Rgb>& color) {
  if (!color) return "000000";
  if (*color == ui::kRed) return "FF0000";
  if (*color == ui::kOrange) return "FF8000";
  if (*color == ui::kGreen) return "008000";
  if (*color == ui::kBlue) return "0080FF";
  if (*color == ui::kYellow) return "6F6F00";  // yellow text would not read on white
  return "";
}

void WriteGridTable(const ui::Grid& grid, GridTableKind kind, const GridTableLinks& links,
                    ReportFile& report) {
  WriteHeaderRow(grid, report);
  std::string colour;  // a cell of an unknown colour takes the one written before it
  for (int row = 1; row < grid.Rows(); ++row) {
    report.WriteLine("<tr>");
    const std::string& name = grid.Text(row, 0);
    Integer index = FindEngineIndex(links.catalogue, name);
    const EngineRecord& engine = links.catalogue.At(index < 0 ? Integer{0} : index);
    report.WriteLine("<td><a href=" + EngineHomeLink(engine) + ">" + HtmlEscapeOnce(name) +
                     "</a></td>");

    for (int col = 1; col < grid.Cols(); ++col) {
      if (grid.ColWidth(col) <= 0) continue;
      const ui::Cell& cell = grid.At(row, col);
      if (std::string known = ReportColorText(cell.color); !known.empty()) colour = known;
      bool centred = cell.alignment == ui::Alignment::Center;
      // Cell texts may come from fetched pages: a top URL read from an href is
      // HTML already ("&amp;" for "&"), so only what would break the page is escaped.
      std::string text = HtmlEscapeOnce(cell.text);
      if (kind == GridTableKind::Ranking && col == kResultCol && colour == "0080FF" &&
          !text.empty()) {
        std::string path = ResultPagePath(links.reportDirectory, links.domain, name, links.keyword);
        text = QuotedLink(PathHref(path), text);
      }
      if (LowerCase(Left(text, 7)) == "http://") text = QuotedLink(text, text);
      report.WriteLine(std::string("<td>") + (centred ? "<center>" : "") + "<font color=#" +
                       colour + ">" + text + "</font>" + (centred ? "</center>" : "") + "</td>");
    }
    report.WriteLine("</tr>");
  }
  report.WriteLine("</tr>");
  report.WriteLine("</table>");
}

}  // namespace kestrova

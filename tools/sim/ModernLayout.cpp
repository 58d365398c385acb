#include "sim/ModernLayout.h"

#include "engines/ResultLinkRule.h"
#include "engines/ResultPage.h"
#include "sim/LayoutParts.h"

namespace kestrova::sim {
namespace {

// One result in each shape; the snippet carries a second link no rule should take.
std::string Entry(const ResultEntry& entry, int shape) {
  const std::string url = HtmlEscape(entry.url);
  const std::string title = HtmlEscape(entry.title);
  const std::string snippet = HtmlEscape(entry.description);
  switch (shape) {
    case 0:
      return "<div class=\"result\"><h3><a class=\"title\" href=\"" + url + "\">" + title +
             "</a></h3><cite>" + url + "</cite><p class=\"snippet\">" + snippet +
             "</p><a class=\"cached\" href=\"/cache?u=" + url + "\">Cached</a></div>\n";
    case 1:
      return "<li class=\"result-item\"><a href=\"" + url + "\"><h2>" + title +
             "</h2></a><span class=\"url\">" + url + "</span><p>" + snippet + "</p></li>\n";
    default:
      return "<article class=\"web-result\" data-rank=\"" + Rank(entry) +
             "\"><h2 class=\"result-title\"><a class=\"result-link\" href=\"" + url + "\">" +
             title + "</a></h2><div class=\"result-snippet\">" + snippet + "</div></article>\n";
  }
}

ResultPageInput SampleInput(const EngineRecord& engine) {
  ResultPageInput input;
  input.engine = &engine;
  input.keywordHtml = "sample";
  for (int k = 1; k <= 10; ++k) {
    input.entries.push_back({k, "http://sample" + std::to_string(k) + ".test/page.html",
                             "Sample " + std::to_string(k), "A sample result"});
  }
  return input;
}

}  // namespace

std::string RenderModernPage(const ResultPageInput& input, int shape, long minimumBytes) {
  const EngineRecord& engine = *input.engine;
  std::string page = "<!DOCTYPE html>\r\n<html lang=\"en\"><head><meta charset=\"utf-8\">";
  page += "<title>" + input.keywordHtml + " - " + HtmlEscape(engine.Name) + "</title></head>\r\n";
  page += "<body><header><a class=\"logo\" href=\"/\">" + HtmlEscape(engine.Name) +
          "</a><form action=\"/search\"><input name=\"q\" value=\"" + input.keywordHtml +
          "\"></form><nav><a href=\"/settings\">Settings</a></nav></header>\r\n";
  page += "<main id=\"results\"><div class=\"stats\">About " + Number(input.hitCount) + " results";
  // The engine's results-start texts, as its real pages would show them.
  for (const std::string& text : engine.ResultsStartTexts) {
    if (!text.empty() && text != kPointMarker) page += " " + text;
  }
  page += "</div>\r\n";
  page += shape == 1 ? "<ol class=\"results\">\r\n" : "";
  for (const ResultEntry& entry : input.entries) page += Entry(entry, shape);
  page += shape == 1 ? "</ol>\r\n" : "";
  page += "<nav class=\"pages\"><a href=\"/search?page=" + Number(input.pageIndex + 2) +
          "\">Next</a></nav></main>\r\n";
  const long wanted = minimumBytes > 0 ? minimumBytes : ChosenPageSize(input.pageSeed);
  constexpr long kFrameEnd = 100;
  AppendPadding(page, wanted - static_cast<long>(page.size()) - kFrameEnd);
  page += "<footer>&copy; " + HtmlEscape(engine.Name) + "</footer></body></html>\r\n";
  return page;
}

int ModernShapeFor(const EngineRecord& engine) {
  const ResultPageInput sample = SampleInput(engine);
  for (int shape = 0; shape < kModernShapes; ++shape) {
    const std::vector<ResultLink> links =
        SelectResultLinks(RenderModernPage(sample, shape, 1), engine.ResultLinks);
    if (links.size() != sample.entries.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < links.size(); ++k)
      same = same && links[k].href == sample.entries[k].url;
    if (same) return shape;
  }
  return -1;
}

}  // namespace kestrova::sim

// The report's template: what the view shows before any placeholder is filled.
#include "analyzer/ImprovementReport.h"

namespace kestrova {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr const char* kRule = "________________________________________";

RichStyle Plain() {
  return {};
}
RichStyle Title() {
  return {.font = RichFont::Times, .pointSize = 18, .bold = true, .italic = true, .centred = true};
}
RichStyle Rule() {
  return {.font = RichFont::Comic, .pointSize = 10, .colour = RichColour::Red, .centred = true};
}
RichStyle SectionHeading() {
  return {
      .font = RichFont::Times, .pointSize = 12, .bold = true, .italic = true, .underline = true};
}
RichStyle CentredHeading() {
  return {.font = RichFont::Times, .pointSize = 14, .bold = true, .italic = true, .centred = true};
}
RichStyle Label() {
  return {.font = RichFont::Times, .pointSize = 11};
}
RichStyle Found() {
  return {.font = RichFont::Comic, .colour = RichColour::Green};
}
RichStyle Missing() {
  return {.font = RichFont::Comic, .colour = RichColour::Red};
}
RichStyle SmallPrint() {
  return {.font = RichFont::Comic, .pointSize = 8, .bold = true};
}

void Line(std::vector<RichRun>& runs, std::string text, RichStyle style) {
  runs.push_back({std::move(text) + std::string(kCrLf), style});
}

// "Label : " then the green "_1" and the red "_2" placeholder.
void PairLine(std::vector<RichRun>& runs, const char* label, const std::string& placeholder) {
  runs.push_back({label, Label()});
  runs.push_back({"%" + placeholder + "_1%", Found()});
  runs.push_back({"%" + placeholder + "_2%", Missing()});
  runs.push_back({std::string(kCrLf), Label()});
}

}  // namespace

RichText ImprovementReport::Template() {
  std::vector<RichRun> runs;
  Line(runs, "Kestrova Analysis", Title());
  Line(runs, kRule, Rule());
  Line(runs, "", Plain());
  Line(runs, "Keywords In", SectionHeading());
  PairLine(runs, "Title : ", "KEYWORDS_IN_TITLE");
  PairLine(runs, "Body : ", "KEYWORDS_IN_BODY");
  PairLine(runs, "MetaTags : ", "KEYWORDS_IN_METATAGS");
  Line(runs, "", Plain());
  Line(runs, "MetaTags Present", SectionHeading());
  PairLine(runs, "Description : ", "META_TAG_DESCRIPTION");
  PairLine(runs, "Keywords : ", "META_TAG_KEYWORDS");
  PairLine(runs, "Robots : ", "META_TAG_ROBOTS");
  PairLine(runs, "Revisit-After : ", "META_TAG_REVISIT-AFTER");
  Line(runs, "", Plain());
  Line(runs, "Improvement Suggestions!", CentredHeading());
  Line(runs, kRule, Rule());
  Line(runs,
       "%END_META_TAG_DESCRIPTION%  %END_META_TAG_KEYWORDS%  %END_META_TAG_ROBOTS%  "
       "%END_META_TAG_REVIST-AFTER%",
       SmallPrint());
  return RichText(std::move(runs));
}

}  // namespace kestrova

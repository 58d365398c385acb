#include "analyzer/ImprovementReport.h"

namespace kestrova {
namespace {

constexpr const char* kPresent = "Present";
constexpr const char* kMustAddKeyword = "Must add keyword!";
constexpr const char* kMustAddMetaTag = "Must add MetaTag!";

const std::string kSuggestDescription =
    "<meta NAME=\"Description\" CONTENT=\"{Place your description here!}\">\r\n";
const std::string kSuggestKeywords =
    "<meta NAME=\"Keywords\" CONTENT=\"{Place your keywords here!}\">\r\n";
const std::string kSuggestRobots = "<meta NAME=\"robots\" CONTENT=\"ALL\">\r\n";
const std::string kSuggestRevisitAfter = "<meta name=\"revisit-after\" CONTENT=\"30 days\">\r\n";

}  // namespace

ImprovementReport::ImprovementReport() : view_(Template()) {}

void ImprovementReport::Reset() {
  view_ = Template();
}

void ImprovementReport::Replace(const char* placeholder, const std::string& text) {
  // Positions from 1: the view's search never looks at its very first character.
  view_.ReplaceFirst(placeholder, text, 1, kPlaceholderSearchEnd);
}

void ImprovementReport::Fill(const PageAnalysisRecord& record) {
  Reset();
  // One "Keywords In" line: "_1" Present when found, else "_2" asks for the keyword.
  auto keywordLine = [&](const char* found, const char* missing, bool present) {
    Replace(found, present ? kPresent : "");
    Replace(missing, present ? "" : kMustAddKeyword);
  };
  // One META line and, when the tag is missing, its ready-made tag.
  auto metaLine = [&](const char* found, const char* missing, const std::string& content,
                      const std::string& presentText) {
    Replace(found, content.empty() ? "" : presentText);
    Replace(missing, content.empty() ? kMustAddMetaTag : "");
  };
  keywordLine("%KEYWORDS_IN_TITLE_1%", "%KEYWORDS_IN_TITLE_2%", record.TitleCount != 0);
  keywordLine("%KEYWORDS_IN_BODY_1%", "%KEYWORDS_IN_BODY_2%", record.BodyCount != 0);
  keywordLine("%KEYWORDS_IN_METATAGS_1%", "%KEYWORDS_IN_METATAGS_2%",
              record.MetaTitleCount != 0 || record.MetaDescriptionCount != 0 ||
                  record.MetaKeywordsCount != 0);
  metaLine("%META_TAG_DESCRIPTION_1%", "%META_TAG_DESCRIPTION_2%", record.MetaDescription,
           kPresent);
  Replace("%END_META_TAG_DESCRIPTION%", record.MetaDescription.empty() ? kSuggestDescription : "");
  // The Keywords line alone ends its "Present" with a line break.
  metaLine("%META_TAG_KEYWORDS_1%", "%META_TAG_KEYWORDS_2%", record.MetaKeywords,
           std::string(kPresent) + "\r\n");
  Replace("%END_META_TAG_KEYWORDS%", record.MetaKeywords.empty() ? kSuggestKeywords : "");
  metaLine("%META_TAG_ROBOTS_1%", "%META_TAG_ROBOTS_2%", record.MetaRobots, kPresent);
  Replace("%END_META_TAG_ROBOTS%", record.MetaRobots.empty() ? kSuggestRobots : "");
  metaLine("%META_TAG_REVISIT-AFTER_1%", "%META_TAG_REVISIT-AFTER_2%", record.MetaRevisitAfter,
           kPresent);
  Replace("%END_META_TAG_REVIST-AFTER%",
          record.MetaRevisitAfter.empty() ? kSuggestRevisitAfter : "");
}

std::string ImprovementReport::Html() const {
  return view_.Html("Kestrova Analysis");
}

}  // namespace kestrova

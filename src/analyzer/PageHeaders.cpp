#include "analyzer/PageHeaders.h"

#include <array>
#include <string>
#include <vector>

#include "base/Text.h"

namespace kestrova {
namespace {

// The value ends at the line's CR LF; a line ended by LF alone (a page saved on
// another system) ends there too, rather than swallowing the following headers.
std::string HeaderValue(std::string_view headerText, std::string_view name) {
  Pos at = FindNoCase(headerText, name);
  if (at == 0) return {};
  Pos valueStart = at + static_cast<Pos>(name.size());
  Pos lineEnd = Find(headerText, "\n", valueStart);
  std::string_view value =
      MidView(headerText, valueStart, lineEnd == 0 ? -1 : lineEnd - valueStart);
  if (lineEnd != 0 && !value.empty() && value.back() == '\r') value.remove_suffix(1);
  return TrimSpaces(value);
}

// The first occurrence of a needle at or after a rising start, remembered between
// calls: the scans of successive calls never overlap, so walking a whole head of
// tags costs one pass per needle however many tags lack their ">". The text is
// given folded to lower case (LowerCase), so letter case is ignored.
class ForwardFinder {
 public:
  ForwardFinder(std::string_view foldedText, std::string_view needle)
      : text_(foldedText), needle_(LowerCase(needle)) {}
  // 1-based position of the first occurrence at or after `from`; 0 when none.
  Pos At(Pos from) {
    if (!exhausted_ && (found_ == 0 || found_ < from)) {
      found_ = Find(text_, needle_, from);
      exhausted_ = found_ == 0;
    }
    return found_ != 0 && found_ >= from ? found_ : 0;
  }

 private:
  std::string_view text_;
  std::string needle_;
  Pos found_ = 0;
  bool exhausted_ = false;
};

// The META fields, each filled by the last tag of its name.
const std::array<std::string PageAnalysisRecord::*, 11> kMetaFields{
    &PageAnalysisRecord::MetaTitle,       &PageAnalysisRecord::MetaDescription,
    &PageAnalysisRecord::MetaKeywords,    &PageAnalysisRecord::MetaAuthor,
    &PageAnalysisRecord::MetaGenerator,   &PageAnalysisRecord::MetaObject,
    &PageAnalysisRecord::MetaRobots,      &PageAnalysisRecord::MetaLanguage,
    &PageAnalysisRecord::MetaRating,      &PageAnalysisRecord::MetaExpiry,
    &PageAnalysisRecord::MetaRevisitAfter};

struct MetaName {
  std::string_view tagStart;  // "<META NAME=" + quote + the name
  size_t field;               // index into kMetaFields
};

// The order decides a tag that contains more than one of these texts.
const std::array<MetaName, 12> kMetaNames{{
    {"<META NAME=\"Title", 0},
    {"<META NAME=\"Description", 1},
    {"<META NAME=\"Keywords", 2},
    {"<META NAME=\"Author", 3},
    {"<META NAME=\"Generator", 4},
    {"<META NAME=\"Object", 5},
    {"<META NAME=\"Robots", 6},
    {"<META NAME=\"Language", 7},
    {"<META NAME=\"Rating", 8},
    {"<META NAME=\"Expiry", 9},
    {"<META NAME=\"RevisitAfter", 10},
    // The spelling the improvement advice itself suggests; without it a page that
    // follows the advice would be told forever to add the tag.
    {"<META NAME=\"Revisit-After", 10},
}};

constexpr std::string_view kContentStart = "CONTENT=\"";
constexpr Pos kContentFallback = 9;  // without CONTENT=", the content starts here

}  // namespace

void ParseHttpHeaders(std::string_view headerText, PageAnalysisRecord& record) {
  if (FindNoCase(headerText, "Last-Modified:") != 0) {
    record.LastModified = HeaderValue(headerText, "Last-Modified:");
  }
  if (FindNoCase(headerText, "Server:") != 0) {
    record.ServerName = HeaderValue(headerText, "Server:");
  }
}

void ParseMetaTags(std::string_view headText, PageAnalysisRecord& record) {
  const std::string folded = LowerCase(headText);
  ForwardFinder metaFinder(folded, "<META");
  ForwardFinder closeFinder(folded, ">");
  ForwardFinder contentFinder(folded, kContentStart);
  std::vector<ForwardFinder> nameFinders;
  for (const MetaName& name : kMetaNames) nameFinders.emplace_back(folded, name.tagStart);
  // The contents are taken as views and copied once at the end, so many tags
  // reaching to the end of the head cost no copying.
  std::array<std::string_view, kMetaFields.size()> contents;
  std::array<bool, kMetaFields.size()> seen{};

  const Pos headEnd = static_cast<Pos>(headText.size());
  for (Pos tagStart = metaFinder.At(1); tagStart != 0; tagStart = metaFinder.At(tagStart + 1)) {
    Pos close = closeFinder.At(tagStart);
    Pos tagEnd = close == 0 ? headEnd : close;  // last position of the tag
    auto contains = [&](ForwardFinder& finder, size_t length) {
      Pos at = finder.At(tagStart);
      return at != 0 && at + static_cast<Pos>(length) - 1 <= tagEnd;
    };
    for (size_t i = 0; i < kMetaNames.size(); ++i) {
      if (!contains(nameFinders[i], kMetaNames[i].tagStart.size())) continue;
      Pos contentStart = tagStart + kContentFallback - 1;
      if (contains(contentFinder, kContentStart.size())) {
        contentStart = contentFinder.At(tagStart) + static_cast<Pos>(kContentStart.size());
      }
      // The content ends before the closing quote and ">", the tag's last two characters.
      Pos contentLength = tagEnd - 2 - contentStart + 1;
      const size_t field = kMetaNames[i].field;
      contents[field] =
          contentLength > 0 ? MidView(headText, contentStart, contentLength) : std::string_view{};
      seen[field] = true;
      break;
    }
  }
  for (size_t field = 0; field < kMetaFields.size(); ++field) {
    if (seen[field]) record.*(kMetaFields[field]) = std::string(contents[field]);
  }
}

}  // namespace kestrova

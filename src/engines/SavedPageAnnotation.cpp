#include "engines/SavedPageAnnotation.h"

#include "base/HtmlEscape.h"
#include "base/Numbers.h"
#include "base/Text.h"

namespace kestrova {
namespace {

constexpr std::string_view kHighlightOpen =
    "<i><b><font color=#ff0000 style=\"background:ffff00\">";
constexpr std::string_view kHighlightClose = "</i></b></font>";

void AddBaseAddress(std::string& page, const std::string& baseUrl) {
  const Pos html = FindNoCase(page, "<HTML>");
  if (html == 0) return;
  page = "<html><base href=" + baseUrl + ">" + page.substr(static_cast<size_t>(html - 1 + 6));
}

void AddHeaderBar(std::string& page, const SavedPageHeader& header) {
  const Pos body = FindNoCase(page, "<body");
  const Pos bodyEnd = body == 0 ? 0 : Find(page, ">", body + 5);
  if (bodyEnd == 0) return;
  const std::string bar =
      "<TABLE BGCOLOR=\"#0000FF\" WIDTH=\"100%\" BORDER=\"0\" CELLPADDING=\"5\" "
      "CELLSPACING=\"0\"><TR><TD><FONT FACE=\"Arial, Helvetica\" SIZE=\"+1\" "
      "COLOR=\"#ffffff\">" +
      header.title + " <b>' " + HtmlEscape(header.keyword) + " '</b> using " +
      HtmlEscape(header.engineName) + " </FONT></TD></TR></TABLE><br><br>" +
      "<!-- HEADER PAGE MENU -->" + "<br><hr width=50%><br><br>";
  page.insert(static_cast<size_t>(bodyEnd), bar);
}

// Wraps every " keyword" after `after` whose space does not follow a "." in the
// highlight font. The keyword is text, so it is looked for and written as the
// page's HTML shows it ("AT&amp;T" for "AT&T"), never as markup. Built in one
// pass (a page full of matches stays linear): the inserted tags hold no space,
// so no match can begin inside them.
void HighlightKeyword(std::string& page, const std::string& typed, const std::string& after) {
  if (typed.empty()) return;
  const std::string keyword = HtmlEscape(typed);
  const std::string needle = " " + keyword;
  Pos from = FindNoCase(page, after);
  if (from == 0) from = 1;
  std::string out;
  Pos copied = 1;          // page text before this position is in `out`
  Pos lastKeywordEnd = 0;  // position right after the last highlighted keyword
  for (Pos hit; (hit = FindNoCase(page, needle, from)) != 0;) {
    // Right after a highlighted keyword the character in front is the closing ">".
    const char before = hit == 1 ? '\0' : (hit == lastKeywordEnd ? '>' : page[hit - 2]);
    if (before == '.') {
      from = hit + 1;
      continue;
    }
    const Pos word = hit + 1;
    out.append(page, static_cast<size_t>(copied - 1), static_cast<size_t>(word - copied));
    out.append(kHighlightOpen).append(keyword).append(kHighlightClose);
    copied = word + static_cast<Pos>(keyword.size());
    lastKeywordEnd = copied;
    // The search resumes at the keyword's last character, which cannot begin a
    // match (it is no space, or a space followed by the closing tags).
    from = copied;
  }
  if (copied == 1) return;
  out.append(page, static_cast<size_t>(copied - 1));
  page = std::move(out);
}

}  // namespace

void AnnotateSavedPage(std::string& pageText, const SavedPageHeader& header) {
  AddBaseAddress(pageText, header.baseUrl);
  AddHeaderBar(pageText, header);
  if (header.highlightKeywords) HighlightKeyword(pageText, header.keyword, header.highlightAfter);
}

std::string SavedPageTitle(std::string_view programWebPage, std::string_view programName,
                           Integer pageIndex) {
  return "<a href=" + std::string(programWebPage) + "><font color='#FFFFFF'>" +
         std::string(programName) + "</font></a> &nbsp;&nbsp;[Page " + FormatDigits(pageIndex, 2) +
         "]&nbsp;&nbsp; Keyword Report for ";
}

}  // namespace kestrova

// Parsers of engines whose pages show no usable rank number: the parser writes
// its own, 10 x page index + k, in front of each entry's link.
#include <string>

#include "engines/EntryScan.h"
#include "engines/ParserPieces.h"
#include "engines/Parsers.h"

namespace kestrova::parsers {
namespace {

// Excite's "<small>" opens at most this many characters before its "% </SMALL>".
constexpr Pos kSmallTagReach = 11;
// AOL rows keep the character after the "%" of their relevance figure.
constexpr Pos kKeptAfterPercent = Len("%") + 1;
// Where Austria WWW and Anzwers go on searching, counted from the anchor.
constexpr Pos kAustriaWwwNext = 15;
constexpr Pos kAnzwersNext = 20;

// Entries that open with `keep` (left in place) directly before the link.
void NumberAfter(EntryScan& scan, Pos start, int limit, std::string_view anchor,
                 std::string_view keep, Pos nextOffset = kDefaultNextOffset) {
  RunEntryLoop(scan, start, limit, anchor, [keep, nextOffset](EntryScan& s, Pos a) {
    s.Insert(a + Len(keep), BoldNumber(s));
    return Marked(s.Anchor() + nextOffset);
  });
}

}  // namespace

// "<p><a href=..." becomes "<p><b>N.</b>P<a href=..."
void GooglePlain(EntryScan& scan) {
  RunEntryLoop(scan, 1, kNoLimit, "<p><a href=", [](EntryScan& s, Pos a) {
    s.Replace(a, a + Len("<p>"), "<p><b>" + s.Number() + ".</b>" + kPoint);
    return Marked();
  });
}

// "<SMALL>87% </SMALL> <a href=..." : the relevance figure gives way to the number.
void Excite(EntryScan& scan, const HeadRequest&) {
  RunEntryLoop(scan, 1, kNoLimit, "% </SMALL>", [](EntryScan& s, Pos a) {
    const Pos small = s.Find("<small>", a - kSmallTagReach);
    if (small == 0 || small >= a) return Unmarked();
    // The figure goes together with the character after it.
    s.Replace(small, a + Len("% </SMALL>") + 1, BoldNumber(s));
    return Marked();
  });
}

// "<b>87%</b> ... <a href=..." (the national Excite pages)
void ExciteNational(EntryScan& scan, const HeadRequest&) {
  RunEntryLoop(scan, 1, kNoLimit, "%</b>", [](EntryScan& s, Pos a) {
    const Pos link = s.Find("<a href=", a);
    if (link == 0) return Unmarked();
    s.Insert(link, BoldNumber(s));
    return Marked();
  });
}

// "<b>87% </b><a href=..." after "Web Results for"
void WebCrawler(EntryScan& scan, const HeadRequest&) {
  const Pos start = PreconditionStart(scan, "Web Results for", false);
  RunEntryLoop(scan, start, kNoLimit, "% </b>", [](EntryScan& s, Pos a) {
    const Pos bold = s.FindBefore("<b>", a);
    if (bold == 0) return Unmarked();
    s.Replace(bold, a + Len("% </b>"), BoldNumber(s));
    return Marked();
  });
}

// "<B>87%</B></FONT> <A HREF=... onMouseOver="self.status='URL';return true">"
void Aol(EntryScan& scan, const HeadRequest&) {
  static constexpr std::string_view kStatus = "self.status='";
  RunEntryLoop(scan, 1, kNoLimit, "%</B></FONT>", [](EntryScan& s, Pos a) {
    const Pos status = s.Find(kStatus, a);
    const Pos statusEnd = status == 0 ? 0 : s.Find("';", status + Len(kStatus));
    const Pos tagEnd = statusEnd == 0 ? 0 : s.Find(">", statusEnd);
    if (tagEnd == 0) return Unmarked();
    const std::string url = s.Text(status + Len(kStatus), statusEnd);
    s.Replace(a + kKeptAfterPercent, tagEnd + 1,
              " <b>" + s.Number() + ". </b>" + kPoint + "<a href=" + url + ">" + url + "</a>");
    return Marked();
  });
}

// LF "<li><a href=..." after "<b>Web Pages</b></font>" LF; the "<li>" goes.
void Yahoo(EntryScan& scan, const HeadRequest&) {
  const Pos start = PreconditionStart(scan, "<b>Web Pages</b></font>\n", false);
  RunEntryLoop(scan, start, kTenEntries, "\n<li><a href=", [](EntryScan& s, Pos a) {
    s.Replace(a, a + Len("\n<li>"), std::string(1, '\n').append(BoldNumber(s)));
    return Marked();
  });
}

// "<a href=/go?...><b>Title</b></a></font>&nbsp;<font size=-1>http://site/</font>":
// the plain address shown under the title becomes the marked link.
void Snap(EntryScan& scan, const HeadRequest&) {
  static constexpr std::string_view kTitleEnd = "</b></a></font>&nbsp;";
  RunEntryLoop(scan, 1, kNoLimit, kTitleEnd, [](EntryScan& s, Pos a) {
    const Pos url = s.FindExact("http:", a + Len(kTitleEnd));
    const Pos urlEnd = url == 0 ? 0 : s.FindExact("<", url);
    if (urlEnd == 0) return Unmarked();
    const std::string address = s.Text(url, urlEnd);
    s.Replace(url, urlEnd, BoldNumber(s) + "<a href=\"" + address + "\">" + address + "</a>");
    return Marked();
  });
}

// "<DL><DT><A HREF=..." after "Sitios encontrados"
void Clarin(EntryScan& scan, const HeadRequest&) {
  const Pos start = PreconditionStart(scan, "Sitios encontrados", true);
  NumberAfter(scan, start, kTenEntries, "<DL><DT><A HREF=", "<DL><DT>");
}

// "<li><a href=..." after "Web-Sites&nbsp;"
void AustriaWww(EntryScan& scan, const HeadRequest&) {
  const Pos start = PreconditionStart(scan, "Web-Sites&nbsp;", false);
  NumberAfter(scan, start, kNoLimit, "<li><a href=", "<li>", kAustriaWwwNext);
}

// "<td class="ensemble"><b><a href="..." target="_top">": the target goes.
void AlpaVista(EntryScan& scan, const HeadRequest&) {
  static constexpr std::string_view kAnchor = "class=\"ensemble\"><b><a href";
  static constexpr std::string_view kTarget = "target=\"_top\"";
  RunEntryLoop(scan, 1, kNoLimit, kAnchor, [](EntryScan& s, Pos a) {
    const Pos target = s.Find(kTarget, a);
    if (target == 0) return Unmarked();
    s.Replace(target, target + Len(kTarget), "");
    s.Insert(a + Len("class=\"ensemble\"><b>"), s.Number() + ". </b>" + kPoint);
    return Marked();
  });
}

// "<font color='#003366'>&nbsp;.</font> <a href='URL' target='new'>Title</a>"
void Anzwers(EntryScan& scan, const HeadRequest&) {
  static constexpr std::string_view kColour = "#003366'>";
  static constexpr std::string_view kAnchor = ".</font>";
  static constexpr std::string_view kTarget = " target='new'>";
  const Pos start = PreconditionStart(scan, "<B>Showing ", false);
  RunEntryLoop(scan, start, kTenEntries, kAnchor, [](EntryScan& s, Pos a) {
    const Pos colour = s.FindBefore(kColour, a);
    const Pos target = colour == 0 ? 0 : s.FindExact(kTarget, colour);
    if (target == 0 || target < a + Len(kAnchor)) return Unmarked();
    const std::string lead = TrimSpaces(s.Text(colour + Len(kColour), a));
    const std::string link = TrimSpaces(s.Text(a + Len(kAnchor), target));
    s.Replace(a, target + Len(kTarget), "<b>" + lead + s.Number() + ". </b>" + kPoint + link + ">");
    return Marked(s.Anchor() + kAnzwersNext);
  });
}

}  // namespace kestrova::parsers

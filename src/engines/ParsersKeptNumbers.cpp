// Parsers of engines whose pages carry their own rank numbers: the number stays
// on the page and the Point marker goes right after it, in front of the link.
#include <string>

#include "engines/EntryScan.h"
#include "engines/ParserPieces.h"
#include "engines/Parsers.h"

namespace kestrova::parsers {
namespace {

// Where Ecila and AustroNaut go on searching, counted from the anchor.
constexpr Pos kEcilaNext = 15;
constexpr Pos kAustroNautNext = 15;
// MSN goes on 20 characters after its " HREF=".
constexpr Pos kMsnNextAfterHref = 20;
// Arianna's number starts one character into its FONT text (after the "(").
constexpr Pos kAriannaNumberSkip = 1;
// Arianna's usual "<a href" lies at most this far after the anchor; beyond it the
// row is one of those that write "<a  href" (two spaces).
constexpr Pos kAriannaLinkReach = 120;
// A new AustroNaut entry ("<img src=neu.gif> - <a href=...") resumes 3 characters
// after the image tag's ">", at the space in front of its link.
constexpr Pos kAustroNautAfterImage = 3;

// Engines whose number already reads "<b>N. </b>": the marker follows `numberEnd`.
void InsertAfter(EntryScan& scan, std::string_view anchor, std::string_view numberEnd) {
  RunEntryLoop(scan, 1, kNoLimit, anchor, [numberEnd](EntryScan& s, Pos a) {
    s.Insert(a + Len(numberEnd), kPoint);
    return Marked();
  });
}

}  // namespace

// "<b>1. </b><a href=..."
void AltaVista(EntryScan& scan, const HeadRequest&) {
  InsertAfter(scan, ". </b>", ". </b>");
}

// "<b>1. </b>" LF "<a href=..."
void AltaVistaDe(EntryScan& scan, const HeadRequest&) {
  InsertAfter(scan, ". </b>\n<a href=", ". </b>");
}

// "1.&nbsp;&nbsp;<a href=..."
void NorthernLight(EntryScan& scan, const HeadRequest&) {
  InsertAfter(scan, ".&nbsp;&nbsp;", ".&nbsp;&nbsp;");
}

// "<b>1</b> <a href=..." becomes "<b>1. </b>P<a href=..."
void AllTheWeb(EntryScan& scan, const HeadRequest&) {
  RunEntryLoop(scan, 1, kNoLimit, "</b> <a href=", [](EntryScan& s, Pos a) {
    s.Replace(a, a + Len("</b> "), ". </b>" + kPoint);
    return Marked();
  });
}

// "<td>1. <A HREF=..." : the number after the last ">" is made bold.
void BellNet(EntryScan& scan, const HeadRequest&) {
  RunEntryLoop(scan, 1, kNoLimit, ". <A HREF=", [](EntryScan& s, Pos a) {
    const Pos gt = s.FindBefore(">", a);
    if (gt == 0) return Unmarked();
    const std::string number = s.Text(gt + 1, a);
    s.Replace(gt + 1, a + 1, "<b>" + number + ". </b>" + kPoint);
    return Marked();
  });
}

// "<font color="#990000"><b>1.</b> <a href=..." : ".</b> " becomes ". </b>P".
void ExciteDe(EntryScan& scan, const HeadRequest&) {
  RunEntryLoop(scan, 1, kNoLimit, "color=\"#990000\"><b>", [](EntryScan& s, Pos a) {
    const Pos dot = s.Find(".</b>", a);
    const Pos link = dot == 0 ? 0 : s.Find("<a href=", dot);
    if (link == 0) return Unmarked();
    s.Replace(dot, link, ". </b>" + kPoint);
    return Marked();
  });
}

// "<b>[1]</b> <a href=..." becomes "<b>[1. </b>P<a href=..."
void Ecila(EntryScan& scan, const HeadRequest&) {
  const Pos start = PreconditionStart(scan, " documents correspondant ", false);
  RunEntryLoop(scan, start, kNoLimit, "]</b>", [](EntryScan& s, Pos a) {
    const Pos href = s.Find("href=", a);
    if (href == 0) return Unmarked();
    s.Replace(a, href + Len("href="), ". </b>" + kPoint + "<a href=");
    return Marked(a + kEcilaNext);
  });
}

// "<b>1</b>. <a HREF=..." (newer pages: "<span>1.</span> <a HREF=...")
void Msn(EntryScan& scan, const HeadRequest&) {
  auto findAnchor = [](EntryScan& s, Pos from) {
    const Pos a = s.Find("</b>. ", from);
    return a != 0 ? a : s.Find(".</span>", from);
  };
  RunEntryLoop(scan, 1, kTenEntries, findAnchor, [](EntryScan& s, Pos a) {
    const Pos href = s.Find(" HREF=", a);
    if (href == 0) return Unmarked();
    const std::string marked = ".</b> " + kPoint + "<a ";
    s.Replace(a, href + 1, marked);
    // The " HREF=" now stands just before "HREF=", at the end of `marked` less one.
    return Marked(a + Len(marked) - 1 + kMsnNextAfterHref);
  });
}

// "<font size="4" color="#999999">1.</font>" TAB "<A HREF=..."
void AladinDe(EntryScan& scan, const HeadRequest&) {
  static constexpr std::string_view kNumberFont = "<font size=\"4\" color=\"#999999\">";
  const Pos start = PreconditionStart(scan, "Abacho Suchergebnis:", true);
  RunEntryLoop(scan, start, kTenEntries, kNumberFont, [](EntryScan& s, Pos a) {
    const Pos numberStart = a + Len(kNumberFont);
    const Pos fontEnd = s.FindExact("</font>", numberStart);
    const Pos link = s.Find("\t<A HREF=", numberStart);
    if (fontEnd == 0 || link == 0 || fontEnd > link) return Unmarked();
    const std::string number = TrimSpaces(s.Text(numberStart, fontEnd));
    s.Replace(numberStart, link + 1, "<b>" + number + " </b>" + kPoint);
    return Marked();
  });
}

// "<FONT size=-1>(1)</FONT> <a href=..." ; some rows write "<a  href" (two spaces).
void Arianna(EntryScan& scan, const HeadRequest&) {
  static constexpr std::string_view kNumberFont = "<FONT size=-1>";
  const Pos start = PreconditionStart(scan, "nel web italiano", false);
  RunEntryLoop(scan, start, kNoLimit, ")</FONT>", [](EntryScan& s, Pos a) {
    const Pos font = s.FindBefore(kNumberFont, a);
    if (font == 0) return Unmarked();
    const std::string number = s.Text(font + Len(kNumberFont) + kAriannaNumberSkip, a);
    Pos href = 0;
    const Pos link = s.Find("<a href", a);
    if (link != 0 && link - a <= kAriannaLinkReach) {
      href = link + Len("<a ");
    } else if (const Pos wide = s.Find("<a  href", a); wide != 0) {
      href = wide + Len("<a  ");
    }
    if (href == 0) return Unmarked();
    s.Replace(font, href, "<b>" + number + ". </b>" + kPoint + "<a ");
    return Marked();
  });
}

// "<td>1. <b><a href=..." ; new entries: "<td>1. <img src=neu.gif> - <a href=..."
void AustroNaut(EntryScan& scan, const HeadRequest&) {
  const Pos start = PreconditionStart(scan, "Suchergebnis, Seite", false);
  RunEntryLoop(scan, start, kNoLimit, ". <", [](EntryScan& s, Pos a) {
    const Pos gt = s.FindBefore(">", a);
    if (gt == 0) return Unmarked();
    const std::string number = s.Text(gt + 1, a);
    Pos rest = a + Len(". <b>");
    if (s.HasAt(a, ". <img")) {
      const Pos imageEnd = s.Find(">", a);
      if (imageEnd == 0) return Unmarked();
      rest = imageEnd + kAustroNautAfterImage;
    }
    s.Replace(gt + 1, rest, "<b>" + number + ". </b>" + kPoint);
    return Marked(a + kAustroNautNext);
  });
}

}  // namespace kestrova::parsers

// Parsers of engines whose result links go through the engine's own redirect:
// the real target is taken out of the redirect address and written as the link.
#include <algorithm>
#include <string>

#include "engines/EntryScan.h"
#include "engines/ParserPieces.h"
#include "engines/Parsers.h"
#include "net/HttpStatus.h"
#include "net/UrlCoding.h"

namespace kestrova::parsers {
namespace {

// InfoSeek's number follows the last ">" within the 5 characters before ". <b>".
constexpr Pos kInfoSeekNumberReach = 5;
// C'est Trouve goes on 5 characters after the marked link it wrote.
constexpr Pos kCestTrouveNext = 5;

// Blanks the first stylesheet link, so a saved page does not pull the engine's styles.
void BlankStylesheet(EntryScan& scan) {
  const Pos link = scan.Find("<LINK REL=\"stylesheet\"", 1);
  const Pos end = link == 0 ? 0 : scan.Find(">", link);
  if (end != 0) scan.Replace(link, end + 1, std::string(static_cast<size_t>(end + 1 - link), ' '));
}

}  // namespace

// Plain: "1.&nbsp;&nbsp;<a href=...". Redirect pages:
// "1.&nbsp;<a href="/director.asp?target=http%3A%2F%2Fsite%2F&id=...">".
void HotBot(EntryScan& scan, const HeadRequest&) {
  if (scan.Find("/director.asp?target=http", 1) == 0) {
    RunEntryLoop(scan, 1, kNoLimit, ".&nbsp;&nbsp;<a href=", [](EntryScan& s, Pos a) {
      s.Insert(a + Len(".&nbsp;&nbsp;"), kPoint);
      return Marked();
    });
  } else {
    RunEntryLoop(scan, 1, kNoLimit, ".&nbsp;<a href=", [](EntryScan& s, Pos a) {
      const Pos target = s.Find("target=", a);
      const Pos targetEnd = target == 0 ? 0 : s.Find("&id", target + Len("target="));
      const Pos tagEnd = s.Find(">", a + Len(".&nbsp;"));
      if (targetEnd == 0 || tagEnd == 0) return Unmarked();
      const std::string url = RedirectTarget(s.Text(target + Len("target="), targetEnd));
      s.Replace(a, tagEnd, ".&nbsp;" + kPoint + "<a href=" + url);
      return Marked();
    });
  }
  BlankStylesheet(scan);
}

// Plain: "<p><a href=...". Redirect pages: "<p><A HREF=/url?sa=U&start=1&q=URL>".
void Google(EntryScan& scan, const HeadRequest&) {
  static constexpr std::string_view kRedirect = "<p><A HREF=/url?sa=U";
  if (scan.Find(kRedirect, 1) == 0) return GooglePlain(scan);
  RunEntryLoop(scan, 1, kNoLimit, kRedirect, [](EntryScan& s, Pos a) {
    const Pos tagEnd = s.Find(">", a + Len("<p>"));
    const Pos query = s.Find("q=", a);
    if (tagEnd == 0 || query == 0 || query > tagEnd) return Unmarked();
    const std::string url = s.Text(query + Len("q="), tagEnd);
    s.Replace(a, tagEnd, "<p><b>" + s.Number() + ".</b>" + kPoint + "<a href=" + url);
    return Marked();
  });
}

// "<dt>1. <b><a href="URL">Title</a></b>"; redirect rows:
// "<dt>1. <b><a href="/redirect?...&rd=URL">Title</a></b>". Sub-searches exact-case.
void InfoSeek(EntryScan& scan, const HeadRequest&) {
  RunEntryLoop(scan, 1, kNoLimit, ". <b>", [](EntryScan& s, Pos a) {
    const Pos gt = s.FindExact(">", a - kInfoSeekNumberReach);
    if (gt == 0 || gt >= a || gt < s.Floor()) return Unmarked();
    const Pos link = a + Len(". <b>");
    const Pos linkEnd = s.FindExact("</a>", link);
    if (linkEnd == 0) return Unmarked();
    std::string url;
    if (LowerCase(s.Text(link, link + Len("<a href=\"/redirect"))) == "<a href=\"/redirect") {
      const Pos rd = s.FindExact("&rd=", link);
      const Pos tagEnd = s.FindExact(">", link);
      if (rd == 0 || tagEnd == 0 || rd > tagEnd) return Unmarked();
      url = s.Text(rd + Len("&rd="), tagEnd);
      if (!url.empty() && url.back() == '"') url.pop_back();  // the href's closing quote
    } else {
      const Pos open = s.FindExact("\"", link);
      const Pos close = open == 0 ? 0 : s.FindExact("\"", open + 1);
      if (close == 0) return Unmarked();
      url = s.Text(open + 1, close);
    }
    url = DecodeUrlText(url);
    const std::string number = s.Text(gt + 1, a);
    s.Replace(gt + 1, linkEnd + Len("</a>"),
              "<b>" + number + ". </b>" + kPoint + "<a href=" + url + ">" + url + "</a>");
    return Marked();
  });
}

// "1.&nbsp;<a href="/cgi-bin/redir?...&url=http%3A%2F%2Fsite%2F" target="_top">"
void EuroSeek(EntryScan& scan, const HeadRequest&) {
  RunEntryLoop(scan, 1, kNoLimit, ".&nbsp;", [](EntryScan& s, Pos a) {
    const Pos target = s.Find("&url=", a);
    const Pos quote = target == 0 ? 0 : s.Find("\" target", target);
    const Pos tagEnd = quote == 0 ? 0 : s.Find(">", quote);
    if (tagEnd == 0) return Unmarked();
    const std::string url = RedirectTarget(s.Text(target + Len("&url="), quote));
    s.Replace(a, tagEnd + 1, ".&nbsp;" + kPoint + "<a href=\"" + url + "\">" + url + "</a>");
    return Marked();
  });
}

// "1. <A HREF="/fcgi-bin/RedirURL.fcg?url=http%3A%2F%2Fsite%2F&qry=...">"
void DirectHit(EntryScan& scan, const HeadRequest&) {
  const Pos start = PreconditionStart(scan, "Search Results", false);
  RunEntryLoop(scan, start, kNoLimit, ". <A HREF=", [](EntryScan& s, Pos a) {
    const Pos target = s.Find("url=", a);
    const Pos targetEnd = target == 0 ? 0 : s.Find("&", target + Len("url="));
    const Pos tagEnd = s.Find(">", a);
    if (targetEnd == 0 || tagEnd == 0) return Unmarked();
    const std::string url = RedirectTarget(s.Text(target + Len("url="), targetEnd));
    s.Replace(a, tagEnd, ".  " + kPoint + "<a href=" + url);
    return Marked();
  });
}

// "<a href="http://click.lycos.com/director.asp?id=1&target=URL&query=...">Title</a>"
void Lycos(EntryScan& scan, const HeadRequest&) {
  static constexpr std::string_view kDirector = "/director.asp?id=";
  static constexpr std::string_view kLink = "<a href=\"";
  static constexpr Pos kLongestAddress = 2048;
  // The anchor is the opening of a link whose address ends in the director path:
  // walk back over the address to its opening quote.
  auto findLink = [](EntryScan& s, Pos from) -> Pos {
    const std::string& page = s.Page();
    for (Pos director = s.Find(kDirector, from); director != 0;
         director = s.Find(kDirector, director + 1)) {
      Pos open = director - 1;
      const Pos stop = std::max(from + Len(kLink) - 1, director - kLongestAddress);
      while (open > stop && std::string_view("\"> ").find(page[open - 1]) == std::string::npos)
        --open;
      const Pos link = open - Len(kLink) + 1;
      if (link >= from && s.HasAt(link, kLink)) return link;
    }
    return 0;
  };
  const Pos start = PreconditionStart(scan, "Lycos Web Catalog", false);
  RunEntryLoop(scan, start, kNoLimit, findLink, [](EntryScan& s, Pos a) {
    const Pos target = s.Find("target=", a);
    const Pos targetEnd = target == 0 ? 0 : s.Find("&", target + Len("target="));
    const Pos tagEnd = s.Find(">", a);
    if (targetEnd == 0 || tagEnd == 0) return Unmarked();
    const std::string url = s.Text(target + Len("target="), targetEnd);
    s.Replace(a, tagEnd + 1,
              "<B>" + s.Number() + ". </b>" + kPoint + "<a href=" + url + ">" + url + "</a>");
    return Marked();
  });
}

// "<strong>1</strong> <strong><A HREF=/com/verssite.exe?n=..>Titre</A></strong>
//  ... - http://site/ ..."; the shown address becomes the marked link.
void CestTrouve(EntryScan& scan, const HeadRequest&) {
  RunEntryLoop(scan, 1, kNoLimit, "<A HREF=/com/verssite.exe?n=", [](EntryScan& s, Pos a) {
    const Pos shown = s.Find("- http://", a);
    const Pos space = shown == 0 ? 0 : s.FindExact(" ", shown + Len("- http://"));
    const Pos lastStrong = s.FindBefore("<strong>", a);
    const Pos numberStrong = lastStrong == 0 ? 0 : s.FindBefore("<strong>", lastStrong);
    if (space == 0 || numberStrong == 0) return Unmarked();
    const Pos numberStart = numberStrong + Len("<strong>");
    const Pos numberEnd = s.FindExact("</strong>", numberStart);
    if (numberEnd == 0 || numberEnd > a) return Unmarked();
    const std::string number = TrimSpaces(s.Text(numberStart, numberEnd));
    const std::string url = s.Text(shown + Len("- "), space);
    const std::string marked =
        "<b>" + number + ".</b>" + kPoint + "<a href=" + url + ">" + url + "</a>";
    s.Replace(shown, space, marked);
    return Marked(shown + Len(marked) + kCestTrouveNext);
  });
}

// "<A HREF="/j?regio=26&id=..." target="_top">Title</A>": the engine's jump link
// is asked with HEAD where it leads; its 302 target becomes the marked link.
void AllesKlarAt(EntryScan& scan, const HeadRequest& head) {
  static constexpr std::string_view kAnchor = "<A HREF=\"/j?regio=26";
  const std::string& host = scan.EngineHost();
  const Pos start = PreconditionStart(scan, " Treffer", false);
  RunEntryLoop(scan, start, kTenEntries, kAnchor, [&head, &host](EntryScan& s, Pos a) {
    const Step unresolved{Outcome::UnmarkedCounted, 0};
    const Pos pathStart = a + Len("<A HREF=\"");
    const Pos space = s.FindExact(" ", pathStart);
    if (space == 0 || !head) return unresolved;
    std::string path = s.Text(pathStart, space);
    if (!path.empty() && path.back() == '"') path.pop_back();
    const HeadAnswer answer = head(host, path);
    if (answer.transferAborted) return Step{Outcome::Stop, 0};
    std::string target;
    if (GetHttpStatus(answer.response, target) != 302 || target.empty()) return unresolved;
    const Pos tagEnd = s.Find("top\">", a);
    if (tagEnd == 0) return unresolved;
    s.Replace(a, tagEnd + Len("top\">"),
              BoldNumber(s) + "<A href=\"" + target + "\">" + target + "</a> ");
    return Marked();
  });
}

// Entries hold two jump links "<A HREF="/j?..." target="_top">"; the second shows
// the address as its text. On the first page the list begins after the
// "linieblau.gif" rule that follows "sichern!".
void AllesKlarDe(EntryScan& scan, const HeadRequest&) {
  static constexpr std::string_view kJump = "<A HREF=\"/j";
  Pos start = PreconditionStart(scan, "Eintr&auml;ge", false);
  if (start != 0 && scan.PageIndex() == 0) {
    const Pos save = scan.Find("sichern!", 1);
    const Pos rule = save == 0 ? 0 : scan.Find("linieblau.gif", save);
    start = rule == 0 ? 0 : rule + Len("linieblau.gif");
  }
  auto secondJump = [](EntryScan& s, Pos from) {
    const Pos first = s.Find(kJump, from);
    return first == 0 ? 0 : s.Find(kJump, first + 1);
  };
  RunEntryLoop(scan, start, kTenEntries, secondJump, [](EntryScan& s, Pos a) {
    const Pos tagEnd = s.Find("top\">", a);
    const Pos close = tagEnd == 0 ? 0 : s.Find("</a>", tagEnd);
    if (close == 0) return Unmarked();
    const std::string text = s.Text(tagEnd + Len("top\">"), close);
    s.Replace(a, close, BoldNumber(s) + "<A href=\"" + text + "\">" + text);
    return Marked();
  });
}

}  // namespace kestrova::parsers

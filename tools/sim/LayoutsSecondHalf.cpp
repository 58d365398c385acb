// Result-list layouts of the engines from Excite to Yahoo (see the first half).
#include "sim/LayoutParts.h"

namespace kestrova::sim {

namespace {

void Excite(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><FONT FACE=\"Arial\"><B>Top " + Number(in.hitCount) + " matches</B> for <B>" +
              in.keywordHtml + "</B> (" + RangeText(in) + ")</FONT></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><SMALL>" + Relevance(e) +
                  "% </SMALL> <A HREF=\"http://search.excite.com/relocate/"
                  "sr=webresult|mi=" +
                  Rank(e) + ";" + e.url + "\"><B>" + e.title + "</B></A><BR>\r\n" + e.description +
                  "<BR><SMALL>" + e.url + "</SMALL></P>\r\n";
  }
}

// Excite's national sites share one entry form; only the count line differs.
void ExciteNationalEntries(const ResultPageInput& in, LayoutParts& parts) {
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><B>" + Relevance(e) + "%</b> <a href=" + Quoted(e.url) + "><B>" + e.title +
                  "</B></a><BR>\r\n" + e.description + "</P>\r\n";
  }
}

void ExciteAu(const ResultPageInput& in, LayoutParts& parts) {
  parts.top =
      "<P><B>Web Search Results</B> for " + in.keywordHtml + " (" + RangeText(in) + ")</P>\r\n";
  ExciteNationalEntries(in, parts);
}

void ExciteFr(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><B>R&eacute;sultats de recherche sur Web </B>" + RangeText(in) + " pour " +
              in.keywordHtml + "</P>\r\n";
  ExciteNationalEntries(in, parts);
}

void ExciteIt(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><B>Documenti </B>" + RangeText(in) + " di " + Number(in.hitCount) + " per " +
              in.keywordHtml + "</P>\r\n";
  ExciteNationalEntries(in, parts);
}

void ExciteUk(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P>Top " + Number(in.hitCount) + " Documents. " + RangeText(in) + " for " +
              in.keywordHtml + "</P>\r\n";
  ExciteNationalEntries(in, parts);
}

void ExciteDe(const ResultPageInput& in, LayoutParts& parts) {
  parts.top =
      "<P><B>" + Number(in.hitCount) + " Dokumente </B>gefunden zu " + in.keywordHtml + "</P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><font color=\"#990000\"><b>" + Rank(e) +
                  ".</b></font> <a href=" + Quoted(e.url) + ">" + e.title + "</a><BR>\r\n" +
                  e.description + "</P>\r\n";
  }
}

void Google(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><FONT SIZE=\"-1\">Results <b>" + RangeText(in) + "</b> of about <b>" +
              Number(in.hitCount) + "</b> for " + in.keywordHtml +
              "  Search took <b>0,08</b> seconds</FONT></P>\r\n";
  // Some pages send every link through the engine's redirect.
  bool redirects = PageChoice(in, 25);
  for (const ResultEntry& e : in.entries) {
    if (redirects) {
      parts.list +=
          "<p><A HREF=/url?sa=U&start=" + Rank(e) + "&q=" + e.url + ">" + e.title + "</A>";
    } else {
      parts.list += "<p><a href=" + Quoted(e.url) + ">" + e.title + "</a>";
    }
    parts.list += "<br><font size=-1>" + e.description + "<br><font color=\"#008000\">" + e.url +
                  " - 12k</font></font>\r\n";
  }
}

void HotBot(const ResultPageInput& in, LayoutParts& parts) {
  parts.head = "<LINK REL=\"stylesheet\" HREF=\"/hotbot.css\" TYPE=\"text/css\">\r\n";
  parts.top = "<P><FONT FACE=\"Arial\"><B>Web Matches</B> " + RangeText(in) + " of " +
              Number(in.hitCount) + "</FONT></P>\r\n";
  bool redirects = PageChoice(in, 26);
  for (const ResultEntry& e : in.entries) {
    if (redirects) {
      // The engine prefixes some targets with a stray carriage return code.
      std::string target = CodeUrl(e.url);
      if (e.rank % 2 == 0) target.insert(0, "%0D");
      parts.list += "<P><B>" + Rank(e) +
                    ".&nbsp;<A HREF=\"http://www.hotbot.com/director.asp?target=" + target +
                    "&id=" + Rank(e) + "&userid=3hQ&query=" + in.encodedKeyword + "\">" + e.title +
                    "</A></B>";
    } else {
      parts.list +=
          "<P><B>" + Rank(e) + ".&nbsp;&nbsp;<A HREF=" + Quoted(e.url) + ">" + e.title + "</A></B>";
    }
    parts.list += "<BR>\r\n" + e.description + "<BR><FONT SIZE=\"-1\">" + e.url + "</FONT></P>\r\n";
  }
}

void InfoSeek(const ResultPageInput& in, LayoutParts& parts) {
  parts.top =
      "<P><B>Web search results</B> " + RangeText(in) + " of " + Number(in.hitCount) + "</P>\r\n";
  bool redirects = PageChoice(in, 27);
  for (const ResultEntry& e : in.entries) {
    std::string href =
        redirects ? "\"/redirect?cid=" + Rank(e) + "&rd=" + CodeUrl(e.url) + "\"" : Quoted(e.url);
    parts.list += "<P><FONT SIZE=\"-1\">" + Rank(e) + ". <b><a href=" + href + ">" + e.title +
                  "</a></b><BR>\r\n" + e.description + "</FONT></P>\r\n";
  }
}

void Lycos(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><FONT FACE=\"Arial\"><B>Matching Web Pages</B> " + RangeText(in) + " of " +
              Number(in.hitCount) +
              "</FONT></P>\r\n<P><FONT SIZE=\"-1\">Lycos Web Catalog</FONT></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><a href=\"http://click.lycos.com/director.asp?id=" + Rank(e) +
                  "&target=" + e.url + "&query=" + in.encodedKeyword + "&rank=" + Rank(e) +
                  "\"><B>" + e.title + "</B></a><BR>\r\n" + e.description + "</P>\r\n";
  }
}

void Msn(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><b><i>Results:</i></b> " + RangeText(in) + " of " + Number(in.hitCount) +
              " | <A HREF=\"/results.asp?more=1\">next >></A></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><b>" + Rank(e) + "</b>. <a HREF=" + Quoted(e.url) + ">" + e.title +
                  "</a><BR>\r\n" + e.description + "</P>\r\n";
  }
}

void NorthernLight(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P>" + Number(in.hitCount) + " items for <B>" + in.keywordHtml + "</B></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<!-- result -->\r\n<P><b>" + Rank(e) + ".&nbsp;&nbsp;<a href=" + Quoted(e.url) +
                  ">" + e.title + "</a></b><BR>\r\n" + e.description + "</P>\r\n";
  }
}

void Snap(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><B>Results for</B> " + in.keywordHtml + " (" + RangeText(in) + ")</P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><font size=\"2\"><a href=\"http://www.snap.com/go?id=" + Rank(e) + "\"><b>" +
                  e.title + "</b></a></font>&nbsp;<font size=\"1\" color=\"#008000\">" + e.url +
                  "</font><BR>\r\n" + e.description + "</P>\r\n";
  }
}

void WebCrawler(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><B>Web Results for</B> " + in.keywordHtml + " (" + RangeText(in) + ")</P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><b>" + Relevance(e) + "% </b><a href=" + Quoted(e.url) + ">" + e.title +
                  "</a><BR>\r\n" + e.description + "</P>\r\n";
  }
}

void Yahoo(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><font face=\"arial\"><b>Web Pages</b></font>\n<ul>";
  for (const ResultEntry& e : in.entries) {
    parts.list += "\n<li><a href=" + Quoted(e.url) + ">" + e.title + "</a> - " + e.description;
  }
  parts.bottom = "\n</ul></P>\r\n";
}

constexpr LayoutRow kRows[] = {{"Excite", Excite},
                               {"Excite AU", ExciteAu},
                               {"Excite DE", ExciteDe},
                               {"Excite FR", ExciteFr},
                               {"Excite IT", ExciteIt},
                               {"Excite UK", ExciteUk},
                               {"Google", Google},
                               {"HotBot", HotBot},
                               {"InfoSeek", InfoSeek},
                               {"Lycos", Lycos},
                               {"MSN", Msn},
                               {"NorthernLight", NorthernLight},
                               {"Snap", Snap},
                               {"WebCrawler", WebCrawler},
                               {"Yahoo", Yahoo}};

}  // namespace

std::span<const LayoutRow> LayoutsSecondHalf() {
  return kRows;
}

}  // namespace kestrova::sim

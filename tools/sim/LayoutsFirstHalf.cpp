// Result-list layouts of the engines from Aladin DE to EuroSeek. Each writes its
// count line with the engine's results-start texts and ten entries in the
// numbering and link forms its result parser reads.
#include "sim/LayoutParts.h"

namespace kestrova::sim {

namespace {

void AladinDe(const ResultPageInput& in, LayoutParts& parts) {
  parts.top =
      "<TABLE WIDTH=\"100%\"><TR><TD><FONT FACE=\"Arial\" SIZE=\"2\"><B>Aladin Suchergebnis</B> "
      "f&uuml;r "
      "<B>" +
      in.keywordHtml +
      "</B></FONT></TD></TR></TABLE>\r\n<P><FONT SIZE=\"2\">Abacho Suchergebnis: " +
      Number(in.hitCount) + " Seiten gefunden, Seite " + Number(in.pageIndex + 1) +
      "</FONT></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><FONT size=\"4\" color=\"#999999\">" + Rank(e) +
                  ".</font>\t<A HREF=" + Quoted(e.url) + "><B>" + e.title +
                  "</B></A><BR>\r\n<FONT SIZE=\"2\">" + e.description +
                  "</FONT><BR><FONT SIZE=\"1\" COLOR=\"#008000\">" + e.url + "</FONT></P>\r\n";
  }
}

void AllesKlarAt(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><FONT FACE=\"Verdana\" SIZE=\"2\"><B>" + Number(in.hitCount) +
              "</B> Treffer f&uuml;r <B>" + in.keywordHtml + "</B> (" + RangeText(in) +
              ")</FONT></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><A HREF=\"/j?regio=26&nr=" + Rank(e) + "&url=" + CodeUrl(e.url) +
                  "\" target=\"_top\"><B>" + e.title + "</B></A><BR>\r\n<FONT SIZE=\"2\">" +
                  e.description + "</FONT><BR><I>" + e.url + "</I></P>\r\n";
  }
}

void AllesKlarDe(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><FONT FACE=\"Verdana\" SIZE=\"2\"><B>" + Number(in.hitCount) +
              "</B> Eintr&auml;ge zu <B>" + in.keywordHtml +
              "</B></FONT></P>\r\n<P><FONT SIZE=\"1\">Ihre Homepage fehlt? Jetzt Eintrag "
              "sichern!</FONT><BR>"
              "<IMG SRC=\"/img/linieblau.gif\" WIDTH=\"468\" HEIGHT=\"1\" ALT=\"\"></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><A HREF=\"/j?id=" + Rank(e) +
                  "&cat=web\"><IMG SRC=\"/img/pfeil.gif\" BORDER=\"0\" ALT=\"\"></A> "
                  "<A HREF=\"/j?id=" +
                  Rank(e) + "&url=" + CodeUrl(e.url) + "\" target=\"_top\">" + e.url +
                  "</a><BR>\r\n<B>" + e.title + "</B> - " + e.description + "</P>\r\n";
  }
}

void AllTheWeb(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<TABLE WIDTH=\"100%\"><TR><TD><FONT SIZE=\"-1\">" + Number(in.hitCount) +
              " documents found in 0,12 seconds search time</FONT></TD></TR></TABLE>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><b>" + Rank(e) + "</b> <a href=" + Quoted(e.url) + ">" + e.title +
                  "</a><BR>\r\n<SMALL>" + e.description + "</SMALL><BR><I>" + e.url +
                  "</I></P>\r\n";
  }
}

void AlpaVista(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><FONT FACE=\"Arial\"><B>" + Number(in.hitCount) +
              " sites r&eacute;pondent</B> &agrave; "
              "votre recherche <B>" +
              in.keywordHtml + "</B></FONT></P>\r\n<TABLE WIDTH=\"100%\">\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<TR><TD class=\"ensemble\"><b><a href=" + Quoted(e.url) + " target=\"_top\">" +
                  e.title + "</a></b><BR>\r\n<FONT SIZE=\"-1\">" + e.description +
                  "</FONT></TD></TR>\r\n";
  }
  parts.bottom = "</TABLE>\r\n";
}

void AltaVistaEntries(const ResultPageInput& in, LayoutParts& parts, std::string_view afterNumber) {
  for (const ResultEntry& e : in.entries) {
    parts.list += "<dl><dt><b>" + Rank(e) + ". </b>" + std::string(afterNumber) +
                  "<a href=" + Quoted(e.url) + "><b>" + e.title + "</b></a><dd>" + e.description +
                  "<br><font color=\"#808080\">URL: " + e.url + "</font></dl>\r\n";
  }
}

void AltaVista(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<FONT FACE=\"Arial\" SIZE=\"-1\">AltaVista found about " + Number(in.hitCount) +
              " pages found.</FONT><BR>\r\n";
  AltaVistaEntries(in, parts, "");
}

void AltaVistaCa(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<FONT FACE=\"Arial\" SIZE=\"-1\">" + Number(in.hitCount) +
              " pages found in the World</FONT><BR>\r\n";
  AltaVistaEntries(in, parts, "");
}

void AltaVistaDe(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<FONT FACE=\"Arial\" SIZE=\"-1\">" + Number(in.hitCount) +
              " Dokumente wurden gefunden</FONT><BR>\r\n";
  AltaVistaEntries(in, parts, "\n");
}

// Anzwers counts what it has shown so far ("Showing 1-20" on the second page).
void Anzwers(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><FONT FACE=\"Arial\" SIZE=\"2\"><B>Showing 1-" + Number(in.pageIndex * 10L + 10) +
              " of " + Number(in.hitCount) + "</B> results for <B>" + in.keywordHtml +
              "</B></FONT></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><FONT FACE=\"Arial\" SIZE=\"2\" COLOR='#003366'>&nbsp;.</font> <a href='" +
                  e.url + "' target='new'>" + e.title + "</a><BR>\r\n<FONT SIZE=\"1\">" +
                  e.description + "</FONT></P>\r\n";
  }
}

void Aol(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><FONT FACE=\"Arial\"><B>Web Sites</B> that match: <B>" + in.keywordHtml +
              "</B> (" + RangeText(in) + " of " + Number(in.hitCount) + ")</FONT></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><FONT SIZE=\"1\"><B>" + Relevance(e) +
                  "%</B></FONT> <A HREF=\"http://search.aol.com/redir?id=" + Rank(e) +
                  "\" onMouseOver=\"self.status='" + e.url + "'; return true;\">" + e.title +
                  "</A><BR>\r\n<FONT SIZE=\"2\">" + e.description + "</FONT></P>\r\n";
  }
}

void Arianna(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><FONT FACE=\"Arial\">Trovati <B>" + Number(in.hitCount) +
              "</B> documenti nel web italiano per <B>" + in.keywordHtml + "</B></FONT></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><FONT size=-1>(" + Rank(e) + ")</FONT> <a href=" + Quoted(e.url) + "><B>" +
                  e.title + "</B></a><BR>\r\n<FONT size=-1>" + e.description + "</FONT></P>\r\n";
  }
}

void AustriaWww(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><FONT FACE=\"Arial\"><B>" + Number(in.hitCount) +
              "&nbsp;\r\n\tWeb-Sites&nbsp;</B>gefunden"
              "</FONT><BR>\r\nWeb-Sites  (" +
              RangeText(in) + ")</P>\r\n<UL>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list +=
        "<li><a href=" + Quoted(e.url) + ">" + e.title + "</a> - " + e.description + "\r\n";
  }
  parts.bottom = "</UL>\r\n";
}

void AustroNaut(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<H3>Suchergebnis, Seite " + Number(in.pageIndex + 1) + "</H3>\r\n<P><B>" +
              Number(in.hitCount) + " Dokumente</B> zu " + in.keywordHtml + "</P>\r\n<TABLE>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<TR><TD>" + Rank(e) + ". <b><a href=" + Quoted(e.url) + ">" + e.title +
                  "</a></b><BR>\r\n" + e.description + "</TD></TR>\r\n";
  }
  parts.bottom = "</TABLE>\r\n";
}

void BellNet(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P>" + Number(in.hitCount) + " Treffer f&uuml;r " + in.keywordHtml +
              " - <A HREF=\"/cgi-bin/sm.cgi?more=1\">Weiter</A></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P>" + Rank(e) + ". <A HREF=" + Quoted(e.url) + ">" + e.title + "</A><BR>\r\n" +
                  e.description + "</P>\r\n";
  }
}

void CestTrouve(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P>Recherche : <B>" + in.keywordHtml + "</B> - " + Number(in.hitCount) +
              " sites trouv&eacute;s</P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><strong>" + Rank(e) + "</strong> <strong>" + e.title +
                  "</strong><BR>\r\n<A HREF=/com/verssite.exe?n=" + Number(4000 + e.rank) + ">" +
                  e.title + "</A> - " + e.url + " <BR>" + e.description + "</P>\r\n";
  }
}

void Clarin(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><B>Sitios encontrados</B>: " + Number(in.hitCount) + " para <B>" +
              in.keywordHtml + "</B></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<DL><DT><A HREF=" + Quoted(e.url) + ">" + e.title + "</A><DD>" + e.description +
                  "</DL>\r\n";
  }
}

void DirectHit(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<H2>Search Results</H2>\r\n<P><B>Web Sites for</B> " + in.keywordHtml + " (" +
              RangeText(in) + ")</P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><b>" + Rank(e) +
                  ". <A HREF=\"http://www.directhit.com/fcgi-bin/RedirURL.fcg?url=%0D" +
                  CodeUrl(e.url) + "&rnk=" + Rank(e) + "&src=DH_websrch\">" + e.title +
                  "</A></b><BR>\r\n" + e.description + "</P>\r\n";
  }
}

void Ecila(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><B>" + Number(in.hitCount) + "</B> documents correspondant &agrave; <B>" +
              in.keywordHtml + "</B></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><b>[" + Rank(e) + "]</b> <a href=" + Quoted(e.url) + ">" + e.title +
                  "</a><BR>\r\n" + e.description + "</P>\r\n";
  }
}

void EuroSeek(const ResultPageInput& in, LayoutParts& parts) {
  parts.top = "<P><B>Euroseek Result: matches " + RangeText(in) + " of " + Number(in.hitCount) +
              "</B></P>\r\n";
  for (const ResultEntry& e : in.entries) {
    parts.list += "<P><b>" + Rank(e) + ".&nbsp;<a href=\"/system/go?rank=" + Rank(e) + "&url=%0D" +
                  CodeUrl(e.url) + "\" target=\"_blank\">" + e.title + "</a></b><BR>\r\n" +
                  e.description + "</P>\r\n";
  }
}

constexpr LayoutRow kRows[] = {{"Aladin DE", AladinDe},        {"Alles Klar AT", AllesKlarAt},
                               {"Alles Klar DE", AllesKlarDe}, {"AllTheWeb", AllTheWeb},
                               {"AlpaVista", AlpaVista},       {"AltaVista", AltaVista},
                               {"AltaVista CA", AltaVistaCa},  {"AltaVista DE", AltaVistaDe},
                               {"Anzwers", Anzwers},           {"AOL", Aol},
                               {"Arianna", Arianna},           {"Austria WWW", AustriaWww},
                               {"AustroNaut", AustroNaut},     {"BellNet", BellNet},
                               {"C'est Trouve", CestTrouve},   {"Clarin", Clarin},
                               {"DirectHit", DirectHit},       {"Ecila", Ecila},
                               {"EuroSeek", EuroSeek}};

}  // namespace

std::span<const LayoutRow> LayoutsFirstHalf() {
  return kRows;
}

}  // namespace kestrova::sim

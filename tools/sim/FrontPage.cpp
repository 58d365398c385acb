// The built-in sample front page.
#include "sim/FrontPage.h"

namespace kestrova::sim {

const std::string& SampleFrontPage() {
  static const std::string page =
      "<HTML>\r\n"
      "<HEAD>\r\n"
      "<TITLE>Kestrova Demo - rank checker and web design for small business</TITLE>\r\n"
      "<META NAME=\"Title\" CONTENT=\"Kestrova Demo rank checker\">\r\n"
      "<META NAME=\"Description\" CONTENT=\"We build fast web sites and check their search engine "
      "position with our rank checker every week\">\r\n"
      "<META NAME=\"Keywords\" CONTENT=\"rank checker, web design, search engine position, site "
      "promotion, website ranking\">\r\n"
      "<META NAME=\"Author\" CONTENT=\"Kestrova Demo Studio\">\r\n"
      "<META NAME=\"Generator\" CONTENT=\"Hand written\">\r\n"
      "<META NAME=\"Robots\" CONTENT=\"index, follow\">\r\n"
      "<META NAME=\"Language\" CONTENT=\"English\">\r\n"
      "<META NAME=\"Rating\" CONTENT=\"General\">\r\n"
      "<META NAME=\"RevisitAfter\" CONTENT=\"14 days\">\r\n"
      "<SCRIPT LANGUAGE=\"JavaScript\">\r\n"
      "<!--\r\n"
      "function showRank(rank) { window.status = 'rank checker: position ' + rank; }\r\n"
      "// -->\r\n"
      "</SCRIPT>\r\n"
      "</HEAD>\r\n"
      "<BODY BGCOLOR=\"#FFFFFF\" onLoad=\"showRank(1)\">\r\n"
      "<!-- navigation bar: rank checker pages -->\r\n"
      "<TABLE WIDTH=\"100%\"><TR><TD><IMG SRC=\"/img/logo.gif\" ALT=\"Kestrova Demo rank checker "
      "logo\" "
      "WIDTH=\"200\" HEIGHT=\"60\"></TD>\r\n"
      "<TD><A HREF=\"/services.html\">Services</A> | <A HREF=\"/prices.html\">Prices</A> | "
      "<A HREF=\"/contact.html\">Contact</A></TD></TR></TABLE>\r\n"
      "<H1>Welcome to Kestrova Demo</H1>\r\n"
      "<P>We design web sites that people find. Our rank checker looks up your search engine "
      "position "
      "on thirty-four engines&nbsp;and tells you where your site stands for every keyword.</P>\r\n"
      "<P><IMG SRC=\"/img/chart.gif\" ALT=\"Website ranking chart\" WIDTH=\"300\" "
      "HEIGHT=\"120\"></P>\r\n"
      "<!-- TODO: add the spring offer for site promotion -->\r\n"
      "<H2>Site promotion</H2>\r\n"
      "<P>Good web design is only half of the work. Site promotion and a regular check with a rank "
      "checker keep visitors coming.</P>\r\n"
      "<P>Call us on 555 0100 or write to info at our domain.</P>\r\n"
      "<!-- footer -->\r\n"
      "<P><FONT SIZE=\"-1\">Copyright 2000 Kestrova Demo Studio</FONT></P>\r\n"
      "</BODY>\r\n"
      "</HTML>\r\n";
  return page;
}

}  // namespace kestrova::sim

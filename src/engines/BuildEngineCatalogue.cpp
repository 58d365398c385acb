// The built-in engine data: identity, hosts, no-results and result-list texts,
// and the query templates of every result page. Data, not logic.
#include <initializer_list>
#include <string>

#include "engines/EngineCatalogue.h"
#include "engines/Placeholders.h"

namespace kestrova {
namespace {

using placeholders::kIncrement;
using placeholders::kIncrementLessOne;
using placeholders::kNumTimes;

// The template with the first `placeholder` replaced by a literal number.
std::string Fill(std::string text, std::string_view placeholder, std::string_view number) {
  auto at = text.find(placeholder);
  if (at != std::string::npos) text.replace(at, placeholder.size(), number);
  return text;
}

// Slot 4 is `page5`; the slots before it (the last `numbers.size()` of 0-3) are
// `page5` with its page number placeholder replaced by those literal numbers.
void FromPage5(EngineRecord& engine, const std::string& page5,
               std::initializer_list<const char*> numbers) {
  std::string_view placeholder =
      page5.find(kIncrement) != std::string::npos ? kIncrement : kNumTimes;
  int slot = 4 - static_cast<int>(numbers.size());
  for (const char* number : numbers) {
    engine.QueryTemplates[static_cast<std::size_t>(slot++)] = Fill(page5, placeholder, number);
  }
  engine.QueryTemplates[4] = page5;
}

struct Identity {
  const char* name;
  const char* language;
  const char* country;
  const char* host;
  const char* pagingParameter;
};

EngineRecord& Add(EngineCatalogue& catalogue, Integer& next, const Identity& identity,
                  const char* noResultsText, std::initializer_list<const char*> startTexts,
                  Integer incrementOffset = 0) {
  EngineRecord& engine = catalogue.Engines[static_cast<std::size_t>(next)];
  catalogue.LastEngineIndex = next++;
  engine = EngineRecord{};
  engine.Name = identity.name;
  engine.Language = identity.language;
  engine.Country = identity.country;
  engine.Host = identity.host;
  engine.PagingParameter = identity.pagingParameter;
  engine.NoResultsText = noResultsText;
  std::size_t slot = 0;
  for (const char* text : startTexts) engine.ResultsStartTexts[slot++] = text;
  engine.IncrementOffset = incrementOffset;
  engine.CountSeparator = " ";
  engine.Number2 = 30;
  return engine;
}

void AddGermanAndAustrianEngines(EngineCatalogue& c, Integer& n) {
  EngineRecord* e = &Add(c, n, {"Aladin DE", "German", "Germany", "www.aladin.de", "&next="},
                         "Aladin hat keine Seiten gefunden", {"Aladin Suchergebnis"});
  FromPage5(*e, "/ergebnis.cfm?next=%NUMTIMES_INTEGER%&Begriffe=%SEARCH_STRING%",
            {"1", "2", "3", "4"});

  e = &Add(c, n, {"Alles Klar AT", "German", "Austria", "www.allesklar.at", "&offset="},
           "Leider wurden keine Eintr", {" Treffer"});
  e->QueryTemplates[0] = "/p?words=%SEARCH_STRING%&regio=26";
  FromPage5(*e,
            "/p?regio=26&total=1000&offset=%INCREMENT_INTEGER%&option1=&cat=&option2=anfaenge"
            "&words=%SEARCH_STRING%&location=&zip=&tct=&rx=",
            {"10", "20", "30"});

  e = &Add(c, n, {"Alles Klar DE", "German", "Germany", "www.allesklar.de", "&offset="},
           "Weder bei AllesKlar noch bei Fireball wurde zu Ihrem Suchwort etwas gefunden",
           {"Eintr&auml;ge"});
  e->QueryTemplates[0] = "/s?words=%SEARCH_STRING%";
  FromPage5(*e,
            "/s?id=12159&offset=%INCREMENT_INTEGER%&xa=&tct=&rx=&cat=&option2=anfaenge"
            "&words=%SEARCH_STRING%&location=&zip=&country=D&ms=0",
            {"10", "20", "30"});

  e = &Add(c, n, {"AllTheWeb", "English", "USA", "www.alltheweb.com", "&offset="}, "No hits.",
           {"seconds search time"});
  e->QueryTemplates[0] = "/cgi-bin/search?type=all&query=%SEARCH_STRING%&exec=FAST+Search";
  FromPage5(*e,
            "/cgi-bin/search?offset=%INCREMENT_INTEGER%&type=all&query=%SEARCH_STRING%"
            "&exec=FAST+Search",
            {"10", "20", "30"});
  e->IndexQueryPrefix = "url:";

  e = &Add(c, n, {"AlpaVista", "French", "France", "www.alpavista.fr", "&startrow="},
           "aucun site ne r", {" sites r"}, 11);
  e->UsePost = true;
  e->QueryTemplates[0] = "/search/cherche.cfm?dep=tous&vente=Tous&type=Tous&blabla=%SEARCH_STRING%";
  FromPage5(*e,
            "/search/cherche.cfm?startrow=%INCREMENT_INTEGER%&dep=tous&vente=Tous&type=Tous"
            "&blabla=%SEARCH_STRING%",
            {"1", "21", "41"});
}

void AddAltaVistaToArianna(EngineCatalogue& c, Integer& n) {
  // The AltaVista templates have no leading "/" and are requested as stored.
  EngineRecord* e = &Add(c, n, {"AltaVista", "English", "USA", "www.altavista.com", "&stq="},
                         "AltaVista found no document matching your query",
                         {" page found.", " pages found.", " matches were found."});
  FromPage5(*e, "cgi-bin/query?pg=q&q=%SEARCH_STRING%&stq=%INCREMENT_INTEGER%&c9k",
            {"0", "10", "20", "30"});
  e->Flag4 = true;
  e->IndexQueryPrefix = "url:";

  e = &Add(c, n, {"AltaVista CA", "English", "USA", "www.altavista.ca", "&stq="},
           "No documents match your query ", {" pages found in the "});
  e->QueryTemplates[0] =
      "/cgi-bin/query?mss=simple&pg=q&lang=en&enc=iso88591&q=%SEARCH_STRING%&kl=XX&what=world";
  FromPage5(*e,
            "/cgi-bin/query?mss=simple&what=world&pg=q&enc=iso88591&lang=en&kl=XX"
            "&q=%SEARCH_STRING%&r=&d0=&d1=&stq=%INCREMENT_INTEGER%",
            {"10", "20", "30"});

  e = &Add(c, n, {"AltaVista DE", "German", "Germany", "www.altavista.de", "&stq="},
           "AltaVista fand keine Dokumente", {"wurde gefunden", "wurden gefunden"});
  e->QueryTemplates[0] = "/cgi-bin/query?pg=q&what=web&kl=de&q=%SEARCH_STRING%";
  FromPage5(*e,
            "/cgi-bin/query?q=%SEARCH_STRING%&what=web&pg=q&stq=%INCREMENT_INTEGER%&r=&d0=&d1="
            "&la=0&kl=de",
            {"10", "20", "30"});

  e = &Add(c, n, {"Anzwers", "English", "Australia", "www.anzwers.com.au", "&firstresult="},
           "Sorry -- your search yielded no results", {"Showing 1-"});
  FromPage5(*e,
            "/cgi-bin/process_search.pl?firstresult=%INCREMENT_INTEGER%&pageid=search"
            "&query_type=all+the+words&numperpage=10&result_type=detailed&query=%SEARCH_STRING%"
            "&location=The+World&search.x=37&search.y=14",
            {"0", "10", "20", "30"});

  // Pages 2-4 ask for first=11..31; with an offset of 1 the page-5 template
  // continues that series (first=41&last=50, first=51&last=60, ...).
  e = &Add(c, n, {"AOL", "English", "USA", "search.aol.com", "&first="},
           "We're Sorry. Your search for", {"that match:"}, 1);
  e->QueryTemplates[0] = "/dirsearch.adp?query=%SEARCH_STRING%";
  e->QueryTemplates[1] = "/dirsearch.adp?query=%SEARCH_STRING%&first=11&last=20&next=item&cat=0";
  e->QueryTemplates[2] = "/dirsearch.adp?query=%SEARCH_STRING%&first=21&last=30&next=item&cat=0";
  e->QueryTemplates[3] = "/dirsearch.adp?query=%SEARCH_STRING%&first=31&last=40&next=item&cat=0";
  e->QueryTemplates[4] =
      "/dirsearch.adp?query=%SEARCH_STRING%&first=%INCREMENT_INTEGER%"
      "&last=%LAST_INCREMENT_INTEGER%&next=item&cat=0";

  e = &Add(c, n, {"Arianna", "Italian", "Italy", "arianna.iol.it", "&startfrom="},
           "Trovati <B>0</B> documenti", {"nel web italiano"}, 1);
  e->QueryTemplates[0] = "/abin/search?query=%SEARCH_STRING%";
  FromPage5(*e, "/abin/search?startfrom=%INCREMENT_INTEGER%&maxhits=10&query=%SEARCH_STRING%",
            {"11", "21", "31"});
}

void AddAustriaToEuroSeek(EngineCatalogue& c, Integer& n) {
  EngineRecord* e =
      &Add(c, n, {"Austria WWW", "German", "Austria", "www.austria-www.at", "&start="},
           "0&nbsp;\r\n\tWeb-Sites&nbsp;", {"Web-Sites  ("}, 10);
  const std::string austria =
      "/scripts/search/quick.idc?sb1=%SEARCH_STRING%&start=%INCREMENT_INTEGER_LESS_ONE%"
      "&end=%INCREMENT_INTEGER%&gesamt=1000";
  e->QueryTemplates[0] = "/scripts/search/quick.idc?sb1=%SEARCH_STRING%";
  e->QueryTemplates[1] = Fill(Fill(austria, kIncrementLessOne, "9"), kIncrement, "20");
  e->QueryTemplates[2] = Fill(Fill(austria, kIncrementLessOne, "19"), kIncrement, "30");
  e->QueryTemplates[3] = Fill(Fill(austria, kIncrementLessOne, "29"), kIncrement, "40");
  e->QueryTemplates[4] = austria;

  e = &Add(c, n, {"AustroNaut", "German", "Austria", "www.austronaut.at", "&stq="},
           "Keine Dokumente entsprechen Ihren Suchkriterien!", {"Dokumente</B>"});
  e->QueryTemplates[0] = "/query.ims?wo=at&suche=%SEARCH_STRING%";
  FromPage5(*e, "/query.ims?wo=at&suche=%SEARCH_STRING%&stq=%INCREMENT_INTEGER%&wo=at&db=",
            {"10", "20", "30"});

  e = &Add(c, n, {"BellNet", "German", "Germany", "www.bellnet.de", "&el="}, "", {"Weiter"}, 1);
  e->QueryTemplates[0] = "/cgi-bin/sm.cgi?suchstr=%SEARCH_STRING%";
  FromPage5(*e, "/cgi-bin/sm.cgi?suchstr=%SEARCH_STRING%&el=%INCREMENT_INTEGER%",
            {"11", "21", "31"});

  e = &Add(c, n, {"C'est Trouve", "French", "France", "www.cestrouve.com", "&o="},
           "Il n'y a pas de r", {"Recherche : "}, 1);
  FromPage5(*e,
            "/com/eureka.exe?prg=RECHERCHE&i=&rec=%SEARCH_STRING%&tri=&r=0&renverse=&geo=NON"
            "&o=%INCREMENT_INTEGER%&pays=&annuaire=EUREKA&univers=-1",
            {"1", "11", "21", "31"});

  e = &Add(c, n, {"Clarin", "Spanish", "Argentina", "buscador.clarin.com.ar", "&p="},
           " ninguna coincidencia para", {"Sitios encontrados"});
  e->QueryTemplates = {"/cgi-bin/buscar.cgi?search=%SEARCH_STRING%&a=Buscar&d=0",
                       "/cgi-bin/buscar.cgi?search=%SEARCH_STRING%&d=0&p=2&l=1",
                       "/cgi-bin/buscar.cgi?search=%SEARCH_STRING%&d=0&p=3&l=1",
                       "/cgi-bin/buscar.cgi?search=%SEARCH_STRING%&d=0&p=4&l=1",
                       "/cgi-bin/buscar.cgi?search=%SEARCH_STRING%&p=%NUMTIMES_INTEGER%&l=1"};

  // The page-5 template really ends in a space; the engine is sent it so.
  e = &Add(c, n, {"DirectHit", "English", "USA", "www.directhit.com", "&base="},
           "There are no results available", {"Web Sites for"});
  e->QueryTemplates = {
      "/fcgi-bin/DirectHitWeb.fcg?fmt=html&qry=%SEARCH_STRING%&alias=websrch",
      "/fcgi-bin/DirectHitWeb.fcg?cmd=qry&qry=%SEARCH_STRING%&base=10&pgsz=10&template=search",
      "/fcgi-bin/DirectHitWeb.fcg?cmd=qry&qry=%SEARCH_STRING%&base=20&pgsz=10&template=search",
      "/fcgi-bin/DirectHitWeb.fcg?cmd=qry&qry=%SEARCH_STRING%&base=30&pgsz=10&template=search",
      "/fcgi-bin/DirectHitWeb.fcg?cmd=qry&qry=%SEARCH_STRING%&base=%INCREMENT_INTEGER%&pgsz=10"
      "&template=search "};

  e = &Add(c, n, {"Ecila", "French", "France", "www.ecila.fr", "&page="},
           "Il n'existe pas de document r", {" documents correspondant "});
  e->QueryTemplates[0] = "/cgi-bin/SFgate?text=%SEARCH_STRING%&action=and&language=french";
  FromPage5(*e,
            "/cgi-bin/SFgate?text=%SEARCH_STRING%&action=and&language=french"
            "&page=%NUMTIMES_INTEGER%",
            {"2", "3", "4"});

  e = &Add(c, n, {"EuroSeek", "English", "Europe", "www.euroseek.com", "&of="},
           "Euroseek: No documents match this query", {"Euroseek Result: matches "});
  FromPage5(*e, "/query?q=%SEARCH_STRING%&of=%INCREMENT_INTEGER%", {"0", "10", "20", "30"});
}

void AddExciteEngines(EngineCatalogue& c, Integer& n) {
  EngineRecord* e = &Add(c, n, {"Excite", "English", "USA", "search.excite.com", "&start="},
                         "Ignored: ", {"Top "}, -10);
  e->QueryTemplates[0] = "/search.gw?c=web&s=%SEARCH_STRING%&showSummary=true&start=0&perPage=10";
  FromPage5(*e,
            "/search.gw?c=web&s=%SEARCH_STRING%&showSummary=true&start=%INCREMENT_INTEGER%"
            "&perPage=10&next=Next+Results",
            {"0", "10", "20"});
  e->IndexQueryPrefix = "url:";

  e = &Add(c, n, {"Excite AU", "English", "Australia", "www.excite.com.au", "&start="},
           "Your search produced no results.", {"Web Search Results"}, -10);
  e->QueryTemplates[0] =
      "/search.gw?lang=en&look=excite_au&search=%SEARCH_STRING%&submit3=Search&c=web";
  FromPage5(*e,
            "/search.gw?lk=excite_au&c=web&lang=en&start=%INCREMENT_INTEGER%&showSummary=true"
            "&s=%SEARCH_STRING%&perPage=10&next=next",
            {"0", "10", "20"});

  e = &Add(c, n, {"Excite DE", "German", "Germany", "www.excite.de", "&start="},
           "Ihre Suche f\xFC"
           "hrte leider zu keinem Ergebnis.",
           {"Dokumente "});
  e->QueryTemplates[0] =
      "/search.gw?look=excite_de&search=%SEARCH_STRING%&c=web&lang=de&sorig=rpage";
  FromPage5(*e,
            "/search.gw?look=excite%5Fde&search=%SEARCH_STRING%&c=web&lang=de&sorig=rpage"
            "&start=%INCREMENT_INTEGER%",
            {"10", "20", "30"});

  e = &Add(c, n, {"Excite FR", "French", "France", "www.excite.fr", "&start="},
           "La recherche n'a pas donn", {"sultats de recherche sur Web "}, -10);
  e->QueryTemplates[0] =
      "/search.gw?look=excite_fr&search=%SEARCH_STRING%&tsug=-1&csug=0&lang=fr&c=web"
      "&sorig=rpage&trace=b";
  FromPage5(*e,
            "/search.gw?lk=excite_fr&c=web&lang=fr&start=%INCREMENT_INTEGER%&showSummary=true"
            "&s=%SEARCH_STRING%&perPage=10&next=next",
            {"0", "10", "20"});

  e = &Add(c, n, {"Excite IT", "Italian", "Italy", "www.excite.it", "&start="},
           "Nessun risultato trovato.", {"Documenti "}, -10);
  e->QueryTemplates[0] = "/search/search.dcg?search=%SEARCH_STRING%&look=excite_it&c=web&lang=it";
  FromPage5(*e,
            "/search/search.dcg?lk=excite_it&c=web&lang=it&start=%INCREMENT_INTEGER%"
            "&showSummary=true&s=%SEARCH_STRING%&perPage=10&next=next",
            {"0", "10", "20"});

  e = &Add(c, n, {"Excite UK", "English", "UK", "www.excite.co.uk", "&start="},
           "Your search produced no results.", {" Documents. "});
  e->QueryTemplates[0] = "/search.gw?look=excite_uk&lang=en&search=%SEARCH_STRING%&c=web.noporn";
  FromPage5(*e,
            "/search.gw?look=excite%5Fuk&lang=en&search=%SEARCH_STRING%&c=web.noporn"
            "&start=%INCREMENT_INTEGER%",
            {"10", "20", "30"});
}

void AddGoogleToYahoo(EngineCatalogue& c, Integer& n) {
  EngineRecord* e = &Add(c, n, {"Google", "English", "USA", "www.google.com", "&start="},
                         "did not match any documents", {"Search took "});
  e->QueryTemplates[0] = "/search?q=%SEARCH_STRING%";
  FromPage5(*e, "/search?q=%SEARCH_STRING%&start=%INCREMENT_INTEGER%&sa=N", {"10", "20", "30"});
  e->IndexQueryPrefix = "url:";

  e = &Add(c, n, {"HotBot", "English", "USA", "hotbot.lycos.com", "&base="},
           "Sorry, your search yielded no results.", {"Web Matches", "WEB&nbsp;RESULTS&nbsp;"},
           -20);
  e->QueryTemplates = {
      "/?MT=%SEARCH_STRING%&SM=MC&DV=0&LG=any&DC=10&DE=2&clickSrc=search&_v=2&OPs=MDRTP",
      "/?MT=%SEARCH_STRING%&NOS=10&top=dh",
      "/?_v=2&OPs=MDRTP&act.next=next&MT=%SEARCH_STRING%&NOS=10",
      "/?_v=2&OPs=MDRTP&act.next=next&MT=%SEARCH_STRING%&base=10&NOS=10",
      "/?_v=2&OPs=MDRTP&act.next=next&MT=%SEARCH_STRING%&base=%INCREMENT_INTEGER%&NOS=10"};
  e->Number2 = 14;
  e->IndexQueryPrefix = "domain:";

  e = &Add(c, n, {"InfoSeek", "English", "USA", "infoseek.go.com", "&st="},
           "Infoseek found no results for:", {"Web search results", "Search results"});
  FromPage5(*e, "/Titles?qt=%SEARCH_STRING%&col=WW&nh=10&rf=11&st=%INCREMENT_INTEGER%",
            {"00", "10", "20", "30"});
  e->Flag4 = true;
  e->IndexQueryPrefix = "url:";

  const std::string lycos =
      "/srch/more.html?lpv=1&query=%SEARCH_STRING%&loc=next_websites&l=4&y=871016&c=2971&o=0"
      "&s=873991&cw=5&fw=871011&pn=&qc=N&fg=&xs=FE&ss=957056805|";
  e = &Add(c, n, {"Lycos", "English", "USA", "search.lycos.com", "&first="},
           "Ignored: ", {"Matching Web Pages"}, 1);
  e->QueryTemplates = {
      "/srch/more.html?lpv=1&query=%SEARCH_STRING%&loc=navbar-index-index-websites&l=4"
      "&y=871016&c=2971&o=0&s=873991&cw=5&fw=871011&pn=&qc=N&fg=&xs=FE&ss=957056805|2&page=1"
      "&first=1&type=websites",
      lycos + "3&page=2&first=11&type=websites", lycos + "4&page=3&first=21&type=websites",
      lycos + "5&page=4&first=31&type=websites",
      lycos + "6&page=%NUMTIMES_INTEGER_PLUS_ONE%&first=%INCREMENT_INTEGER%&type=websites"};

  e = &Add(c, n, {"MSN", "English", "USA", "search.msn.com", "&BA="},
           "No matches found for:", {"next >>", "<b><i>Results:</i></b>"});
  e->QueryTemplates[0] = "/results.asp?RS=CHECKED&UN=doc&CO=10&Form=MSNH&MT=%SEARCH_STRING%";
  FromPage5(*e,
            "/results.asp?RS=CHECKED&UN=doc&MT=%SEARCH_STRING%&CO=10&Form=MSNH"
            "&BA=%INCREMENT_INTEGER%",
            {"10", "20", "30"});

  e = &Add(c, n, {"NorthernLight", "English", "USA", "www.northernlight.com", "&nth="},
           "Your query did not find any documents.", {"<!-- result -->"}, 1);
  e->QueryTemplates = {
      "/nlquery.fcg?ho=tornado&po=5040&si=&cc=+&us=010&xd=&qr=%SEARCH_STRING%"
      "&search.x=48&search.y=12",
      "/nlquery.fcg?ho=tornado&po=5040&qr=%SEARCH_STRING%&si=&cc=+&db=98752256&nth=15&us=010",
      "/nlquery.fcg?ho=tornado&po=5040&qr=%SEARCH_STRING%&si=&cc=+&db=98752256&nth=34+15"
      "&us=010",
      "/nlquery.fcg?ho=tornado&po=5040&qr=%SEARCH_STRING%&si=&cc=+&db=98752256&nth=53+34+15"
      "&us=010",
      "/nlquery.fcg?ho=tornado&po=5040&qr=%SEARCH_STRING%&si=&cb=0&cc=&db=642643968"
      "&nth=%INCREMENT_INTEGER%&us=010"};

  e = &Add(c, n, {"Snap", "English", "USA", "www.snap.com", "&start="}, "Matching Categories",
           {"Results for"}, 1);
  e->QueryTemplates[0] =
      "/search/web/results/1,33,home-0,00.html?tag=st.sn.sr.1.bx&keyword=%SEARCH_STRING%";
  FromPage5(*e,
            "/search/web/results/1,33,home-0,00.html?tag=st.sn.sr.1.pg&keyword=%SEARCH_STRING%"
            "&start=%INCREMENT_INTEGER%",
            {"11", "21", "31"});

  e = &Add(c, n, {"WebCrawler", "English", "USA", "www.webcrawler.com", "&start="},
           "Ignored: ", {"Web Results for"});
  FromPage5(*e,
            "/cgi-bin/WebQuery?search=%SEARCH_STRING%&showSummary=true&start=%INCREMENT_INTEGER%"
            "&perPage=10",
            {"0", "10", "20", "30"});

  e = &Add(c, n, {"Yahoo", "English", "USA", "search.yahoo.com", "&b="},
           "Sorry, no matches were found containing", {"<b>Web Pages</b></font>"}, 1);
  e->QueryTemplates[0] = "/bin/query?p=%SEARCH_STRING%&hc=0&hs=13";
  FromPage5(*e, "/bin/query?p=%SEARCH_STRING%&b=%INCREMENT_INTEGER%&hc=0&hs=13",
            {"11", "21", "31"});
}

}  // namespace

void BuildEngineCatalogue(EngineCatalogue& catalogue) {
  catalogue = EngineCatalogue{};
  Integer next = 0;
  AddGermanAndAustrianEngines(catalogue, next);
  AddAltaVistaToArianna(catalogue, next);
  AddAustriaToEuroSeek(catalogue, next);
  AddExciteEngines(catalogue, next);
  AddGoogleToYahoo(catalogue, next);
}

}  // namespace kestrova

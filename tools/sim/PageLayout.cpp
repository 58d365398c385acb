// The common frame around every engine's result list, the page padding that
// gives pages their varied sizes, and the no-results page.
#include <algorithm>

#include "sim/LayoutParts.h"
#include "sim/PageLayout.h"

namespace kestrova::sim {

namespace {

// Plain words for the "related searches" block that pads pages. No full stops,
// markup or per-cent signs, so no engine's entry anchor can occur in it.
constexpr std::string_view kPaddingWords[] = {
    "cheap flights", "weather",  "free email",   "news",     "maps",        "recipes",
    "car rental",    "lottery",  "horoscope",    "jobs",     "used cars",   "hotels",
    "music",         "games",    "screensavers", "chat",     "shopping",    "stock quotes",
    "movies",        "software", "health",       "auctions", "real estate", "greeting cards"};

const std::string& PaddingText() {
  static const std::string text = [] {
    std::string built;
    std::size_t word = 0;
    while (built.size() < 65536) {
      built += kPaddingWords[word % std::size(kPaddingWords)];
      built += word % 7 == 6 ? " |\r\n" : " | ";
      word = word * 5 + 3;
      word %= 1000003;
    }
    return built;
  }();
  return text;
}

}  // namespace

void AppendPadding(std::string& page, long bytes) {
  if (bytes <= 0) return;
  page += "<P><FONT SIZE=\"-1\" COLOR=\"#666666\">Related searches: ";
  const std::string& text = PaddingText();
  long left = bytes;
  while (left > 0) {
    std::size_t take =
        static_cast<std::size_t>(std::min<long>(left, static_cast<long>(text.size())));
    page.append(text, 0, take);
    left -= static_cast<long>(take);
  }
  page += "</FONT></P>\r\n";
}

// Page sizes from a few KB to past the client's 32000-character cap.
long ChosenPageSize(std::uint64_t pageSeed) {
  std::uint64_t roll = MixBits(pageSeed ^ 0x51ED);
  int bucket = static_cast<int>(roll % 10);
  long spread = static_cast<long>((roll >> 8) % 1000);
  if (bucket < 7) return 4000 + spread * 16;   // 4 to 20 KB
  if (bucket < 9) return 20000 + spread * 11;  // 20 to 31 KB
  return 32500 + spread * 4;                   // just past the cap
}

namespace {

LayoutFunction FindLayout(std::string_view engineName) {
  for (auto rows : {LayoutsFirstHalf(), LayoutsSecondHalf()}) {
    for (const LayoutRow& row : rows) {
      if (row.engineName == engineName) return row.layout;
    }
  }
  return nullptr;
}

std::string FrameTop(const EngineRecord& engine, std::string_view keywordHtml,
                     std::string_view head) {
  std::string page;
  page += "<HTML>\r\n<HEAD>\r\n<TITLE>";
  page += engine.Name;
  page += " Search: ";
  page += keywordHtml;
  page +=
      "</TITLE>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
      "charset=iso-8859-1\">\r\n";
  page += head;
  page +=
      "</HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000CC\" "
      "VLINK=\"#551A8B\">\r\n";
  page += "<TABLE WIDTH=\"100%\" BORDER=\"0\" CELLPADDING=\"4\"><TR><TD BGCOLOR=\"#E8E8F8\">";
  page += "<FONT FACE=\"Arial\" SIZE=\"+2\">";
  page += engine.Name;
  page += "</FONT></TD></TR></TABLE>\r\n";
  page +=
      "<FORM METHOD=\"GET\" ACTION=\"/search\"><INPUT TYPE=\"text\" NAME=\"q\" SIZE=\"35\" "
      "VALUE=\"";
  page += keywordHtml;
  page += "\"> <INPUT TYPE=\"submit\" VALUE=\"Search\"></FORM>\r\n";
  return page;
}

void FrameBottom(const EngineRecord& engine, std::string& page) {
  page += "<HR NOSHADE SIZE=\"1\">\r\n<CENTER><FONT SIZE=\"-2\">Copyright &copy; 2000 ";
  page += engine.Name;
  page += " - All rights reserved</FONT></CENTER>\r\n</BODY>\r\n</HTML>\r\n";
}

}  // namespace

bool HasLayout(std::string_view engineName) {
  return FindLayout(engineName) != nullptr;
}

std::string_view PaddingPattern() {
  return PaddingText();
}

ResultPagePieces RenderResultPagePieces(const ResultPageInput& input, long minimumBytes) {
  LayoutParts parts;
  if (LayoutFunction layout = FindLayout(input.engine->Name)) layout(input, parts);
  ResultPagePieces pieces;
  pieces.before = FrameTop(*input.engine, input.keywordHtml, parts.head);
  pieces.before += parts.top;
  pieces.before += parts.list;
  pieces.before += parts.bottom;
  const long wanted = minimumBytes > 0 ? minimumBytes : ChosenPageSize(input.pageSeed);
  constexpr long kFrameEnd = 200;
  // About that many bytes of padding, as a block of related searches.
  const long padding = wanted - static_cast<long>(pieces.before.size()) - kFrameEnd;
  if (padding > 0) {
    pieces.before += "<P><FONT SIZE=\"-1\" COLOR=\"#666666\">Related searches: ";
    pieces.padding = static_cast<std::size_t>(padding);
    pieces.after = "</FONT></P>\r\n";
  }
  FrameBottom(*input.engine, pieces.after);
  return pieces;
}

std::string RenderResultPage(const ResultPageInput& input, long minimumBytes) {
  ResultPagePieces pieces = RenderResultPagePieces(input, minimumBytes);
  std::string page = std::move(pieces.before);
  const std::string_view pattern = PaddingPattern();
  for (std::size_t left = pieces.padding; left > 0;) {
    const std::size_t take = std::min(left, pattern.size());
    page.append(pattern.substr(0, take));
    left -= take;
  }
  page += pieces.after;
  return page;
}

std::string RenderNoResultsPage(const EngineRecord& engine, std::string_view keywordHtml) {
  std::string page = FrameTop(engine, keywordHtml, "");
  page += "<P><FONT FACE=\"Arial\">";
  page += engine.NoResultsText.empty() ? std::string("0 Treffer") : engine.NoResultsText;
  page += " <B>";
  page += keywordHtml;
  page +=
      "</B></FONT></P>\r\n<P><FONT SIZE=\"-1\">Check the spelling or try fewer "
      "words</FONT></P>\r\n";
  FrameBottom(engine, page);
  return page;
}

std::string CodeUrl(std::string_view url) {
  std::string coded;
  for (char c : url) {
    if (c == ':') {
      coded += "%3A";
    } else if (c == '/') {
      coded += "%2F";
    } else if (c == '.') {
      coded += "%2E";
    } else {
      coded += c;
    }
  }
  return coded;
}

std::string Number(long value) {
  return std::to_string(value);
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted += text;
  quoted += '"';
  return quoted;
}

std::string RangeText(const ResultPageInput& input) {
  return Number(input.pageIndex * 10L + 1) + "-" + Number(input.pageIndex * 10L + 10);
}

std::string Relevance(const ResultEntry& entry) {
  return Number(std::max(10, 99 - (entry.rank % 80)));
}

bool PageChoice(const ResultPageInput& input, int salt) {
  return (MixBits(input.pageSeed + static_cast<std::uint64_t>(salt)) & 1) != 0;
}

}  // namespace kestrova::sim

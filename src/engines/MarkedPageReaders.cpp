#include "engines/MarkedPageReaders.h"

#include <algorithm>
#include <optional>

#include "base/NoCaseSearch.h"
#include "base/Text.h"
#include "engines/ResultPage.h"
#include "net/UrlCoding.h"

namespace kestrova {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr Pos Len(std::string_view text) {
  return static_cast<Pos>(text.size());
}

// The marker's own text, found without its comment brackets.
constexpr std::string_view kMarkerWord = "!kestrova Point!";

// The rank number written in front of the first marked entry at or after `from`.
std::optional<Integer> MarkedNumberAfter(std::string_view page, Pos from) {
  const Pos marker = FindNoCase(page, kMarkerWord, std::max<Pos>(from, 1));
  if (marker == 0) return std::nullopt;
  const Pos dot = LastIndexBefore(marker, page, ".");
  if (dot == 0) return std::nullopt;
  const Pos first = std::max<Pos>(dot - 4, 1);
  const std::string digits = FirstDigitRun(MidView(page, first, dot - first));
  if (digits.empty() || !IsDigit(digits[0])) return std::nullopt;
  Integer number = 0;
  for (size_t i = 0; i < digits.size() && IsDigit(digits[i]); ++i)
    number = static_cast<Integer>(number * 10 + (digits[i] - '0'));  // at most 4 digits
  return number;
}

// Strips one quote at each end, then a trailing CR and a trailing LF; the CR of a
// CR LF pair goes too, so a link broken over a line never keeps half of it.
std::string CleanUrl(std::string url) {
  if (!url.empty() && (url.front() == '\'' || url.front() == '"')) url.erase(0, 1);
  if (!url.empty() && (url.back() == '\'' || url.back() == '"')) url.pop_back();
  if (!url.empty() && url.back() == '\r') url.pop_back();
  if (!url.empty() && url.back() == '\n') url.pop_back();
  if (!url.empty() && url.back() == '\r') url.pop_back();
  return url;
}

struct LinkTarget {
  std::string url;
  Pos end = 0;  // the ">" that closes the link, 0 when there is none
};

LinkTarget LinkAfterMarker(std::string_view engineName, std::string_view page, Pos marker) {
  LinkTarget link;
  if (engineName == "Excite") {
    // Excite's links end in ";http://target"; the character before ">" is the quote.
    const Pos target = FindNoCase(page, ";http:", marker);
    if (target == 0) return link;
    link.end = Find(page, ">", target + 1);
    if (link.end - target - 2 > 0) link.url = Mid(page, target + 1, link.end - target - 2);
    return link;
  }
  Pos open = FindNoCase(page, "<a href=", marker);
  Pos openLength = Len("<a href=");
  if (open == 0) {
    open = FindNoCase(page, "<a  href=", marker);
    openLength = Len("<a  href=");
  }
  if (open == 0) return link;
  link.end = Find(page, ">", open + 1);
  if (link.end > open + openLength)
    link.url = TrimSpaces(MidView(page, open + openLength, link.end - open - openLength));
  return link;
}

}  // namespace

std::string FirstDigitRun(std::string_view text) {
  std::string out(text.size(), ' ');
  size_t i = 0;
  while (i < text.size() && !IsDigit(text[i])) ++i;
  for (; i < text.size(); ++i) {
    const bool commaAfterDigit = text[i] == ',' && IsDigit(text[i - 1]);
    if (!IsDigit(text[i]) && !commaAfterDigit) break;
    out[i] = text[i];
  }
  return TrimSpaces(out);
}

bool FindDomainPosition(std::string_view engineName, std::string_view domain,
                        std::string_view pageText, int lastSlot, const ResultsStartList& startTexts,
                        Integer& position) {
  if (domain.empty()) return false;
  std::string current(domain);
  int attempt = 1;
  const int slots = std::min(lastSlot, kResultsStartSlots - 1);
  for (int slot = 0; slot <= slots; ++slot) {
    const std::string& startText = startTexts[static_cast<size_t>(slot)];
    if (startText.empty()) break;
    // Start texts often begin with a space and the domain is usually absent: the
    // skipping searcher keeps those whole-page misses cheap.
    const Pos start = NoCaseSearcher(startText).Find(pageText);
    if (start == 0) continue;
    while (true) {
      Pos hit = NoCaseSearcher(current).Find(pageText, start);
      if (hit == 0 && engineName == "HotBot")
        hit = NoCaseSearcher(EncodeSearchText(current)).Find(pageText, start);
      if (hit != 0) {
        for (Pos b = hit; b >= start; --b) {
          if (!StartsWithNoCase(pageText.substr(static_cast<size_t>(b - 1)), "<b")) continue;
          if (auto number = MarkedNumberAfter(pageText, b - 1)) position = *number;
          break;
        }
        return true;
      }
      if (++attempt > 3) return false;
      if (attempt == 2 && StartsWithNoCase(current, "www.")) {
        current = std::string(".").append(current, 4);
      } else if (attempt == 3 && current.starts_with('.')) {
        current = std::string(":").append(current, 1);
      } else {
        break;  // on to the next start text
      }
    }
  }
  return false;
}

void ExtractTopUrls(std::string_view /*keyword*/, std::string_view engineName,
                    std::string_view pageText, Integer pageIndex, ResultList& list) {
  list.Clear();
  long slot = 10L * pageIndex + 1;
  Pos start = 1;
  while (slot >= 1 && slot <= kTopUrlSlots) {
    const Pos marker = FindNoCase(pageText, kPointMarker, start);
    if (marker == 0) break;
    const LinkTarget link = LinkAfterMarker(engineName, pageText, marker);
    list.Urls[static_cast<size_t>(slot - 1)] = CleanUrl(link.url);
    list.TopUrlCount = static_cast<Integer>(slot);
    ++slot;
    // A link without its ">" must not send the search back to the page's start.
    start = std::max(link.end, marker + Len(kPointMarker));
  }
}

}  // namespace kestrova

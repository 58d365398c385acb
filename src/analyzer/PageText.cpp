#include "analyzer/PageText.h"

#include <string_view>

#include "base/Text.h"

namespace kestrova {
namespace {

// Cuts, again and again, the first span from `open` through the first `close`
// after it (just `open` when `close` is empty), as if the joined text were
// searched afresh from its start each time. Kept text is copied once into `kept`;
// only the few characters on either side of a join are looked at twice, since a
// marker can only newly appear across a join. The result is trimmed when anything
// was cut.
void CutRepeatedly(std::string& text, std::string_view open, std::string_view close) {
  std::string kept;
  size_t rest = 0;  // text[rest..] is still to be scanned
  bool cutAny = false;
  const size_t overlap = open.size() - 1;
  while (true) {
    // A marker spanning the join: it starts in the tail of `kept`.
    const size_t tailLength = std::min(kept.size(), overlap);
    std::string probe = kept.substr(kept.size() - tailLength);
    probe.append(text, rest, overlap);
    size_t openStart;  // index in the joined text kept + text[rest..]
    Pos atJoin = FindNoCase(probe, open);
    if (atJoin != 0 && static_cast<size_t>(atJoin - 1) < tailLength) {
      openStart = kept.size() - tailLength + (atJoin - 1);
    } else {
      Pos found = FindNoCase(text, open, static_cast<Pos>(rest + 1));
      if (found == 0) break;
      openStart = kept.size() + (static_cast<size_t>(found - 1) - rest);
    }
    // Where the opening marker ends, as an index into `text`.
    size_t openEnd = rest + (openStart + open.size() - kept.size());
    size_t cutEnd = openEnd;
    if (!close.empty()) {
      Pos found = FindNoCase(text, close, static_cast<Pos>(openEnd + 1));
      if (found == 0) break;
      cutEnd = static_cast<size_t>(found - 1) + close.size();
    }
    if (openStart <= kept.size()) {
      kept.resize(openStart);
    } else {
      kept.append(text, rest, openStart - kept.size());
    }
    rest = cutEnd;
    cutAny = true;
  }
  if (!cutAny) return;
  kept.append(text, rest);
  text = TrimSpaces(kept);
}

}  // namespace

void RemoveSpacesAfterTagOpen(std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == ' ' && !out.empty() && out.back() == '<') continue;
    out.push_back(c);
  }
  text = std::move(out);
}

void RemoveSpacesBeforeTagClose(std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '>') {
      while (!out.empty() && out.back() == ' ') out.pop_back();
    }
    out.push_back(c);
  }
  text = std::move(out);
}

void RemoveScripts(std::string& text) {
  CutRepeatedly(text, "<SCRIPT", "</SCRIPT>");
}

void RemoveNbsp(std::string& text) {
  CutRepeatedly(text, "&nbsp;", "");
}

void StripTags(std::string& text) {
  std::string out;
  out.reserve(text.size());
  long depth = 0;
  bool insideTag = false;  // the last bracket seen was "<"
  for (char c : text) {
    if (c == '<') {
      ++depth;
      insideTag = true;
    } else if (c == '>') {
      --depth;
      insideTag = false;
      if (depth == 0) out.push_back(' ');
    } else if (!insideTag) {
      out.push_back(c);
    }
  }
  text = TrimSpaces(out);
}

}  // namespace kestrova

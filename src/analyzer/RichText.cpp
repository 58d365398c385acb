#include "analyzer/RichText.h"

#include <algorithm>

#include "base/HtmlEscape.h"
#include "base/Text.h"

namespace kestrova {
namespace {

std::string_view ColourCode(RichColour colour) {
  switch (colour) {
    case RichColour::Red:
      return "#ff0000";
    case RichColour::Green:
      return "#00ff00";
    case RichColour::Black:
      break;
  }
  return "#000000";
}

std::string_view FontFamily(RichFont font) {
  switch (font) {
    case RichFont::Times:
      return "'Times New Roman', serif";
    case RichFont::Comic:
      return "'Comic Sans MS', cursive";
    case RichFont::Default:
      break;
  }
  return "Arial, sans-serif";
}

// Paragraphs end at CR LF, so a CR never reaches the markup.
std::string Escaped(std::string_view text) {
  return HtmlEscape(ReplaceAll(text, "\r", ""));
}

std::string Span(std::string_view text, const RichStyle& style) {
  std::string css = "font-family: " + std::string(FontFamily(style.font)) +
                    "; font-size: " + std::to_string(style.pointSize) +
                    "pt; color: " + std::string(ColourCode(style.colour));
  if (style.bold) css += "; font-weight: bold";
  if (style.italic) css += "; font-style: italic";
  if (style.underline) css += "; text-decoration: underline";
  return "<span style=\"" + css + "\">" + Escaped(text) + "</span>";
}

}  // namespace

RichText::RichText(std::vector<RichRun> runs) : runs_(std::move(runs)) {}

std::string RichText::PlainText() const {
  std::string text;
  for (const RichRun& run : runs_) text += run.text;
  return text;
}

bool RichText::ReplaceFirst(std::string_view what, std::string_view with, size_t from, size_t to) {
  const std::string plain = PlainText();
  if (what.empty()) return false;
  to = std::min(to, plain.size());
  if (from >= to || what.size() > to - from) return false;
  Pos found = FindNoCase(std::string_view(plain).substr(0, to), what, static_cast<Pos>(from + 1));
  if (found == 0) return false;
  size_t start = static_cast<size_t>(found - 1);

  // Find the run holding the first replaced character; the new text goes there.
  size_t runStart = 0, index = 0;
  while (runStart + runs_[index].text.size() <= start) runStart += runs_[index++].text.size();
  size_t offset = start - runStart;
  size_t toRemove = what.size();
  std::string& first = runs_[index].text;
  size_t here = std::min(toRemove, first.size() - offset);
  first.replace(offset, here, with);
  toRemove -= here;
  // The rest of the occurrence may reach into the following runs.
  for (size_t next = index + 1; toRemove > 0 && next < runs_.size(); ++next) {
    size_t cut = std::min(toRemove, runs_[next].text.size());
    runs_[next].text.erase(0, cut);
    toRemove -= cut;
  }
  std::erase_if(runs_, [](const RichRun& run) { return run.text.empty(); });
  return true;
}

std::string RichText::Html(std::string_view title) const {
  std::string html =
      "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
      "<title>" +
      Escaped(title) + "</title>\r\n</head>\r\n<body style=\"font-family: Arial, sans-serif\">\r\n";
  // Paragraphs end at each CR LF; a run may hold several of them.
  std::string paragraph;
  bool centred = false, open = false;
  auto close = [&] {
    html += centred ? "<p style=\"margin: 0; text-align: center\">" : "<p style=\"margin: 0\">";
    html += paragraph.empty() ? "&nbsp;" : paragraph;
    html += "</p>\r\n";
    paragraph.clear();
    open = false;
  };
  for (const RichRun& run : runs_) {
    std::string_view rest = run.text;
    while (!rest.empty()) {
      if (!open) {
        centred = run.style.centred;
        open = true;
      }
      size_t lineEnd = rest.find("\r\n");
      std::string_view piece = rest.substr(0, lineEnd);
      if (!piece.empty()) paragraph += Span(piece, run.style);
      if (lineEnd == std::string_view::npos) break;
      close();
      rest.remove_prefix(lineEnd + 2);
    }
  }
  if (open) close();
  html += "</body>\r\n</html>\r\n";
  return html;
}

}  // namespace kestrova

// A small formatted-text document for the improvement report: styled runs of
// single-byte text with find-and-replace on the plain text, rendered as HTML for
// the window and for files, or as plain text for the terminal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

enum class RichColour { Black, Red, Green };
enum class RichFont { Default, Times, Comic };  // sans-serif, Times New Roman, Comic Sans

struct RichStyle {
  RichFont font = RichFont::Default;
  int pointSize = 10;
  RichColour colour = RichColour::Black;
  bool bold = false, italic = false, underline = false;
  bool centred = false;  // a paragraph takes the alignment of its first run
  friend bool operator==(const RichStyle&, const RichStyle&) = default;
};

struct RichRun {
  std::string text;  // CR LF ends a paragraph
  RichStyle style;
};

class RichText {
 public:
  RichText() = default;
  explicit RichText(std::vector<RichRun> runs);

  // The characters as the view holds them, paragraphs ended by CR LF.
  std::string PlainText() const;
  const std::vector<RichRun>& Runs() const { return runs_; }

  // Replaces the first occurrence of `what` (case ignored) that lies wholly between
  // the 0-based positions `from` and `to` (exclusive) of the plain text. The new
  // text takes the style of the first character it replaces. False when there is
  // no such occurrence.
  bool ReplaceFirst(std::string_view what, std::string_view with, size_t from, size_t to);

  // A whole HTML document (Windows-1252) showing the runs with their styles.
  std::string Html(std::string_view title) const;

 private:
  std::vector<RichRun> runs_;
};

}  // namespace kestrova

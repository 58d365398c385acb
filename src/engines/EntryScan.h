// The loop every result-page parser shares: find the engine's anchor, rewrite the
// entry around it, count it, continue further on. Each parser supplies only its
// anchor and its entry rule, so its own layout knowledge reads in a few lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "base/Text.h"
#include "engines/ResultPage.h"

namespace kestrova::parsers {

// No page lists more entries than this; beyond it a parser stops, so pages that
// repeat an anchor endlessly still end quickly.
constexpr int kMaxAnchorsPerPage = 1000;
constexpr int kNoLimit = 0;
constexpr int kTenEntries = 10;
// Where the next search starts when an entry rule names no place: this many
// characters after the anchor.
constexpr Pos kDefaultNextOffset = 10;

// The page being rewritten, in 1-based positions, and the entry counter k.
class EntryScan {
 public:
  // `engineHost` is the host the engine's own relative links point to.
  EntryScan(std::string& page, Integer pageIndex, std::string_view engineHost = {})
      : page_(page), pageIndex_(pageIndex), engineHost_(engineHost) {}

  const std::string& Page() const { return page_; }
  Pos Length() const { return static_cast<Pos>(page_.size()); }
  Integer PageIndex() const { return pageIndex_; }
  const std::string& EngineHost() const { return engineHost_; }

  // Searches from `from` on; Find ignores letter case, FindExact does not.
  Pos Find(std::string_view needle, Pos from) const;
  Pos FindExact(std::string_view needle, Pos from) const;
  // The last occurrence beginning before `pos` (case ignored); 0 when there is
  // none in the part of the page this parser has not rewritten yet, so an entry
  // never reaches back into the entries before it.
  Pos FindBefore(std::string_view needle, Pos pos) const;
  // True when the page holds `text` at `at` (case ignored).
  bool HasAt(Pos at, std::string_view text) const;
  // The characters from `from` up to, not including, `to` (empty when to <= from).
  std::string Text(Pos from, Pos to) const;

  // Replaces the characters from `from` up to `to` (exclusive) by `with`.
  void Replace(Pos from, Pos to, std::string_view with);
  void Insert(Pos at, std::string_view with) { Replace(at, at, with); }

  // The computed rank number 10 x page index + k, as text.
  std::string Number() const;

  // Loop bookkeeping, used by RunEntryLoop.
  void StartEntry(Pos anchor) { anchor_ = anchor; }
  void CountEntry() { ++k_; }
  void SetFloor(Pos floor) { floor_ = floor; }
  Pos Anchor() const { return anchor_; }
  Pos Floor() const { return floor_; }
  int EntryCount() const { return k_ - 1; }

 private:
  std::string& page_;
  Integer pageIndex_;
  std::string engineHost_;
  int k_ = 1;       // entry counter; the computed number uses it before the increase
  Pos anchor_ = 0;  // the current anchor, moved along when text is inserted before it
  Pos floor_ = 1;   // end of the text this parser wrote last; searches never go back past it
};

// What an entry rule did with the anchor at hand.
enum class Outcome {
  Marked,           // rewritten; counts as an entry
  Unmarked,         // its parts were missing; left as it was, not counted
  UnmarkedCounted,  // left as it was but counted (a redirect that did not resolve)
  Stop,             // give up the page here
};

struct Step {
  Outcome outcome = Outcome::Marked;
  Pos next = 0;  // where the next search starts; 0: kDefaultNextOffset after the anchor
};

inline Step Marked(Pos next = 0) {
  return {Outcome::Marked, next};
}
inline Step Unmarked() {
  return {Outcome::Unmarked, 0};
}

using AnchorFinder = std::function<Pos(EntryScan&, Pos from)>;
using EntryRule = std::function<Step(EntryScan&, Pos anchor)>;

// The common loop: from `start`, find an anchor, apply the rule, count, continue.
// Stops when no anchor is left, after `limit` entries (kNoLimit: none), after
// kMaxAnchorsPerPage anchors, or when the page has grown far beyond its size.
// The next search always starts after the anchor and after the text just written,
// so a replacement that re-creates the anchor is never marked again.
void RunEntryLoop(EntryScan& scan, Pos start, int limit, const AnchorFinder& find,
                  const EntryRule& rule);
void RunEntryLoop(EntryScan& scan, Pos start, int limit, std::string_view anchor,
                  const EntryRule& rule);

// Where the scan of a page with a precondition text begins: at the text (or just
// after it with `after`), 0 when the page lacks it.
Pos PreconditionStart(const EntryScan& scan, std::string_view text, bool after);

// A link target taken from a redirect address: a leading "%0D" dropped, then decoded.
std::string RedirectTarget(std::string_view coded);

// The engine parsers, one per layout; each runs the loop above over the page.
using Parser = void (*)(EntryScan&, const HeadRequest&);

}  // namespace kestrova::parsers

#include "engines/EntryScan.h"

#include <algorithm>

#include "net/UrlCoding.h"

namespace kestrova::parsers {

Pos EntryScan::Find(std::string_view needle, Pos from) const {
  return FindNoCase(page_, needle, std::max<Pos>(from, 1));
}

Pos EntryScan::FindExact(std::string_view needle, Pos from) const {
  return kestrova::Find(page_, needle, std::max<Pos>(from, 1));
}

Pos EntryScan::FindBefore(std::string_view needle, Pos pos) const {
  // Only the part from the floor on is searched: nothing before it may be used.
  if (pos <= floor_) return 0;
  const std::string_view rest =
      MidView(page_, floor_, pos - floor_ - 1 + static_cast<Pos>(needle.size()));
  const Pos at = FindLastNoCase(rest, needle, pos - floor_);
  return at == 0 ? 0 : at + floor_ - 1;
}

bool EntryScan::HasAt(Pos at, std::string_view text) const {
  return at >= 1 && EqualsNoCase(MidView(page_, at, static_cast<Pos>(text.size())), text);
}

std::string EntryScan::Text(Pos from, Pos to) const {
  if (from < 1 || to <= from) return {};
  return Mid(page_, from, to - from);
}

void EntryScan::Replace(Pos from, Pos to, std::string_view with) {
  const Pos length = Length();
  from = std::clamp<Pos>(from, 1, length + 1);
  to = std::clamp<Pos>(to, from, length + 1);
  page_.replace(static_cast<size_t>(from - 1), static_cast<size_t>(to - from), with);
  const Pos written = static_cast<Pos>(with.size());
  if (to <= anchor_) anchor_ += written - (to - from);
  floor_ = std::max(floor_, from + written);
}

std::string EntryScan::Number() const {
  return std::to_string(10L * pageIndex_ + k_);
}

void RunEntryLoop(EntryScan& scan, Pos start, int limit, const AnchorFinder& find,
                  const EntryRule& rule) {
  if (start < 1) return;
  // Copies of page text inside replacements may grow a hostile page; stop well
  // before memory becomes a concern.
  const size_t growthCap = scan.Page().size() * 2 + (1u << 20);
  scan.SetFloor(start);
  Pos from = start;
  for (int anchors = 0; anchors < kMaxAnchorsPerPage; ++anchors) {
    if (limit != kNoLimit && scan.EntryCount() >= limit) break;
    if (scan.Page().size() > growthCap) break;
    const Pos a = find(scan, from);
    if (a == 0) break;
    scan.StartEntry(a);
    const Step step = rule(scan, a);
    if (step.outcome == Outcome::Stop) break;
    if (step.outcome != Outcome::Unmarked) scan.CountEntry();
    const Pos next = step.next != 0 ? step.next : scan.Anchor() + kDefaultNextOffset;
    from = std::max({next, scan.Floor(), scan.Anchor() + 1});
  }
}

void RunEntryLoop(EntryScan& scan, Pos start, int limit, std::string_view anchor,
                  const EntryRule& rule) {
  const std::string needle(anchor);
  RunEntryLoop(
      scan, start, limit, [needle](EntryScan& s, Pos from) { return s.Find(needle, from); }, rule);
}

Pos PreconditionStart(const EntryScan& scan, std::string_view text, bool after) {
  const Pos at = scan.Find(text, 1);
  if (at == 0) return 0;
  return after ? at + static_cast<Pos>(text.size()) : at;
}

std::string RedirectTarget(std::string_view coded) {
  if (StartsWithNoCase(coded, "%0D")) coded.remove_prefix(3);
  return DecodeUrlText(coded);
}

}  // namespace kestrova::parsers

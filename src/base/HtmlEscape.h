// Text put into HTML that this program writes (reports, advice, saved and
// simulated pages), escaped exactly once.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

// Plain text (a keyword, a domain, a file name): "&", "<", ">" and the double
// quote become entities; every other byte stays.
std::string HtmlEscape(std::string_view text);

// Text that may already be HTML (a link target read from a page's markup, where
// "&amp;" stands for "&"): the same, except that an "&" which begins a character
// reference ("&amp;", "&#38;", "&#x26;") is kept, so nothing is escaped twice.
std::string HtmlEscapeOnce(std::string_view text);

}  // namespace kestrova

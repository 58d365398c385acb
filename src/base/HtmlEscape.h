// Text put into HTML that this program writes (reports, advice, simulated pages):
// the characters that would start markup or end an attribute are escaped.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

// "&", "<", ">" and the double quote become entities; every other byte stays.
std::string HtmlEscape(std::string_view text);

}  // namespace kestrova

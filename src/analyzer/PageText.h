// Text clean-up for the front-page analysis: closing up tag brackets, removing
// scripts, tags and "&nbsp;". Each works on any bytes in time linear in the text.
#pragma once

#include <string>

namespace kestrova {

// "< title" becomes "<title": every space right after a "<" goes.
void RemoveSpacesAfterTagOpen(std::string& text);
// "title >" becomes "title>": every space right before a ">" goes.
void RemoveSpacesBeforeTagClose(std::string& text);

// Removes every "<SCRIPT" ... "</SCRIPT>" span (any case) and trims the result.
// A marker that only appears once a span has gone is removed as well.
void RemoveScripts(std::string& text);

// Every tag becomes one space: a character is kept only outside brackets, and a
// ">" that closes the outermost bracket leaves one space. The result is trimmed.
void StripTags(std::string& text);

// Removes every "&nbsp;" (any case) without a replacement and trims the result.
void RemoveNbsp(std::string& text);

}  // namespace kestrova

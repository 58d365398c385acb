// Status line and Location header, read with the 1-based text helpers.
#include "net/HttpStatus.h"

#include <algorithm>

#include "base/Text.h"

namespace kestrova {

Integer GetHttpStatus(std::string_view response, std::string& location) {
  if (UpperCase(Left(response, 5)) != "HTTP/") return 0;
  // "HTTP/1.0 302 Found": the code is the three characters from position 10.
  // A sign is no part of a code: "HTTP/1.0 -02" has no status, like "abc".
  Integer status = std::max<Integer>(0, ToIntegerSaturated(LeadingNumber(Mid(response, 10, 3))));
  if (status == 301 || status == 302) {
    Pos p = FindNoCase(response, "\r\nLocation:");
    if (p > 0) {
      // The value ends with its line: at CR LF, or at a CR or LF standing alone,
      // so a stray line break never takes the next headers into the target. A
      // header cut off by the end of the answer runs to that end.
      const std::string_view value = MidView(response, p + 11);
      location = TrimSpaces(value.substr(0, value.find_first_of("\r\n")));
    }
  }
  return status;
}

}  // namespace kestrova

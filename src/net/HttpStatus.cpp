// Status line and Location header, read with the 1-based text helpers.
#include "net/HttpStatus.h"

#include "base/Text.h"

namespace kestrova {

Integer GetHttpStatus(std::string_view response, std::string& location) {
  if (UpperCase(Left(response, 5)) != "HTTP/") return 0;
  // "HTTP/1.0 302 Found": the code is the three characters from position 10.
  Integer status = ToIntegerSaturated(LeadingNumber(Mid(response, 10, 3)));
  if (status == 301 || status == 302) {
    Pos p = FindNoCase(response, "\r\nLocation:");
    if (p > 0) {
      Pos end = Find(response, "\r\n", p + 5);
      // A header cut off by the end of the answer runs to that end.
      Pos length = end > 0 ? end - (p + 11) : -1;
      location = TrimSpaces(Mid(response, p + 11, length));
    }
  }
  return status;
}

}  // namespace kestrova

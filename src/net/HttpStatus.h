// Reads the status code and the redirect target of a raw HTTP answer.
#pragma once

#include <string>
#include <string_view>

#include "base/Numbers.h"

namespace kestrova {

// The status code of "HTTP/1.0 302 Found"-style answers, 0 when the answer does
// not begin with "HTTP/". For 301 and 302 `location` becomes the trimmed value
// of the Location header (when there is one); otherwise it is left alone.
Integer GetHttpStatus(std::string_view response, std::string& location);

}  // namespace kestrova

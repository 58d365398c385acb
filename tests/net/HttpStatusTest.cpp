#include <gtest/gtest.h>

#include "net/HttpStatus.h"

namespace kestrova {
namespace {

TEST(GetHttpStatus, ReadsTheCodeAndOnlyARedirectsTarget) {
  struct Case {
    const char* answer;
    int status;
    const char* location;  // "kept": the location is left alone
  };
  const Case cases[] = {
      {"HTTP/1.0 302 Found\r\nlocation:  http://host/next \r\n\r\n", 302, "http://host/next"},
      {"HTTP/1.1 200 OK\r\nLocation: http://elsewhere/\r\n", 200, "kept"},
      {"http/1.0 301 Moved\r\nLOCATION:/new\r\n", 301, "/new"},
      {"HTTP/1.0 302 Found\r\nLocation: http://a/b", 302, "http://a/b"},  // cut: runs to the end
      {"HTTP/1.0 302 Found\r\n\r\n", 302, "kept"},
      {"HTTP/1.0 301 X\r\nLocation:", 301, ""},
      {"", 0, "kept"},
      {"<html>HTTP/1.0 302</html>", 0, "kept"},
      {"HTTP/", 0, "kept"},
      {"HTTP/1.0 abc", 0, "kept"},
      {"HTTP/1.0 30", 30, "kept"},
      {"HTTP/1.0 -02 Odd", 0, "kept"},
  };
  for (const Case& c : cases) {
    std::string location = "kept";
    EXPECT_EQ(GetHttpStatus(c.answer, location), c.status) << c.answer;
    EXPECT_EQ(location, c.location) << c.answer;
  }
}

// A header value never holds a line break: a stray CR or LF ends the target,
// so what follows it (other headers, the body) never becomes a redirect's path.
TEST(GetHttpStatus, ALocationEndsAtALoneLineBreak) {
  const std::pair<const char*, const char*> cases[] = {
      {"HTTP/1.0 302\r\nLocation:\n", ""},  // found by fuzzing
      {"HTTP/1.0 302 Found\r\nLocation: http://a/b\nServer: x\r\n\r\n<html>", "http://a/b"},
      {"HTTP/1.0 301 Moved\r\nLocation: http://a/b \rjunk\r\n", "http://a/b"},
  };
  for (const auto& [answer, target] : cases) {
    std::string location = "kept";
    EXPECT_EQ(GetHttpStatus(answer, location) / 100, 3) << answer;
    EXPECT_EQ(location, target) << answer;
  }
}

}  // namespace
}  // namespace kestrova

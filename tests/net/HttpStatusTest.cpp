#include <gtest/gtest.h>

#include "net/HttpStatus.h"

namespace kestrova {
namespace {

TEST(GetHttpStatus, ReadsTheCodeAndTheRedirectTarget) {
  std::string location = "before";
  EXPECT_EQ(GetHttpStatus("HTTP/1.0 302 Found\r\nlocation:  http://host/next \r\n\r\n", location),
            302);
  EXPECT_EQ(location, "http://host/next");

  location = "before";
  EXPECT_EQ(GetHttpStatus("HTTP/1.1 200 OK\r\nLocation: http://elsewhere/\r\n", location), 200);
  EXPECT_EQ(location, "before");

  EXPECT_EQ(GetHttpStatus("", location), 0);
  EXPECT_EQ(GetHttpStatus("<html>HTTP/1.0 302</html>", location), 0);
  EXPECT_EQ(GetHttpStatus("http/1.0 301 Moved\r\nLOCATION:/new\r\n", location), 301);
  EXPECT_EQ(location, "/new");
}

TEST(GetHttpStatus, SurvivesCutAndOddAnswers) {
  std::string location = "kept";
  // A Location header cut off by the end of the answer runs to that end.
  EXPECT_EQ(GetHttpStatus("HTTP/1.0 302 Found\r\nLocation: http://a/b", location), 302);
  EXPECT_EQ(location, "http://a/b");
  // A redirect without a Location header leaves the location alone.
  location = "kept";
  EXPECT_EQ(GetHttpStatus("HTTP/1.0 302 Found\r\n\r\n", location), 302);
  EXPECT_EQ(location, "kept");
  // Too short or not numeric where the code belongs.
  EXPECT_EQ(GetHttpStatus("HTTP/", location), 0);
  EXPECT_EQ(GetHttpStatus("HTTP/1.0 abc", location), 0);
  EXPECT_EQ(GetHttpStatus("HTTP/1.0 30", location), 30);
  // "Location:" found at the very end with nothing after it.
  EXPECT_EQ(GetHttpStatus("HTTP/1.0 301 X\r\nLocation:", location), 301);
  EXPECT_EQ(location, "");
}

}  // namespace
}  // namespace kestrova

#include <gtest/gtest.h>

#include "net/ProxyAddress.h"

namespace kestrova {
namespace {

TEST(ProxyAddress, HostAndPortAreBothRequiredAndThePortMustFit) {
  auto ipv6 = ParseProxyAddress("::1:3128");
  ASSERT_TRUE(ipv6) << "the last colon separates the port";
  EXPECT_EQ(ipv6->host, "::1");
  EXPECT_EQ(ipv6->port, 3128);
  for (const char* bad : {"", "host", "host:", ":80", "  :80", "host:0", "host:65536", "host:8o",
                          "host:-1", "host:99999999999999999999"}) {
    EXPECT_FALSE(ParseProxyAddress(bad)) << bad;
  }
  EXPECT_EQ(ParseProxyPort(""), 80);  // an empty settings field means port 80
  EXPECT_FALSE(ParseProxyPort(" 3128")) << "the caller trims the field";
  EXPECT_FALSE(ParseProxyPort("70000"));
}

}  // namespace
}  // namespace kestrova

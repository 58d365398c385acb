#include <gtest/gtest.h>

#include "net/UrlSplit.h"

namespace kestrova {
namespace {

TEST(UrlSplit, NormalizeDropsLineEndsAndCompletesBareHosts) {
  EXPECT_EQ(NormalizeUrl("http://host\r\n"), "http://host/");
  EXPECT_EQ(NormalizeUrl("HTTP://host"), "HTTP://host/");
  EXPECT_EQ(NormalizeUrl("ftp://host"), "ftp://host");
  EXPECT_EQ(NormalizeUrl("http://host/a"), "http://host/a");
  EXPECT_EQ(NormalizeUrl(" http://a.com/x \n"), "http://a.com/x");
  // Only one line end of each kind goes.
  EXPECT_EQ(NormalizeUrl("x\r\r\n"), "x");
  EXPECT_EQ(NormalizeUrl("x\n\n"), "x\n");
  EXPECT_EQ(NormalizeUrl(""), "");
}

TEST(UrlSplit, FileNameSplitsAtTheLastSeparatorAndTrims) {
  std::string path = " C:\\dir\\file.rnk ", name;
  EXPECT_EQ(SplitFileName(path, name), "C:\\dir");
  EXPECT_EQ(name, "file.rnk");
  EXPECT_EQ(path, "C:\\dir\\file.rnk");

  path = "file.rnk";
  EXPECT_EQ(SplitFileName(path, name), "");
  EXPECT_EQ(name, "file.rnk");

  path = "dir/";
  EXPECT_EQ(SplitFileName(path, name), "dir");
  EXPECT_EQ(name, "");

  path = "   ";
  name = "stale";
  EXPECT_EQ(SplitFileName(path, name), "");
  EXPECT_EQ(name, "");
  EXPECT_EQ(path, "");
}

struct Split {
  bool ok;
  std::string host, path;
};

Split SplitOf(const std::string& url) {
  Split split{};
  split.host = split.path = "stale";
  split.ok = SplitUrl(url, split.host, split.path);
  return split;
}

TEST(UrlSplit, AbsoluteUrlsGiveHostAndPath) {
  Split split = SplitOf("http://www.site.com/dir/page.html");
  EXPECT_TRUE(split.ok);
  EXPECT_EQ(split.host, "www.site.com");
  EXPECT_EQ(split.path, "/dir/page.html");

  split = SplitOf("  http://www.site.com\r\n");
  EXPECT_EQ(split.host, "www.site.com");
  EXPECT_EQ(split.path, "/");

  split = SplitOf("http://www.site.com/search?q=a/b&x=1");
  EXPECT_EQ(split.host, "www.site.com");
  EXPECT_EQ(split.path, "/search?q=a/b&x=1");

  split = SplitOf("http://search.site.co.uk/page.html?a=b.c");
  EXPECT_EQ(split.host, "search.site.co.uk");
  EXPECT_EQ(split.path, "/page.html?a=b.c");
}

TEST(UrlSplit, HostNeverSwallowsPathOrQueryText) {
  // A "." in a directory name must not move the end of the host.
  Split split = SplitOf("http://www.site.com/v1.2/dir/page");
  EXPECT_EQ(split.host, "www.site.com");
  EXPECT_EQ(split.path, "/v1.2/dir/page");
  split = SplitOf("www.site.com/dir/page");
  EXPECT_EQ(split.host, "www.site.com");
  EXPECT_EQ(split.path, "/dir/page");
}

TEST(UrlSplit, UrlsWithoutADottedHostGiveNothing) {
  for (const char* url : {"/next/page", "http://localhost/a/b", "", "http:///x.y/z", "page.html"}) {
    const Split split = SplitOf(url);
    EXPECT_FALSE(split.ok) << url;
    EXPECT_EQ(split.host, "") << url;
    EXPECT_EQ(split.path, "") << url;
  }
}

TEST(UrlSplit, StripWwwTakesTheTextAfterThePrefix) {
  EXPECT_EQ(StripWww("WWW.site.com"), "site.com");
  EXPECT_EQ(StripWww("www."), "");
}

}  // namespace
}  // namespace kestrova

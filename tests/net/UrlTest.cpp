#include <gtest/gtest.h>

#include <array>

#include "net/UrlCoding.h"
#include "net/UrlSplit.h"

namespace kestrova {
namespace {

TEST(UrlCoding, EncoderCodesOnlyColonSlashDotAndSpace) {
  EXPECT_EQ(EncodeSearchText("web tools: a/b.c"), "web+tools%3A+a%2Fb%2Ec");
  EXPECT_EQ(EncodeSearchText("a&b=c?d#e+f%2E"), "a&b=c?d#e+f%2E");
  EXPECT_EQ(EncodeSearchText("caf\xE9 .."), "caf\xE9+%2E%2E");
}

TEST(UrlCoding, DecoderKnowsSixCodesInAnyCaseAndNoOthers) {
  EXPECT_EQ(DecodeUrlText("%3A%2F%2D%2E%5F%7E%7e%5f%2f"), ":/-._~~_/");
  EXPECT_EQ(DecodeUrlText("%252F"), "%252F");  // decoded once only
  EXPECT_EQ(DecodeUrlText("a%20b+c%41"), "a%20b+c%41");
  EXPECT_EQ(DecodeUrlText("%2%2F%3A%"), "%2/:%");
}

TEST(UrlCoding, SafeFileNameReplacesPathAndQuerySignsKeepingLength) {
  EXPECT_EQ(MakeSafeFileName("a/b?c=d&e"), "a!b!c!d!e");
  EXPECT_EQ(MakeSafeFileName("dir\\..\\x y.html"), "dir!..!x y.html");
}

TEST(UrlSplit, NormalizeDropsOneLineEndOfEachKindAndCompletesBareHosts) {
  const std::pair<const char*, const char*> cases[] = {{"http://host\r\n", "http://host/"},
                                                       {"HTTP://host", "HTTP://host/"},
                                                       {"ftp://host", "ftp://host"},
                                                       {" http://a.com/x \n", "http://a.com/x"},
                                                       {"x\r\r\n", "x"},
                                                       {"x\n\n", "x\n"}};
  for (const auto& [url, normal] : cases) EXPECT_EQ(NormalizeUrl(url), normal) << url;
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
}

TEST(UrlSplit, HostEndsBeforeThePathWhateverThePathHolds) {
  const std::array<const char*, 3> cases[] = {
      {"http://www.site.com/dir/page.html", "www.site.com", "/dir/page.html"},
      {"  http://www.site.com\r\n", "www.site.com", "/"},
      {"http://www.site.com/search?q=a/b&x=1", "www.site.com", "/search?q=a/b&x=1"},
      {"http://search.site.co.uk/page.html?a=b.c", "search.site.co.uk", "/page.html?a=b.c"},
      {"http://www.site.com/v1.2/dir/page", "www.site.com", "/v1.2/dir/page"},
      {"www.site.com/dir/page", "www.site.com", "/dir/page"},
      // No dotted host: nothing at all.
      {"/next/page", "", ""},
      {"http://localhost/a/b", "", ""},
      {"", "", ""},
      {"http:///x.y/z", "", ""},
      {"page.html", "", ""}};
  for (const auto& [url, host, path] : cases) {
    std::string gotHost = "stale", gotPath = "stale";
    EXPECT_EQ(SplitUrl(url, gotHost, gotPath), *host != '\0') << url;
    EXPECT_EQ(gotHost, host) << url;
    EXPECT_EQ(gotPath, path) << url;
  }
  EXPECT_EQ(StripWww("WWW.site.com"), "site.com");
  EXPECT_EQ(StripWww("www."), "");
}

}  // namespace
}  // namespace kestrova

#include <gtest/gtest.h>

#include "net/UrlCoding.h"

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

}  // namespace
}  // namespace kestrova

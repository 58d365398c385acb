#include <gtest/gtest.h>

#include <string>

#include "analyzer/PageHeaders.h"

namespace kestrova {
namespace {

PageAnalysisRecord Metas(const std::string& head) {
  PageAnalysisRecord record;
  ParseMetaTags(head, record);
  return record;
}

TEST(PageHeaders, HeaderValuesAreTrimmedUpToTheLineEnd) {
  PageAnalysisRecord record;
  ParseHttpHeaders(
      "HTTP/1.0 200 OK\r\nSERVER:  nginx/1.22 \r\nlast-modified: Tue, 01 Jan 2002\r\n\r\n", record);
  EXPECT_EQ(record.ServerName, "nginx/1.22");
  EXPECT_EQ(record.LastModified, "Tue, 01 Jan 2002");
  // The last header may end the text without a line break.
  ParseHttpHeaders("HTTP/1.0 200 OK\r\nServer: tail", record);
  EXPECT_EQ(record.ServerName, "tail");
  EXPECT_EQ(record.LastModified, "Tue, 01 Jan 2002");  // absent: left alone
  // Lines ended by LF alone end the value too.
  ParseHttpHeaders("HTTP/1.0 200 OK\nServer: lf \nLast-Modified: then\n\n", record);
  EXPECT_EQ(record.ServerName, "lf");
  EXPECT_EQ(record.LastModified, "then");
}

TEST(PageHeaders, MetaNamesMatchInAnyCaseOnlyWithTheQuoteAndTheLastTagWins) {
  auto record = Metas("<meta name=\"keywords\" content=\"rank, check\">");
  EXPECT_EQ(record.MetaKeywords, "rank, check");
  record = Metas("<meta name=keywords content=\"rank\">");
  EXPECT_EQ(record.MetaKeywords, "");
  record = Metas(
      "<META NAME=\"Description\" CONTENT=\"About us\">\r\n"
      "<Meta Name=\"ROBOTS\" Content=\"noindex\">"
      "<META NAME=\"Author\" CONTENT=\"first\"><META NAME=\"Author\" CONTENT=\"second\">");
  EXPECT_EQ(record.MetaDescription, "About us");
  EXPECT_EQ(record.MetaRobots, "noindex");
  EXPECT_EQ(record.MetaAuthor, "second");
  // Both spellings of revisit-after count, and the later wins.
  EXPECT_EQ(Metas("<meta name=\"revisit-after\" CONTENT=\"1\">"
                  "<meta name=\"RevisitAfter\" CONTENT=\"2\">")
                .MetaRevisitAfter,
            "2");
}

TEST(PageHeaders, ContentIsCutLiterallyFromOddTags) {
  // Without CONTENT=", the content starts at the tag's ninth character.
  EXPECT_EQ(Metas("<META NAME=\"Rating\" value=\"x\">").MetaRating, "ME=\"Rating\" value=\"x");
  // Too short to hold anything after dropping the last two characters.
  EXPECT_EQ(Metas("<META NAME=\"Expiry\" CONTENT=\">").MetaExpiry, "");
  // Without a ">" the tag runs to the end of the head.
  EXPECT_EQ(Metas("<META NAME=\"Object\" CONTENT=\"abc\"").MetaObject, "ab");
  // A CONTENT=" after the tag's end belongs to the next tag, not this one.
  EXPECT_EQ(Metas("<META NAME=\"Language\"><p CONTENT=\"en\">").MetaLanguage, "ME=\"Language");
}

TEST(PageHeaders, AHeadFullOfUnclosedMetaTagsStaysLinear) {
  std::string head;
  for (int i = 0; i < 100000; ++i) head += "<META NAME=\"Title\" CONTENT=\"x";
  auto record = Metas(head);
  // The last tag runs to the end: "x" without its last two characters is empty.
  EXPECT_EQ(record.MetaTitle, "");
  head += "yz";
  EXPECT_EQ(Metas(head).MetaTitle, "x");
}

}  // namespace
}  // namespace kestrova

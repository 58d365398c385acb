// kestrova-cli parse prints the reader results line by line and writes the marked
// and annotated pages on request.
#include <gtest/gtest.h>

#include "base/Files.h"
#include "cli/CliTestSupport.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

std::string Fixture(const char* name) {
  return std::string(KESTROVA_TEST_DATA) + "/pages/" + name + ".html";
}

TEST(CommandParse, PrintsPositionAndTopUrlsAndWritesThePagesOrSaysWhatItCannotRead) {
  test::TempFolder dir("kestrova-parse-");
  const std::string marked = dir / "marked.html";
  const std::string annotated = dir / "annotated.html";
  auto result =
      test::RunCliCommand({"parse", "--engine", "Yahoo", "--domain", "www.widgetworks.com",
                           "--keyword", "bird", "--page-index", "0", "--marked", marked,
                           "--annotated", annotated, "--highlight", Fixture("yahoo")});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out,
            "found: yes\nposition: 3\ntop-url-count: 6\n"
            "top-url-1: http://www.birdwatch.org/\n"
            "top-url-2: http://www.feathers-and-more.com/guide.html\n"
            "top-url-3: http://www.widgetworks.com/products/\n"
            "top-url-4: http://members.aol.com/~jhawk/birds.htm\n"
            "top-url-5: http://www.audubon.org/\n"
            "top-url-6: http://www.geocities.com/RainForest/2203/\n");
  std::string markedPage, annotatedPage;
  ASSERT_TRUE(ReadWholeFile(marked, markedPage));
  ASSERT_TRUE(ReadWholeFile(annotated, annotatedPage));
  EXPECT_NE(markedPage.find("<b>3. </b><!-- !kestrova Point! -->"), std::string::npos);
  EXPECT_NE(annotatedPage.find("[Page 00]"), std::string::npos);
  EXPECT_NE(annotatedPage.find("background:ffff00\">bird</i></b></font>"), std::string::npos);

  auto missing = test::RunCliCommand({"parse", "--engine", "Yahoo", "--domain", "a", "--keyword",
                                      "b", "--page-index", "0", "/nonexistent/page.html"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace kestrova

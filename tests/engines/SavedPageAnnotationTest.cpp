// The page as it is saved: header lines gone, base address and bar in, keyword
// highlighted only where it stands as a word after the start of the results.
#include <gtest/gtest.h>

#include "engines/SavedPageAnnotation.h"

namespace kestrova {
namespace {

constexpr const char* kOpen = "<i><b><font color=#ff0000 style=\"background:ffff00\">";
constexpr const char* kClose = "</i></b></font>";

SavedPageHeader Header(bool highlight) {
  return {"T:", "www.x.com", "Bird", "AltaVista", "Results", highlight};
}

TEST(SavedPageAnnotation, DropsTheAnswerHeadAndAddsBaseAndBar) {
  std::string page = "HTTP/1.0 200 OK\r\n\r\n<Html><BODY bgcolor=white>x</BODY></HTML>";
  AnnotateSavedPage(page, Header(false));
  EXPECT_EQ(page,
            "<html><base href=www.x.com><BODY bgcolor=white>"
            "<TABLE BGCOLOR=\"#0000FF\" WIDTH=\"100%\" BORDER=\"0\" CELLPADDING=\"5\" "
            "CELLSPACING=\"0\"><TR><TD><FONT FACE=\"Arial, Helvetica\" SIZE=\"+1\" "
            "COLOR=\"#ffffff\">T: <b>' Bird '</b> using AltaVista </FONT></TD></TR></TABLE>"
            "<br><br><!-- HEADER PAGE MENU --><br><hr width=50%><br><br>x</BODY></HTML>");

  std::string bare = "HTTP/1.0 200 OK\r\n\r\nno tags";
  AnnotateSavedPage(bare, Header(true));
  EXPECT_EQ(bare, "HTTP/1.0 200 OK\r\n\r\nno tags");

  EXPECT_EQ(SavedPageTitle("http://w/", "Kestrova", 0),
            "<a href=http://w/><font color='#FFFFFF'>Kestrova</font></a> &nbsp;&nbsp;[Page 00]"
            "&nbsp;&nbsp; Keyword Report for ");
}

TEST(SavedPageAnnotation, HighlightsTheKeywordAsWordsAfterTheResultsStart) {
  std::string page = "a bird. Results: big bird, BIRDS. bird bird x";
  SavedPageHeader header = Header(true);
  AnnotateSavedPage(page, header);
  const std::string mark = std::string(kOpen) + "Bird" + kClose;
  EXPECT_EQ(page, "a bird. Results: big " + mark + ", " + mark + "S. bird " + mark + " x");

  std::string noStart = " bird";  // no start text: from the page start
  header.keyword = "bird";
  AnnotateSavedPage(noStart, header);
  EXPECT_EQ(noStart, std::string(" ") + kOpen + "bird" + kClose);

  for (bool highlight : {false, true}) {  // off, or an empty keyword: nothing marked
    std::string plain = "Results: big bird";
    header = Header(highlight);
    if (highlight) header.keyword = "";
    AnnotateSavedPage(plain, header);
    EXPECT_EQ(plain, "Results: big bird");
  }
}

TEST(SavedPageAnnotation, KeywordAndEngineAreTextNeverMarkup) {
  // The bar shows them escaped, once.
  std::string page = "<HTML><BODY>x</BODY></HTML>";
  SavedPageHeader header{"T:", "h", "<script>alert(1)</script> &amp;", "A&B", "", false};
  AnnotateSavedPage(page, header);
  EXPECT_NE(page.find("T: <b>' &lt;script&gt;alert(1)&lt;/script&gt; &amp;amp; '</b> using "
                      "A&amp;B </FONT>"),
            std::string::npos)
      << page;

  // The highlight finds the keyword where the page shows it as text, and writes
  // it as text; the same characters standing as markup are left alone.
  header = {"T:", "h", "Tom & Jerry", "A", "Results", true};
  std::string text = "Results: watch Tom &amp; Jerry, or <b>tom & jerry</b>";
  AnnotateSavedPage(text, header);
  EXPECT_EQ(text, std::string("Results: watch ") + kOpen + "Tom &amp; Jerry" + kClose +
                      ", or <b>tom & jerry</b>");
  header.keyword = "<b>bold";
  std::string markup = "Results: a <b>bold word, a &lt;b&gt;bold text";
  AnnotateSavedPage(markup, header);
  EXPECT_EQ(markup, std::string("Results: a <b>bold word, a ") + kOpen + "&lt;b&gt;bold" + kClose +
                        " text");
}

}  // namespace
}  // namespace kestrova

#include <gtest/gtest.h>

#include <string>

#include "analyzer/PageText.h"

namespace kestrova {
namespace {

std::string Stripped(std::string text) {
  StripTags(text);
  return text;
}
std::string WithoutScripts(std::string text) {
  RemoveScripts(text);
  return text;
}
std::string WithoutNbsp(std::string text) {
  RemoveNbsp(text);
  return text;
}

TEST(PageText, TagsBecomeOneSpaceEach) {
  EXPECT_EQ(Stripped("a<b>c</b>d"), "a c d");
  EXPECT_EQ(Stripped("  <p>x</p>  "), "x");
  // Only the ">" that closes the outermost bracket leaves a space; text after an
  // inner ">" counts as outside.
  EXPECT_EQ(Stripped("a<x <y> z>b"), "a z b");
  // A stray ">" never brings the depth back to 0, so no space is added for it.
  EXPECT_EQ(Stripped("a>b"), "ab");
  // An unclosed tag swallows the rest.
  EXPECT_EQ(Stripped("a<b c d"), "a");
}

TEST(PageText, ScriptsGoInAnyCaseAndTheTextIsTrimmed) {
  EXPECT_EQ(WithoutScripts(" a<script>x</script>b<SCRIPT src=1></Script> c "), "ab c");
  // Without scripts the text is left exactly as it was, spaces included.
  EXPECT_EQ(WithoutScripts(" plain "), " plain ");
  // An opening without its end stays, and so does everything after it.
  EXPECT_EQ(WithoutScripts("a<script>b</scrip"), "a<script>b</scrip");
  EXPECT_EQ(WithoutScripts("a<script>1</script>b<script>c"), "ab<script>c");
  // An end before any opening is not a script.
  EXPECT_EQ(WithoutScripts("</script>x<script>y</script>z"), "</script>xz");
}

TEST(PageText, NbspGoesInAnyCaseAndMarkersFormedByACutAreCutToo) {
  // Cutting the inner script joins "<scr" and "ipt>..." into a new script.
  EXPECT_EQ(WithoutScripts("a<scr<script>x</script>ipt>y</script>b"), "ab");
  EXPECT_EQ(WithoutNbsp("x&nb&nbsp;sp;y"), "xy");
  EXPECT_EQ(WithoutNbsp("&&&nbsp;nbsp;nbsp;"), "");
  EXPECT_EQ(WithoutNbsp("&NBSP; x &Nbsp;&nbsp"), "x &nbsp");
}

TEST(PageText, PagesOfSeveralMegabytesStayLinear) {
  std::string scripts;
  for (int i = 0; i < 200000; ++i) scripts += "w<script>s</script>";
  RemoveScripts(scripts);
  EXPECT_EQ(scripts, std::string(200000, 'w'));

  std::string spaces;
  for (int i = 0; i < 400000; ++i) spaces += "&nbsp;x";
  RemoveNbsp(spaces);
  EXPECT_EQ(spaces, std::string(400000, 'x'));

  std::string openings(4'000'000, '<');
  RemoveScripts(openings);  // no "<SCRIPT" at all
  StripTags(openings);
  EXPECT_EQ(openings, "");
}

}  // namespace
}  // namespace kestrova

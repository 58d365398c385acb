// The keyword box and the engine lists of the form model: what each button
// does to the box, the records and the grids, and what it asks first.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace kestrova {
namespace {

RankingRecord Record(const std::string& keyword, const std::string& engine, Integer rank) {
  RankingRecord record;
  record.Keyword = keyword;
  record.Engine = engine;
  record.Rank = rank;
  record.Succeeded = true;
  record.TopUrls[0] = "http://" + keyword + ".test/";
  record.TopUrlCount = 1;
  return record;
}

struct Form : test::FormFixture {
  Form() {
    project.ProjectFileName = "site.rnk";
    project.Rankings = {Record("web tools", "Alpha", 3), Record("seo", "Alpha", 14),
                        Record("web tools", "Gamma", 27)};
    form.productName = "Kestrova Pro";
    form.SetupGrids();
    form.LoadKeywordCombos("");
  }
  const ComboBox& Box() const { return form.cmbKeyWords[kKeywordBox]; }
  // The Rank column of the ranking grid's row of `engine` (rows in catalogue order).
  std::string RankOf(int engineRow) const { return form.ranking.View().Text(engineRow, 4); }
};

TEST(MainFormKeywords, TheBoxListsRecordKeywordsAndChoosesTheLastRunOne) {
  Form f;
  EXPECT_EQ(f.Box().items, (std::vector<std::string>{"web tools", "seo"}));
  EXPECT_EQ(f.Box().listIndex, 0);
  EXPECT_EQ(f.RankOf(1), "3");
  EXPECT_EQ(f.RankOf(3), "27");

  f.form.LoadKeywordCombos("seo");
  EXPECT_EQ(f.Box().listIndex, 1);
  EXPECT_EQ(f.form.selected, "seo");
  EXPECT_EQ(f.RankOf(1), "14");
  EXPECT_EQ(f.RankOf(3), "");
  EXPECT_EQ(f.form.topUrls.View().Text(1, 1), "http://seo.test/");

  f.form.cmbKeyWords_Click(5);  // out of range: nothing chosen, the grids stay
  EXPECT_EQ(f.Box().listIndex, -1);
  EXPECT_FALSE(f.form.selected);
  EXPECT_EQ(f.RankOf(1), "14");

  f.project.Rankings.clear();
  f.form.LoadKeywordCombos("seo");
  EXPECT_TRUE(f.Box().items.empty());
  EXPECT_EQ(f.Box().text, "(none)");
  EXPECT_FALSE(f.form.selected);
  EXPECT_FALSE(f.project.Modified);  // filling the box is no edit
}

TEST(MainFormKeywords, AddTrimsRefusesAnExactDuplicateAndChoosesTheNewEntry) {
  Form f;
  f.form.cmbKeyWords[kKeywordBox].text = "   ";
  f.form.cmdAddKeyword_Click();
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text, "Type something in the keyword box first!");
  EXPECT_EQ(f.dialogs.messages[0].title, "Kestrova");
  EXPECT_EQ(f.form.focus, FormFocus::KeywordBox);

  f.form.cmbKeyWords[kKeywordBox].text = "  web tools  ";
  f.form.cmdAddKeyword_Click();
  EXPECT_EQ(f.dialogs.messages.back().text, "Keyword already exists");
  EXPECT_EQ(f.Box().items.size(), 2u);
  EXPECT_FALSE(f.project.Modified);

  f.form.cmbKeyWords[kKeywordBox].text = "  Web Tools ";  // the comparison is exact
  f.form.cmdAddKeyword_Click();
  EXPECT_EQ(f.Box().items, (std::vector<std::string>{"web tools", "seo", "Web Tools"}));
  EXPECT_EQ(f.Box().listIndex, 2);
  EXPECT_EQ(f.RankOf(1), "");  // no records yet: an empty grid
  EXPECT_TRUE(f.project.Modified);
  EXPECT_EQ(f.form.caption, "Kestrova Pro - <site.rnk>");
  EXPECT_TRUE(f.form.HasKeyword("Web Tools"));
}

TEST(MainFormKeywords, DeleteFreesOnlyThatKeywordsRecordsAfterAsking) {
  Form f;
  f.dialogs.answers = {MessageAnswer::No};
  f.form.cmdDelKeyword_Click();
  EXPECT_EQ(f.dialogs.messages[0].title, "Delete one ranking?");
  EXPECT_EQ(f.dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(f.project.Rankings[0].Keyword, "web tools");
  EXPECT_EQ(f.form.focus, FormFocus::VisibleGrid);

  f.form.cmdDelKeyword_Click();  // Yes
  ASSERT_EQ(f.project.Rankings.size(), 3u);
  EXPECT_TRUE(f.project.Rankings[0].IsFree());
  EXPECT_TRUE(f.project.Rankings[0].TopUrls[0].empty());
  EXPECT_EQ(f.project.Rankings[1].Keyword, "seo");  // keeps its place
  EXPECT_TRUE(f.project.Rankings[2].IsFree());
  EXPECT_EQ(f.Box().items, std::vector<std::string>{"seo"});
  EXPECT_EQ(f.form.selected, "seo");  // the first entry is chosen and shown
  EXPECT_EQ(f.RankOf(1), "14");
  EXPECT_TRUE(f.project.Modified);

  // The last one: the box and the grids empty, "00", nothing chosen, no records
  // left to hold the domain.
  f.form.lblNumTotal.caption = "03";
  f.form.cmdDelKeyword_Click();
  EXPECT_TRUE(f.Box().items.empty());
  EXPECT_EQ(f.Box().listIndex, -1);
  EXPECT_FALSE(f.form.selected);
  EXPECT_EQ(f.form.lblNumTotal.caption, "00");
  EXPECT_EQ(f.RankOf(1), "");
  EXPECT_TRUE(f.project.Rankings.empty());
  EXPECT_TRUE(f.form.txtDomain_KeyPress('x'));

  const size_t asked = f.dialogs.messages.size();
  f.form.cmdDelKeyword_Click();  // an empty box asks nothing
  EXPECT_EQ(f.dialogs.messages.size(), asked);
}

TEST(MainFormKeywords, AddAndDeleteKeepTheKeywordLinesTheRunChecksInStep) {
  Form f;
  f.form.txtKeywords.text = "web tools\r\nseo\r\n";
  f.form.cmbKeyWords[kKeywordBox].text = " blue ";
  f.form.cmdAddKeyword_Click();
  EXPECT_EQ(f.form.txtKeywords.text, "web tools\r\nseo\r\nblue");
  f.form.cmbKeyWords[kKeywordBox].text = "seo ";  // listed: refused, the lines stay
  f.form.cmdAddKeyword_Click();
  EXPECT_EQ(f.form.txtKeywords.text, "web tools\r\nseo\r\nblue");

  // Deleting takes every line of the keyword out, and only those lines.
  f.form.txtKeywords.text = "seo\r\nweb tools\r\nseo tips\r\nweb tools";
  f.form.cmbKeyWords_Click(0);
  f.form.cmdDelKeyword_Click();  // "web tools"
  EXPECT_EQ(f.form.txtKeywords.text, "seo\r\nseo tips");
  EXPECT_EQ(f.form.selected, "seo");
}

TEST(MainFormKeywords, ClearAllAsksThenDropsEveryRecordAndTheFileName) {
  Form f;
  f.form.openPath = "/p/site.rnk";
  f.project.PageAnalyses.resize(2);
  f.dialogs.answers = {MessageAnswer::Cancel};
  f.form.cmdClearAllKeywords_Click();
  EXPECT_EQ(f.dialogs.messages[0].text, "Are you sure that you want to clear all RANKINGS?");
  EXPECT_EQ(f.dialogs.messages[0].title, "Clear all rankings?");
  EXPECT_EQ(f.project.Rankings.size(), 3u);
  EXPECT_EQ(f.form.focus, FormFocus::VisibleGrid);

  f.form.focus = FormFocus::None;
  f.form.cmdClearAllKeywords_Click();  // Yes
  EXPECT_TRUE(f.project.Rankings.empty());
  EXPECT_TRUE(f.project.PageAnalyses.empty());
  EXPECT_TRUE(f.Box().items.empty());
  EXPECT_EQ(f.form.openPath, "(none)");
  EXPECT_EQ(f.form.lblNumTotal.caption, "00");
  EXPECT_TRUE(f.project.Modified);
  EXPECT_EQ(f.form.focus, FormFocus::None);
}

TEST(MainFormKeywords, ClearAllClearsRecordsNoKeywordListsSoTheDomainUnlocks) {
  Form f;
  f.form.cmbKeyWords[kKeywordBox].items.Clear();  // records remain, listed under no keyword
  ASSERT_TRUE(f.form.DomainLocked());
  f.form.cmdClearAllKeywords_Click();  // Yes
  EXPECT_TRUE(f.project.Rankings.empty());
  EXPECT_FALSE(f.form.DomainLocked());
}

// The domain refusing keys while rankings exist: WindowKeywords in the window tests.
TEST(MainFormKeywords, TheTopUrlsCounterShowsTheHighlightUntilAnotherKeywordIsShown) {
  Form f;  // "web tools" shows: its URL on Alpha and Gamma
  ui::Grid& grid = f.form.topUrls.View();
  grid.SetCurrentRow(1);
  grid.SetCurrentCol(1);
  f.form.grdTopUrls_Click();
  EXPECT_EQ(f.form.lblNumTotal.caption, "02");
  f.form.cmbKeyWords_Click(1);  // "seo": a new grid, nothing counted yet
  EXPECT_EQ(f.form.lblNumTotal.caption, "00");
}

TEST(MainFormKeywords, TheRunShowsOneKeywordAtATimeThenReselectsItsLastKeyword) {
  Form f;
  f.form.SelectOrAddKeyword("\r\nred\r\nblue");  // never the whole text as one entry
  EXPECT_EQ(f.Box().items.size(), 3u);
  EXPECT_EQ(f.Box().listIndex, 2);
  EXPECT_EQ(f.form.selected, "red");
  f.form.SelectOrAddKeyword("\r\n");
  EXPECT_EQ(f.form.selected, "red");
  f.project.Rankings.push_back(Record("blue", "Beta DE", 5));
  f.form.ReselectKeyword("blue");
  EXPECT_EQ(f.Box().items, (std::vector<std::string>{"web tools", "seo", "red", "blue"}));
  EXPECT_EQ(f.form.selected, "blue");
  EXPECT_EQ(f.RankOf(2), "5");
  f.form.ReselectKeyword("gone");
  EXPECT_FALSE(f.form.selected);
}

TEST(MainFormEngines, NamesMoveOneByOneAllInOrderAndAllBackToTheCatalogue) {
  Form f;
  ListBox& all = f.form.lstSites[kAllSites];
  ListBox& chosen = f.form.lstSites[kSelectedSites];
  all.items = {"Gamma", "Alpha"};
  chosen.items = {"Beta DE"};
  f.form.cmdSendOne_Click();  // nothing chosen: nothing moves
  EXPECT_FALSE(f.project.Modified);

  all.listIndex = 1;
  f.form.lstSites_DblClick(kAllSites);
  EXPECT_EQ(chosen.items, (std::vector<std::string>{"Beta DE", "Alpha"}));
  EXPECT_EQ(all.listIndex, -1);
  EXPECT_TRUE(f.project.Modified);
  chosen.listIndex = 0;
  f.form.cmdBackOne_Click();
  EXPECT_EQ(all.items, (std::vector<std::string>{"Gamma", "Beta DE"}));

  f.form.cmdSendAll_Click();
  EXPECT_TRUE(all.items.empty());
  EXPECT_EQ(chosen.items, (std::vector<std::string>{"Alpha", "Gamma", "Beta DE"}));

  // Back: every catalogue engine, even one that was in neither list.
  chosen.items = {"Gamma"};
  all.items = {"Beta DE"};
  f.form.cmdBackAll_Click();
  EXPECT_TRUE(chosen.items.empty());
  EXPECT_EQ(all.items, (std::vector<std::string>{"Beta DE", "Alpha", "Gamma"}));
}

TEST(ItemList, FindsTheFirstEqualEntryAfterEveryChange) {
  ItemList list{"a", "b", "a", "c"};
  EXPECT_EQ(list.Find("a"), 0);
  EXPECT_EQ(list.Find("A"), -1);
  list.RemoveAt(0);
  EXPECT_EQ(list.Find("a"), 1);
  EXPECT_EQ(list.Find("c"), 2);
  EXPECT_EQ(list.AddUnlessListed("c"), 2);
  EXPECT_EQ(list.AddUnlessListed(std::string("c\0d", 3)), 3);
  EXPECT_EQ(list.Find("c"), 2);
  list.RemoveAt(9);  // out of range: nothing
  EXPECT_EQ(list.size(), 4u);
  list.Clear();
  EXPECT_EQ(list.Find("b"), -1);
}

}  // namespace
}  // namespace kestrova

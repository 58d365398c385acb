// Projects with every field and list filled, for the project file tests.
#pragma once

#include <string>

#include "base/Date.h"
#include "engines/EngineCatalogue.h"
#include "ranking/ProjectState.h"

namespace kestrova::test {

// Engines Alpha, Beta, Clarin, Delta, in this order.
inline EngineCatalogue SampleCatalogue() {
  EngineCatalogue catalogue;
  const char* names[] = {"Alpha", "Beta", "Clarin", "Delta"};
  for (int i = 0; i < 4; ++i) catalogue.Engines[i].Name = names[i];
  catalogue.LastEngineIndex = 3;
  return catalogue;
}

inline RankingRecord SampleRecord(const std::string& keyword, const std::string& engine,
                                  int topUrls) {
  RankingRecord r;
  r.Domain = r.CheckedDomain = "example.org";
  r.Succeeded = true;
  r.CheckedAt = "05/13/2000 02:05:09 PM";
  r.KeywordDepth = 30;
  r.Keyword = keyword;
  r.Engine = engine;
  r.ChangeText = "  Up, (3)";
  r.Rank = 14;
  r.Page = 2;
  r.PagePosition = 4;
  r.TrendText = "Increased to GOOD ranking";
  for (int i = 0; i < topUrls; ++i) r.TopUrls[i] = "http://site" + std::to_string(i) + ".test/";
  r.TopUrlCount = static_cast<Integer>(topUrls);
  return r;
}

inline PageAnalysisRecord SampleAnalysis() {
  PageAnalysisRecord r;
  r.LocalFile = "front.htm";
  r.SecondText = "second";
  r.Keyword = "web tools";
  r.SourceUrl = "http://example.org/";
  r.LastModified = "Sat, 13 May 2000 14:05:09 GMT";
  r.ServerName = "Apache/1.3";
  r.Status = -1;
  r.ProblemText = "No ending BODY tag";
  r.Title = "Web tools, \"the\" best";
  r.TitleDensity = 25;
  r.TitleCount = 1;
  r.BodySlot = "b";
  r.BodyDensity = 3;
  r.BodyCount = 7;
  r.HeadSlot = "h";
  r.HeadDensity = 4;
  r.HeadCount = 2;
  r.CommentsSlot = "c";
  r.CommentsDensity = 5;
  r.CommentsCount = 1;
  r.AltSlot = "a";
  r.AltDensity = 6;
  r.AltCount = 3;
  r.MetaTitle = "mt";
  r.MetaTitleDensity = 7;
  r.MetaTitleCount = 1;
  r.MetaDescription = "md";
  r.MetaDescriptionDensity = 8;
  r.MetaDescriptionCount = 2;
  r.MetaKeywords = "mk";
  r.MetaKeywordsDensity = 9;
  r.MetaKeywordsCount = 4;
  r.MetaAuthor = "author";
  r.MetaGenerator = "generator";
  r.MetaObject = "object";
  r.MetaRobots = "index,follow";
  r.MetaLanguage = "en";
  r.MetaRating = "general";
  r.MetaExpiry = "never";
  r.MetaRevisitAfter = "7 days";
  r.KeywordTotal = 100000;
  return r;
}

// A project whose every field differs from its default, with engines in an order
// other than the catalogue's and free records between used ones.
inline ProjectState SampleProject() {
  ProjectState p;
  p.Domain = "example.org";
  p.ContactEmail = "me@example.org";
  p.KeywordText = "web tools\r\nrank, checker\r\n\"quoted\" word";
  p.SearchUrl = "http://search.test/?q=a,b";
  p.SubmitUrl = "http://submit.test/";
  p.AvailableEngines = {"Delta", "Alpha"};
  p.SelectedEngines = {"Clarin", "Beta"};
  p.TimeOutSecs = 45;
  p.KeywordDepth = 50;
  p.SearchDepth = 7;
  p.LastRunDate = MakeDate({2000, 5, 13, 14, 5, 9});
  p.ReportDirectory = "/home/me/Results";
  p.DatePreference = 3;
  p.HighlightKeywords = 1;
  p.ServerName = "ftp.example.org";
  p.UserName = "me";
  p.Password = "s3cret\xE9!";
  p.WwwSubDir = "www";
  p.ProjectOption = 2;
  p.AllKeywords = 1;
  p.PageGenDirectory = "/home/me/gen";
  p.PageGenFileName = "index.htm";
  p.Rankings = {SampleRecord("web tools", "Beta", 3), SampleRecord("", "Beta", 0),
                SampleRecord("web tools", "Clarin", 10), SampleRecord("", "", 0),
                SampleRecord("rank, checker", "Beta", 1)};
  p.ReservedListOne = {{"one", "two", 3, "four", "five", -600000}, {"a", "", -1, "", "e", 0}};
  p.ReservedListTwo = {{"one", true, "three", "four", "five", 6}};
  p.PageAnalyses = {PageAnalysisRecord{}, SampleAnalysis()};
  p.ReservedListThree = {{1, -2, "three", "four"}};
  for (int slot = 0; slot < kColumnWidthSlots; ++slot) {
    for (int column = 0; column < kColumnWidthColumns; ++column) {
      p.ColumnWidthTable[slot][column] = static_cast<Integer>(100 * slot + column + 1);
    }
  }
  return p;
}

}  // namespace kestrova::test

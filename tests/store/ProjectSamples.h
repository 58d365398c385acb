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

// Every stored field distinct: texts "text N", numbers -N.
inline PageAnalysisRecord SampleAnalysis() {
  PageAnalysisRecord r;
  int n = 0;
  for (std::string* text :
       {&r.LocalFile,    &r.SecondText,    &r.Keyword,         &r.SourceUrl,       &r.LastModified,
        &r.ServerName,   &r.ProblemText,   &r.Title,           &r.BodySlot,        &r.HeadSlot,
        &r.CommentsSlot, &r.AltSlot,       &r.MetaTitle,       &r.MetaDescription, &r.MetaKeywords,
        &r.MetaAuthor,   &r.MetaGenerator, &r.MetaObject,      &r.MetaRobots,      &r.MetaLanguage,
        &r.MetaRating,   &r.MetaExpiry,    &r.MetaRevisitAfter})
    *text = "text " + std::to_string(++n);
  for (Integer* number :
       {&r.Status, &r.TitleDensity, &r.TitleCount, &r.BodyDensity, &r.BodyCount, &r.HeadDensity,
        &r.HeadCount, &r.CommentsDensity, &r.CommentsCount, &r.AltDensity, &r.AltCount,
        &r.MetaTitleDensity, &r.MetaTitleCount, &r.MetaDescriptionDensity, &r.MetaDescriptionCount,
        &r.MetaKeywordsDensity, &r.MetaKeywordsCount})
    *number = static_cast<Integer>(-++n);
  r.LocalFile = "front.htm";
  r.Title = "Web tools, \"the\" best";
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

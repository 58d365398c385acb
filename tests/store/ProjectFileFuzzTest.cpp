// The reader meets random and damaged files: it must neither crash nor hang, and
// what it keeps can never outgrow the file it read.
#include <gtest/gtest.h>

#include <random>

#include "store/ProjectFile.h"
#include "store/ProjectSamples.h"

namespace kestrova {
namespace {

size_t RecordsKept(const ProjectState& p) {
  return p.AvailableEngines.size() + p.SelectedEngines.size() + p.Rankings.size() +
         p.ReservedListOne.size() + p.ReservedListTwo.size() + p.PageAnalyses.size() +
         p.ReservedListThree.size();
}

void ReadAndCheck(const std::string& bytes, const EngineCatalogue& catalogue) {
  ProjectState state;
  ProjectReadResult result = ReadProjectText(bytes, state, catalogue);
  ASSERT_FALSE(state.Loading);
  if (!result.ok) {
    ASSERT_FALSE(result.problem.empty());
  }
  // Every kept record or name took at least one line of the file (the engine lists
  // gain at most the catalogue's engines on top).
  size_t lines = std::count(bytes.begin(), bytes.end(), '\n');
  ASSERT_LE(RecordsKept(state), lines + 4);
}

TEST(ProjectFileFuzz, RandomBytesAreRefusedWithoutHarm) {
  std::mt19937 random(20000513);
  const EngineCatalogue catalogue = test::SampleCatalogue();
  // Mostly the characters the format is made of, so the reader gets some way in.
  const std::string alphabet = "\"\r\n#0123456789-, TRUEFALS.:abc\x00\xff";
  for (int round = 0; round < 400; ++round) {
    std::string bytes(random() % 2000, '\0');
    bool structured = round % 2 == 0;
    for (char& c : bytes) {
      c = structured ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
    }
    ReadAndCheck(bytes, catalogue);
  }
}

TEST(ProjectFileFuzz, MutatedProjectFilesAreReadOrRefusedWithoutHarm) {
  std::mt19937 random(19991231);
  const EngineCatalogue catalogue = test::SampleCatalogue();
  const std::string valid = ProjectFileText(test::SampleProject());
  const std::string inserts[] = {"\"", "\r\n", "32767", "-1", "#TRUE#", "\"\"", "9", "\n\"x"};
  for (int round = 0; round < 1500; ++round) {
    std::string bytes = valid;
    int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
      size_t at = random() % bytes.size();
      switch (random() % 4) {
        case 0:
          bytes[at] = static_cast<char>(random());
          break;
        case 1:
          bytes.erase(at, 1 + random() % 20);
          break;
        case 2:
          bytes.insert(at, inserts[random() % std::size(inserts)]);
          break;
        default:
          bytes.insert(at, bytes.substr(random() % bytes.size(), random() % 200));
          break;
      }
    }
    ReadAndCheck(bytes, catalogue);
  }
}

}  // namespace
}  // namespace kestrova

// The reader meets random and damaged files: it must neither crash nor hang, and
// what it keeps can never outgrow the file it read.
#include <gtest/gtest.h>

#include <random>

#include "store/ProjectFile.h"
#include "store/ProjectSamples.h"

namespace kestrova {
namespace {

void ReadAndCheck(const std::string& bytes) {
  ProjectState p;
  const Status result = ReadProjectText(bytes, p, test::SampleCatalogue());
  ASSERT_FALSE(p.Loading);
  ASSERT_TRUE(result.ok() || (result.code() == StatusCode::BadData && !result.message().empty() &&
                              result.line() > 0));
  // Every kept record or name took at least one line (the engine lists gain at most
  // the catalogue's engines on top).
  const size_t kept = p.AvailableEngines.size() + p.SelectedEngines.size() + p.Rankings.size() +
                      p.ReservedListOne.size() + p.ReservedListTwo.size() + p.PageAnalyses.size() +
                      p.ReservedListThree.size();
  ASSERT_LE(kept, std::count(bytes.begin(), bytes.end(), '\n') + 4u);
}

TEST(ProjectFileFuzz, RandomAndMutatedFilesAreReadOrRefusedWithoutHarm) {
  std::mt19937 random(20000513);
  // Mostly the characters the format is made of, so the reader gets some way in,
  // and the two bytes a reader must never trip over. Built from its bytes: a
  // string made from a plain C string would end at the NUL.
  constexpr char kAlphabet[] = "\"\r\n#0123456789-, TRUEFALS.:abc\x00\xff";
  const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
  ASSERT_EQ(alphabet.substr(alphabet.size() - 2), std::string("\0\xff", 2));
  for (int round = 0; round < 400; ++round) {
    std::string bytes(random() % 2000, '\0');
    for (char& c : bytes) {
      c = round % 2 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
    }
    ReadAndCheck(bytes);
  }
  const std::string valid = ProjectFileText(test::SampleProject());
  const std::string inserts[] = {"\"", "\r\n", "32767", "-1", "#TRUE#", "\"\"", "9", "\n\"x"};
  for (int round = 0; round < 1500; ++round) {
    std::string bytes = valid;
    for (int e = 0, edits = 1 + random() % 4; e < edits && !bytes.empty(); ++e) {
      const size_t at = random() % bytes.size();
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
      }
    }
    ReadAndCheck(bytes);
  }
}

}  // namespace
}  // namespace kestrova

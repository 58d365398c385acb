#include "base/Process.h"

#include <gtest/gtest.h>

namespace kestrova {
namespace {

TEST(Process, ArgumentsGoUnchangedWithoutAShellAndBothStreamsAndTheStatusComeBack) {
  const ProcessResult result = RunProcess(
      {"sh", "-c", "printf '[%s]' \"$@\"; echo err >&2; exit 3", "sh", "a b", "$HOME", "'q'; x"});
  EXPECT_TRUE(result.started);
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_FALSE(result.Succeeded());
  EXPECT_EQ(result.out, "[a b][$HOME]['q'; x]");
  EXPECT_EQ(result.err, "err\n");

  const ProcessResult missing = RunProcess({"kestrova-no-such-program"});
  EXPECT_FALSE(missing.started);
  EXPECT_FALSE(missing.Succeeded());
  EXPECT_FALSE(ProgramOnPath("kestrova-no-such-program"));
  EXPECT_TRUE(ProgramOnPath("sh"));
}

TEST(Process, TheChildSeesTheEnvironmentChanges) {
  ::setenv("KESTROVA_PROCESS_TEST_GONE", "still here", 1);
  const ProcessResult result = RunProcess(
      {"sh", "-c", "echo \"${KESTROVA_PROCESS_TEST_SET}|${KESTROVA_PROCESS_TEST_GONE-unset}\""},
      {{"KESTROVA_PROCESS_TEST_SET", "new value"}, {"KESTROVA_PROCESS_TEST_GONE", std::nullopt}});
  ::unsetenv("KESTROVA_PROCESS_TEST_GONE");
  ASSERT_TRUE(result.Succeeded());
  EXPECT_EQ(result.out, "new value|unset\n");
}

TEST(Process, AChildReadingInputEndsAndHugeOutputIsCappedWithoutBlockingIt) {
  // Standard input is empty, so cat ends at once instead of waiting for a person.
  EXPECT_EQ(RunProcess({"cat"}).out, "");
  const ProcessResult flood = RunProcess({"head", "-c", "5000000", "/dev/zero"});
  ASSERT_TRUE(flood.Succeeded());
  EXPECT_EQ(flood.out.size(), kProcessOutputLimit);
}

}  // namespace
}  // namespace kestrova

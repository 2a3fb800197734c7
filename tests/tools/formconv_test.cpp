// formconv run as a user runs it: where its output may and may not go.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadAll;
using testing_support::TempDir;

const std::string kBinaryForm = LXV_TEST_DATA_DIR "/forms/g01_ints.bin";

struct TRun {
  int Exit = -1;
  std::string Out;  // standard output, read through a pipe
  std::string Err;
};

TRun Formconv(const TempDir& dir, const std::string& in, const std::string& out) {
  const std::string command =
      std::string("'" LXV_FORMCONV "' '") + in + "' '" + out + "' 2>'" + dir.File("stderr") + "'";
  const testing_support::TCommandRun ran = testing_support::RunCommand(command);
  TRun run;
  run.Exit = ran.Exit;
  run.Out = ran.Out;
  run.Err = ReadAll(dir.File("stderr"));
  return run;
}

// Through a link made as /dev/stdout is made, so that a faulty writer
// replaces that link and not the system's.
TEST(Formconv, StandardOutputIsWrittenNotReplaced) {
  TempDir dir;
  fs::create_symlink("/proc/self/fd/1", dir.File("stdout"));
  const TRun run = Formconv(dir, kBinaryForm, dir.File("stdout"));
  EXPECT_EQ(run.Exit, 0) << run.Err;
  EXPECT_EQ(run.Out.rfind("object IntsForm: TVecForm", 0), 0u) << run.Out;
  EXPECT_TRUE(fs::is_symlink(dir.File("stdout")));
}

TEST(Formconv, AFullDeviceReportsNoSpace) {
  TempDir dir;
  const std::string full = testing_support::FullDevice(dir);
  const TRun run = Formconv(dir, kBinaryForm, full);
  EXPECT_EQ(run.Exit, 1);
  EXPECT_NE(run.Err.find("\"" + full + "\". No space left on device"), std::string::npos) << run.Err;
  struct stat info {};
  ASSERT_EQ(::stat(full.c_str(), &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode)) << full << " was replaced";
}

TEST(Formconv, LinksLeadToTheFileTheyName) {
  TempDir dir;
  fs::create_symlink("made.txt", dir.File("dangling"));
  fs::create_symlink(dir.File("dangling"), dir.File("out"));
  const TRun run = Formconv(dir, kBinaryForm, dir.File("out"));
  EXPECT_EQ(run.Exit, 0) << run.Err;
  EXPECT_TRUE(fs::is_symlink(dir.File("out")));
  EXPECT_TRUE(fs::is_symlink(dir.File("dangling")));
  EXPECT_EQ(ReadAll(dir.File("made.txt")).rfind("object IntsForm", 0), 0u);
}

TEST(Formconv, AReadOnlyOutputIsRefused) {
  TempDir dir;
  testing_support::WriteAll(dir.File("locked.txt"), "old");
  fs::permissions(dir.File("locked.txt"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const TRun run = Formconv(dir, kBinaryForm, dir.File("locked.txt"));
  EXPECT_EQ(run.Exit, 1);
  EXPECT_NE(run.Err.find("Cannot create file \"" + dir.File("locked.txt") + "\". Permission denied"),
            std::string::npos) << run.Err;
  EXPECT_EQ(ReadAll(dir.File("locked.txt")), "old");
}

// Names the text form cannot hold are refused, naming the object, and
// nothing is written: the text would not read back.
TEST(Formconv, NamesTheTextFormCannotHoldAreRefused) {
  TempDir dir;
  // "TPF0", class and name as short strings, no properties, no children.
  const std::string badName = std::string("TPF0\x05TForm\x07My Form", 18) + std::string(2, '\0');
  const std::string badClass = std::string("TPF0\x06TF\norm\x05" "Form1", 17) + std::string(2, '\0');
  for (const std::string& form : {badName, badClass}) {
    testing_support::WriteAll(dir.File("in.bin"), form);
    const TRun run = Formconv(dir, dir.File("in.bin"), dir.File("out.txt"));
    EXPECT_EQ(run.Exit, 1);
    EXPECT_NE(run.Err.find("the text form cannot hold the "), std::string::npos) << run.Err;
    EXPECT_FALSE(fs::exists(dir.File("out.txt")));
  }
  EXPECT_NE(Formconv(dir, dir.File("in.bin"), dir.File("out.txt")).Err.find("class name \"TF\norm\" of object Form1"),
            std::string::npos);
}

}  // namespace

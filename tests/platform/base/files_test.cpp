#include "platform/base/files.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/base/exceptions.h"
#include "support/temp_dir.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class FilesTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return dir_.File(name); }
  void Put(const std::string& name, const std::string& bytes) const {
    testing_support::WriteAll(PathOf(name), bytes);
  }
  std::string Get(const std::string& name) const { return ReadFileBytes(PathOf(name)); }

  // Names in the directory, to see that no temporary file is left behind.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_.Path())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  testing_support::TempDir dir_;
};

TEST_F(FilesTest, FileExistsOnlyForRegularFiles) {
  Put("a.txt", "x");
  fs::create_directory(PathOf("sub"));
  fs::create_symlink(PathOf("a.txt"), PathOf("link"));
  EXPECT_TRUE(FileExists(PathOf("a.txt")));
  EXPECT_TRUE(FileExists(PathOf("link")));
  EXPECT_FALSE(FileExists(PathOf("sub")));
  EXPECT_FALSE(FileExists(PathOf("missing.txt")));
  EXPECT_FALSE(FileExists(""));
}

TEST(FileNames, PathKeepsTrailingDelimiter) {
  EXPECT_EQ(ExtractFilePath("/home/user/app/form.txt"), "/home/user/app/");
  EXPECT_EQ(ExtractFileName("/home/user/app/form.txt"), "form.txt");
  EXPECT_EQ(ExtractFilePath("form.txt"), "");
  EXPECT_EQ(ExtractFileName("form.txt"), "form.txt");
  EXPECT_EQ(ExtractFilePath("/dir/"), "/dir/");
  EXPECT_EQ(ExtractFileName("/dir/"), "");
  EXPECT_EQ(ExtractFilePath("/"), "/");
  EXPECT_EQ(ExtractFilePath("a\\b.txt"), "");  // a backslash is an ordinary character here
}

TEST_F(FilesTest, ReadReturnsEveryByte) {
  const std::string bytes = "line1\r\nline2\rline3\n\0\xff end"s;
  Put("bin", bytes);
  EXPECT_EQ(Get("bin"), bytes);
  Put("empty", "");
  EXPECT_EQ(Get("empty"), "");
}

TEST_F(FilesTest, ReadFailureNamesPathAndReason) {
  const std::string missing = PathOf("missing.txt");
  try {
    ReadFileBytes(missing);
    FAIL() << "no exception";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file \"" + missing + "\". No such file or directory");
  }
  fs::create_directory(PathOf("sub"));
  EXPECT_THROW(ReadFileBytes(PathOf("sub")), EFOpenError);
}

TEST_F(FilesTest, WriteCreatesAndReplaces) {
  WriteFileAtomically(PathOf("t.txt"), "first version, rather long");
  EXPECT_EQ(Get("t.txt"), "first version, rather long");
  WriteFileAtomically(PathOf("t.txt"), "2nd\0"s);
  EXPECT_EQ(Get("t.txt"), "2nd\0"s);
  WriteFileAtomically(PathOf("t.txt"), "");
  EXPECT_EQ(Get("t.txt"), "");
  EXPECT_EQ(Entries(), std::vector<std::string>{"t.txt"});
}

TEST_F(FilesTest, WriteKeepsPermissionBitsAndHonoursUmask) {
  Put("t.txt", "old");
  fs::permissions(PathOf("t.txt"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  WriteFileAtomically(PathOf("t.txt"), "new");
  EXPECT_EQ(fs::status(PathOf("t.txt")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  const mode_t old = ::umask(022);
  WriteFileAtomically(PathOf("fresh.txt"), "x");
  ::umask(old);
  EXPECT_EQ(fs::status(PathOf("fresh.txt")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(FilesTest, WriteThroughSymlinkReplacesTheFileItNames) {
  Put("real.txt", "old");
  fs::create_symlink(PathOf("real.txt"), PathOf("link.txt"));
  WriteFileAtomically(PathOf("link.txt"), "new");
  EXPECT_TRUE(fs::is_symlink(PathOf("link.txt")));
  EXPECT_EQ(Get("real.txt"), "new");
}

TEST_F(FilesTest, WriteFollowsAChainOfLinksDanglingOrNot) {
  Put("real.txt", "old");
  fs::create_symlink("real.txt", PathOf("inner"));
  fs::create_symlink(PathOf("inner"), PathOf("outer"));
  WriteFileAtomically(PathOf("outer"), "new");
  EXPECT_EQ(Get("real.txt"), "new");

  fs::create_directory(PathOf("sub"));
  fs::create_symlink("made.txt", PathOf("sub/dangling"));  // relative to the link's folder
  fs::create_symlink(PathOf("sub/dangling"), PathOf("to-dangling"));
  WriteFileAtomically(PathOf("to-dangling"), "created");
  EXPECT_EQ(Get("sub/made.txt"), "created");
  for (const char* link : {"inner", "outer", "sub/dangling", "to-dangling"})
    EXPECT_TRUE(fs::is_symlink(PathOf(link))) << link;
  EXPECT_EQ(Entries(), (std::vector<std::string>{"inner", "outer", "real.txt", "sub", "to-dangling"}));

  fs::create_symlink("loop", PathOf("loop"));
  EXPECT_THROW(WriteFileAtomically(PathOf("loop"), "x"), EFCreateError);
}

TEST_F(FilesTest, DevicesAndPipesAreWrittenInPlace) {
  const std::string full = testing_support::FullDevice(dir_);
  try {
    WriteFileAtomically(full, "data");
    FAIL() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file \"" + full + "\". No space left on device");
  }
  struct stat info {};
  ASSERT_EQ(::stat(full.c_str(), &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode)) << full << " was replaced";

  const std::string pipe = PathOf("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  WriteFileAtomically(pipe, "through the pipe");
  char buffer[64] = {};
  EXPECT_EQ(::read(reader, buffer, sizeof buffer), 16);
  ::close(reader);
  EXPECT_STREQ(buffer, "through the pipe");
  EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST_F(FilesTest, FileTheUserMayNotWriteIsRefused) {
  Put("t.txt", "old");
  fs::permissions(PathOf("t.txt"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_symlink(PathOf("t.txt"), PathOf("link"));
  for (const char* name : {"t.txt", "link"}) {
    try {
      WriteFileAtomically(PathOf(name), "new");
      FAIL() << "no exception for " << name;
    } catch (const EFCreateError& e) {
      EXPECT_EQ(e.Message(), "Cannot create file \"" + PathOf(name) + "\". Permission denied");
    }
  }
  EXPECT_EQ(Get("t.txt"), "old");
  EXPECT_EQ(fs::status(PathOf("t.txt")).permissions(),
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"link", "t.txt"}));
}

TEST_F(FilesTest, TargetThatIsADirectoryIsLeftAlone) {
  fs::create_directory(PathOf("sub"));
  Put("sub/inner.txt", "keep");
  try {
    WriteFileAtomically(PathOf("sub"), "data");
    FAIL() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file \"" + PathOf("sub") + "\". Is a directory");
  }
  EXPECT_EQ(Get("sub/inner.txt"), "keep");
  EXPECT_EQ(Entries(), std::vector<std::string>{"sub"});
}

TEST_F(FilesTest, MissingDirectoryRaisesCreateError) {
  EXPECT_THROW(WriteFileAtomically(PathOf("no/such/dir.txt"), "x"), EFCreateError);
  Put("plain", "x");
  EXPECT_THROW(WriteFileAtomically(PathOf("plain/child.txt"), "x"), EFCreateError);
  EXPECT_EQ(Get("plain"), "x");
}

// A write cut short by the file-size limit must leave the old content.
TEST_F(FilesTest, FailedWriteKeepsOldFile) {
  Put("t.txt", "old content");
  bool raised = false;
  try {
    const testing_support::TFileSizeLimit full(4096);
    WriteFileAtomically(PathOf("t.txt"), std::string(10000, 'n'));
  } catch (const EFCreateError& e) {
    raised = true;
    EXPECT_NE(e.Message().find("File too large"), std::string::npos) << e.Message();
  }
  EXPECT_TRUE(raised);
  EXPECT_EQ(Get("t.txt"), "old content");
  EXPECT_EQ(Entries(), std::vector<std::string>{"t.txt"});
}

TEST_F(FilesTest, ReadOnlyDirectoryKeepsOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  Put("t.txt", "old");
  fs::permissions(dir_.Path(), fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_THROW(WriteFileAtomically(PathOf("t.txt"), "new"), EFCreateError);
  fs::permissions(dir_.Path(), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(Get("t.txt"), "old");
  EXPECT_EQ(Entries(), std::vector<std::string>{"t.txt"});
}

}  // namespace
}  // namespace platform

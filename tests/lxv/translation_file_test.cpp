// Translation files: saving replaces only the component's own lines, loading
// merges them, malformed lines leave the file intact, and the limits.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "Lxv/TableLine.h"
#include "Lxv/TranslationFile.h"
#include "lxv/bisection_model.h"
#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/classes/component.h"
#include "platform/forms/screen.h"
#include "platform/rtti/published.h"
#include "support/temp_dir.h"

using Lxv::LoadTranslationFile;
using Lxv::SaveTranslationFile;
using Lxv::TSortList;
using testing_support::ReadAll;
using testing_support::WriteAll;

namespace {

// An owner whose class name is longer than an owner name may be.
class TLongNamed : public platform::TComponent {
  LXV_CLASS(TLongNamed, platform::TComponent)
 public:
  using TComponent::TComponent;
};

platform::TClass TLongNamed::StaticClass() {
  static const platform::TClassInfo info =
      platform::TClassBuilder<TLongNamed>("T" + std::string(253, 'x') + "\xC3\xA9\xC3\xA9").Build();
  return &info;
}

std::vector<std::string> Lines(const platform::TStrings& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) out.emplace_back(list.Strings(i));
  return out;
}

std::vector<std::string> FileLines(const std::string& path) {
  TSortList list;
  list.LoadFromFile(path);
  return Lines(list);
}

// About sixty lines per locale, in table order.
void AddLocale(TSortList& table, int lcid, const std::string& valueTag) {
  for (int i = 1; i <= 60; ++i)
    table.SortInsert(platform::IntToHex(lcid, 8) + "_KEY" + std::to_string(i) + "=" + valueTag + std::to_string(i),
                     nullptr);
}

class TranslationFile : public ::testing::Test {
 protected:
  testing_support::TempDir dir_;
  std::string file_ = dir_.File("t.txt");
};

TEST_F(TranslationFile, TwoLocalesIntoNewFileAndSaveAfterChange) {
  TSortList table;
  AddLocale(table, 0x409, "en");
  AddLocale(table, 0x407, "de");
  const platform::TCursorScope shown(7);  // the save must give this cursor back
  SaveTranslationFile(table, "Form1", 0, file_);
  EXPECT_EQ(platform::Screen().Cursor(), 7);

  const std::string bytes = ReadAll(file_);
  const std::vector<std::string> lines = FileLines(file_);
  ASSERT_EQ(lines.size(), 120u);
  std::size_t crlf = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++crlf;
  EXPECT_EQ(crlf, 120u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "#2Form1.00000409_KEY7%0=en7"), lines.end());
  for (const std::string& line : lines) EXPECT_EQ(line.rfind("#2Form1.0000040", 0), 0u) << line;

  const std::string key(table.Strings(6).substr(0, table.Strings(6).find('=')));
  table.SetStrings(6, key + "=changed");
  SaveTranslationFile(table, "Form1", 0, file_);
  const std::vector<std::string> again = FileLines(file_);
  EXPECT_EQ(again.size(), 120u);
  EXPECT_NE(std::find(again.begin(), again.end(), "#2Form1." + key + "%0=changed"), again.end());
}

// A file edited by hand out of order: each new line goes where the bisection
// puts it, not after the last line it exceeds.
TEST_F(TranslationFile, SaveIntoAFileOutOfOrderPlacesEachLineByBisection) {
  WriteAll(file_, "zz\r\n#2Form1.00000000_A%1=x\r\n");
  TSortList table;
  table.SortInsert("00000409_A=v", nullptr);
  table.SortInsert("00000409_B=w", nullptr);
  SaveTranslationFile(table, "Form1", 0, file_);
  EXPECT_EQ(FileLines(file_), (std::vector<std::string>{"#2Form1.00000409_A%0=v", "#2Form1.00000409_B%0=w", "zz",
                                                        "#2Form1.00000000_A%1=x"}));
}

// Files in order and out of order, tables with equal lines: the file ends up
// as the model's insertions, one by one in table order, make it.
TEST_F(TranslationFile, SaveGivesWhatInsertionOneByOneGives) {
  std::mt19937 rng(5);
  auto pick = [&rng](std::initializer_list<const char*> from) { return std::string(from.begin()[rng() % from.size()]); };
  for (int trial = 0; trial < 100; ++trial) {
    std::vector<std::string> file;
    for (int i = static_cast<int>(rng() % 12); i > 0; --i)
      file.push_back(pick({"zz", "#", "#2Form1.", "#2Form2.", "#2Form1x."}) + pick({"A", "B", "C"}) + "%" +
                     pick({"0", "1", "-1"}) + "=" + pick({"v", "w"}));
    if (trial % 2) std::sort(file.begin(), file.end());
    std::string bytes;
    lxvtest::TModelLines expected;
    for (const std::string& line : file) {
      bytes += line + "\r\n";
      const bool dropped = line.starts_with("#2Form1.") && (line.find("%0=") != std::string::npos ||
                                                             line.find("%-1=") != std::string::npos);
      if (!dropped) expected.emplace_back(line, 0);
    }
    WriteAll(file_, bytes);
    TSortList table;
    for (int i = static_cast<int>(rng() % 6); i > 0; --i) table.SortInsert(pick({"A", "B", "C"}) + "=" + pick({"v", "w"}), nullptr);
    for (int i = 0; i < table.Count(); ++i) {
      const std::string line(table.Strings(i));
      lxvtest::ModelInsert(expected, "#2Form1." + line.substr(0, 1) + "%0" + line.substr(1), 0);
    }
    SaveTranslationFile(table, "Form1", 0, file_);
    std::vector<std::string> expectedLines;
    for (const auto& [line, object] : expected) expectedLines.push_back(line);
    ASSERT_EQ(FileLines(file_), expectedLines) << trial << "\n" << bytes;
  }
}

TEST_F(TranslationFile, OwnersAndTagsKeepTheirLines) {
  TSortList one, two;
  one.SortInsert("00000409_A=form1", nullptr);
  two.SortInsert("00000409_A=form2", nullptr);
  SaveTranslationFile(one, "Form1", 0, file_);
  SaveTranslationFile(two, "Form2", 0, file_);
  SaveTranslationFile(two, "Form1", 2, file_);
  WriteAll(file_, ReadAll(file_) + "#2Form1.00000409_A%-1=shared\r\n#2Form2.00000409_A%-1=other\r\n");

  TSortList back;
  ASSERT_TRUE(LoadTranslationFile(back, "Form2", 0, file_));
  EXPECT_EQ(Lines(back), std::vector<std::string>{"00000409_A=form2"});
  TSortList shared;
  ASSERT_TRUE(LoadTranslationFile(shared, "Form1", -1, file_));
  EXPECT_EQ(Lines(shared), std::vector<std::string>{"00000409_A=shared"});
  TSortList none;
  ASSERT_TRUE(LoadTranslationFile(none, "Form1", 1, file_));  // a file without lines of the tag
  EXPECT_EQ(none.Count(), 0);

  // Any save of Form1 drops Form1's -1 lines, whatever its own tag; Form2's stay.
  SaveTranslationFile(one, "Form1", 1, file_);
  EXPECT_EQ(FileLines(file_), (std::vector<std::string>{
                                  "#2Form1.00000409_A%0=form1",
                                  "#2Form1.00000409_A%1=form1",
                                  "#2Form1.00000409_A%2=form2",
                                  "#2Form2.00000409_A%0=form2",
                                  "#2Form2.00000409_A%-1=other",
                              }));
}

TEST_F(TranslationFile, LoadMergesKeepsReplacesAddsAndStaysSorted) {
  TSortList table;
  AddLocale(table, 0x407, "de");
  table.SortInsert("00000409_KEY1=old", nullptr);
  table.SortInsert("00000409_ONLYTABLE=t", nullptr);
  WriteAll(file_,
           "#2Form1.00000409_KEY1%0=new\r\n"
           "#2Form1.00000409_NEW%0=n\r\n"
           "#2Other.00000409_KEY1%0=foreign\r\n"
           "\r\n"
           "no dot here\r\n"
           "#2Form1\r\n"
           "#2Form1.00000409_KEY2%1=other tag\r\n");
  ASSERT_TRUE(LoadTranslationFile(table, "Form1", 0, file_));
  const std::vector<std::string> lines = Lines(table);
  EXPECT_EQ(lines.size(), 63u);
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
  for (const char* expected : {"00000409_KEY1=new", "00000409_NEW=n", "00000409_ONLYTABLE=t", "00000407_KEY5=de5"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;

  // Saving keeps every line of another shape or owner, in its order.
  SaveTranslationFile(table, "Form1", 0, file_);
  const std::vector<std::string> saved = FileLines(file_);
  std::vector<std::string> foreign;
  for (const std::string& line : saved)
    if (line.rfind("#2Form1.", 0) != 0) foreign.push_back(line);
  EXPECT_EQ(foreign, (std::vector<std::string>{"#2Other.00000409_KEY1%0=foreign", "", "no dot here", "#2Form1"}));
  EXPECT_EQ(saved.size(), 63u + 4 + 1);  // the table, the foreign lines, Form1's tag 1
}

TEST_F(TranslationFile, KeyThatPrefixesAnotherKey) {
  TSortList table;
  table.SortInsert("00000409_A=1", nullptr);
  table.SortInsert("00000409_A1=2", nullptr);
  WriteAll(file_, "#2F.00000409_A%0=9\r\n");
  ASSERT_TRUE(LoadTranslationFile(table, "F", 0, file_));
  EXPECT_EQ(Lines(table), (std::vector<std::string>{"00000409_A1=2", "00000409_A=9"}));
  WriteAll(file_, "#2F.00000409_A1%0=8\r\n");
  ASSERT_TRUE(LoadTranslationFile(table, "F", 0, file_));
  EXPECT_EQ(Lines(table), (std::vector<std::string>{"00000409_A1=8", "00000409_A=9"}));
}

TEST_F(TranslationFile, ValuesAreTakenWhole) {
  TSortList table;
  table.SortInsert("00000409_A=x=y%z.w", nullptr);
  table.SortInsert("00000409_C=", nullptr);
  SaveTranslationFile(table, "F", 0, file_);
  TSortList back;
  ASSERT_TRUE(LoadTranslationFile(back, "F", 0, file_));
  EXPECT_EQ(Lines(back), (std::vector<std::string>{"00000409_A=x=y%z.w", "00000409_C="}));
}

// A line break would cut the value and make its rest a line of its own,
// here one that passes for a line of the owner.
TEST_F(TranslationFile, ValueWithLineBreakIsRefusedAndFileKept) {
  const std::string old = "#2F.00000409_A%0=1\r\n";
  for (const char* brk : {"\r\n", "\r", "\n"}) {
    WriteAll(file_, old);
    TSortList table;
    table.SortInsert("00000409_A=2", nullptr);
    table.SortInsert(std::string("00000409_B=x") + brk + "#2F.00000409_INJECTED%0=1", nullptr);
    try {
      SaveTranslationFile(table, "F", 3, file_);
      FAIL() << "no exception";
    } catch (const platform::EWriteError& e) {
      for (const std::string& part : std::vector<std::string>{"\"" + file_ + "\"", "key 00000409_B", "(locale 00000409, tag 3)"})
        EXPECT_NE(e.Message().find(part), std::string::npos) << e.Message();
    }
    EXPECT_EQ(ReadAll(file_), old);
  }
}

// Every reader skips a byte-order mark; no writer puts one, but before a
// first line whose own bytes begin with one.
TEST_F(TranslationFile, ByteOrderMarkIsSkippedAndNotWritten) {
  const std::string bom = "\xEF\xBB\xBF";
  WriteAll(file_, bom + "#2F.00000409_A%0=1\r\n#2G.00000409_A%0=g\r\n");
  TSortList table;
  ASSERT_TRUE(LoadTranslationFile(table, "F", 0, file_));
  EXPECT_EQ(Lines(table), std::vector<std::string>{"00000409_A=1"});
  TSortList other;
  other.SortInsert("00000409_A=h", nullptr);
  SaveTranslationFile(other, "H", 0, file_);
  EXPECT_EQ(ReadAll(file_), "#2F.00000409_A%0=1\r\n#2G.00000409_A%0=g\r\n#2H.00000409_A%0=h\r\n");

  // A line of another shape that starts with the mark's bytes comes first
  // once the lines before it go; read back, it is still that line.
  WriteAll(file_, "#2F.00000409_A%0=1\r\n" + bom + "#2F.00000409_A%x=bad\r\n");
  SaveTranslationFile(TSortList(), "F", 0, file_);
  EXPECT_EQ(ReadAll(file_), bom + bom + "#2F.00000409_A%x=bad\r\n");
  TSortList back;
  ASSERT_TRUE(LoadTranslationFile(back, "F", 0, file_));
  EXPECT_EQ(back.Count(), 0);
}

// Two processes saving into one file at once, each a new owner's table in
// every round: a save that read the file before the other's rename and
// replaced it after would lose the other's lines for good.
TEST_F(TranslationFile, ConcurrentSavesKeepEveryLine) {
  constexpr int kRounds = 50;
  const std::string bases[2] = {"FormA", "FormB"};
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  pid_t children[2];
  for (int i = 0; i < 2; ++i) {
    children[i] = ::fork();
    ASSERT_GE(children[i], 0);
    if (children[i] != 0) continue;
    ::close(start[1]);
    char go;
    if (::read(start[0], &go, 1) != 0) ::_exit(3);  // both begin when the pipe closes
    try {
      TSortList table;
      AddLocale(table, 0x409, bases[i]);
      for (int round = 0; round < kRounds; ++round)
        SaveTranslationFile(table, bases[i] + std::to_string(round), 0, file_);
    } catch (...) {
      ::_exit(2);
    }
    ::_exit(0);
  }
  ::close(start[0]);
  ::close(start[1]);
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  EXPECT_EQ(FileLines(file_).size(), 2u * kRounds * 60);
  for (const std::string& base : bases)
    for (int round = 0; round < kRounds; ++round) {
      TSortList back;
      ASSERT_TRUE(LoadTranslationFile(back, base + std::to_string(round), 0, file_));
      EXPECT_EQ(back.Count(), 60) << base << round;
    }
}

// Saving refuses a file the readers would refuse, before it writes.
TEST_F(TranslationFile, SaveRefusesAFilePastTheReadersLimits) {
  std::string full;
  for (std::size_t i = 0; i < platform::kMaxTextFileLines; ++i) full += "x\r\n";
  WriteAll(file_, full);
  TSortList table;
  table.SortInsert("00000409_A=1", nullptr);
  EXPECT_THROW(SaveTranslationFile(table, "F", 0, file_), platform::EWriteError);
  EXPECT_EQ(ReadAll(file_).size(), full.size());
}

TEST_F(TranslationFile, MissingFileAndOwnerNames) {
  TSortList table;
  table.SortInsert("00000409_A=1", nullptr);
  EXPECT_FALSE(LoadTranslationFile(table, "F", 0, dir_.File("absent.txt")));
  EXPECT_EQ(Lines(table), std::vector<std::string>{"00000409_A=1"});

  platform::TComponent form(nullptr);
  EXPECT_EQ(Lxv::TranslationOwnerName(&form), "Component");
  form.SetName("MainForm");
  EXPECT_EQ(Lxv::TranslationOwnerName(&form), "MainForm");
  EXPECT_EQ(Lxv::TranslationOwnerName(nullptr), "");
  TLongNamed unnamed(nullptr);  // cut after 255 bytes, on a character boundary
  EXPECT_EQ(Lxv::TranslationOwnerName(&unnamed), std::string(253, 'x') + "\xC3\xA9");
  SaveTranslationFile(table, "", 0, file_);
  EXPECT_EQ(ReadAll(file_), "#2.00000409_A%0=1\r\n");
}

// Values longer than the limit are cut before a character, not inside one.
TEST_F(TranslationFile, LongValuesCutOnCharacterBoundary) {
  std::string value;
  while (value.size() < 5000) value += "\xE2\x82\xAC";  // three bytes each
  TSortList table;
  table.SortInsert("00000409_A=" + value, nullptr);
  SaveTranslationFile(table, "F", 0, file_);
  const std::string line = FileLines(file_).at(0);
  const std::string written = line.substr(line.find('='));
  EXPECT_EQ(written, "=" + value.substr(0, 4092));  // 4095 would split the 1365th character

  WriteAll(file_, "#2F.00000409_A%0=" + value + "\r\n");
  TSortList back;
  ASSERT_TRUE(LoadTranslationFile(back, "F", 0, file_));
  // After the ".", "00000409_A%0=" takes 13 bytes: 4082 remain, cut to 4080.
  EXPECT_EQ(back.Strings(0), "00000409_A=" + value.substr(0, 4080));

  // No character has more than three continuation bytes: a longer run is
  // not UTF-8 and is cut where the limit falls.
  const std::string broken = std::string(4000, 'a') + std::string(1000, '\x80');
  EXPECT_EQ(Lxv::TableValue(broken), std::string_view(broken).substr(0, 4095));
  // A four-byte character has three continuation bytes: 4095 falls on the
  // last of them, and the cut goes back to the character's start.
  std::string faces;
  while (faces.size() < 5000) faces += "\xF0\x9F\x98\x80";
  EXPECT_EQ(Lxv::TableValue(faces), std::string_view(faces).substr(0, 4092));
}

TEST_F(TranslationFile, MalformedTagInSaveLeavesFileIntact) {
  const std::string old = "#2F.00000409_A%0=1\r\n#2F.00000409_B=no tag\r\n#2G.00000409_A%x=not ours\r\n";
  WriteAll(file_, old);
  TSortList table;
  table.SortInsert("00000409_C=3", nullptr);
  const platform::TCursorScope shown(3);
  try {
    SaveTranslationFile(table, "F", 0, file_);
    FAIL() << "no exception";
  } catch (const platform::EConvertError& e) {
    EXPECT_NE(e.Message().find("\"" + file_ + "\", line 2"), std::string::npos) << e.Message();
  }
  EXPECT_EQ(platform::Screen().Cursor(), 3);
  EXPECT_EQ(ReadAll(file_), old);
  for (const auto& entry : std::filesystem::directory_iterator(dir_.Path()))  // no temporary left
    EXPECT_TRUE(entry.path() == file_ || entry.path() == file_ + ".lock") << entry.path();
}

// All or nothing: a bad tag anywhere leaves the table as it was.
TEST_F(TranslationFile, MalformedTagInLoadMergesNothing) {
  WriteAll(file_, "#2F.00000409_A%0=1\r\n#2F.00000409_B%zz=2\r\n#2F.00000409_C%0=3\r\n");
  TSortList table;
  table.SortInsert("00000409_A=old", nullptr);
  try {
    LoadTranslationFile(table, "F", 0, file_);
    FAIL() << "no exception";
  } catch (const platform::EConvertError& e) {
    EXPECT_NE(e.Message().find("line 2: 'zz'"), std::string::npos) << e.Message();
  }
  EXPECT_EQ(Lines(table), std::vector<std::string>{"00000409_A=old"});
  // A line that is the owner's prefix and "." alone is the owner's, and has
  // no tag: found in a file in order too.
  WriteAll(file_, "#2F.\r\n#2F.00000409_A%0=1\r\n");
  EXPECT_THROW(LoadTranslationFile(table, "F", 0, file_), platform::EConvertError);
}

// The tag and the owner's class name are cut at 255 bytes before a
// character, not inside one: 254 zeros and a two-byte character read as 0.
TEST_F(TranslationFile, TagCutOnCharacterBoundary) {
  WriteAll(file_, "#2F.00000409_A%" + std::string(254, '0') + "\xC3\xA9=1\r\n");
  TSortList table;
  ASSERT_TRUE(LoadTranslationFile(table, "F", 0, file_));
  EXPECT_EQ(Lines(table), std::vector<std::string>{"00000409_A=1"});
}

// A write cut short (here by the file-size limit, as on a full device) or
// refused by the directory raises and keeps the old file.
class FailedSave : public TranslationFile {
 protected:
  void SetUp() override {
    WriteAll(file_, old_);
    for (int i = 0; i < 400; ++i) table_.SortInsert("00000409_K" + std::to_string(i) + "=some value", nullptr);
  }
  const std::string old_ = "#2F.00000409_A%0=old\r\n";
  TSortList table_;
};

TEST_F(FailedSave, FullDeviceKeepsOldFile) {
  {
    const testing_support::TFileSizeLimit full(4096);
    EXPECT_THROW(SaveTranslationFile(table_, "F", 0, file_), platform::EFCreateError);
  }
  EXPECT_EQ(ReadAll(file_), old_);
}

TEST_F(FailedSave, ReadOnlyDirectoryKeepsOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  namespace fs = std::filesystem;
  fs::permissions(dir_.Path(), fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_THROW(SaveTranslationFile(table_, "F", 0, file_), platform::EFCreateError);
  fs::permissions(dir_.Path(), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(ReadAll(file_), old_);
}

}  // namespace

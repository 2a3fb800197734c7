// lxvtrans run as a user runs it, on files it must not take for sound.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::WriteAll;

struct TRun {
  int Exit = -1;
  std::string Out;  // standard output and standard error, in that order
};

TRun Lxvtrans(const TempDir& dir, const std::string& args) {
  const testing_support::TCommandRun ran = testing_support::RunCommand(
      "cd '" + dir.Path().string() + "' && '" LXV_LXVTRANS "' " + args + " 2>stderr");
  return {ran.Exit, ran.Out + ReadAll(dir.File("stderr"))};
}

void ExpectHas(const TRun& run, const std::string& part) {
  EXPECT_NE(run.Out.find(part), std::string::npos) << "no \"" << part << "\" in:\n" << run.Out;
}

// The orders form of tests/lxvtrans, its first table's last value changed.
std::string OrdersForm(const std::string& englishValue) {
  std::string form = ReadAll(LXV_TEST_SOURCE_DIR "/lxvtrans/orders_form.txt");
  const std::string old = "'00000409_SLANGUAGE=English'";
  form.replace(form.find(old), old.size(), "'00000409_SLANGUAGE=" + englishValue);
  return form;
}

TEST(Lxvtrans, CheckReportsBytesCutsLinesWithoutEqualsAndMissingKeys) {
  TempDir dir;
  WriteAll(dir.File("t.txt"), "\xEF\xBB\xBF#2F.00000409_SHORTDATEFORMAT%0=M/d/yyyy\r\n"s
                              "#2F.00000409_A%0=a\0b\r\n"
                              "#2F.00000409_B%0=\xFF\r\n"
                              "#2F.00000409_C%0=" + std::string(5000, 'v') + "\r\n"
                              "#2F.00000409_D%0=" + std::string(5000, 'v') + "\r\n"
                              "#2F.00000409_E%0\r\n");
  const TRun run = Lxvtrans(dir, "check t.txt");
  EXPECT_EQ(run.Exit, 1);
  ExpectHas(run, "NUL bytes, which no table value can hold, on 1 line (first: line 2)");
  ExpectHas(run, "bytes that are not UTF-8 text on 1 line (first: line 3)");
  ExpectHas(run, "2 values are longer than 4095 characters and cut on loading (first: key 00000409_C on line 4)");
  ExpectHas(run, "line 6: no \"=\": key 00000409_E");
  ExpectHas(run, "owner \"F\", tag 0, locale 00000409 lacks 57 of the 58 catalogue keys: _CURRENCYDECIMALS");
  EXPECT_EQ(run.Out.find("_SHORTDATEFORMAT "), std::string::npos) << run.Out;  // the line after the mark counts
  ExpectHas(run, "t.txt: 5 problems in 6 lines");
}

TEST(Lxvtrans, CheckRefusesFilesWithoutComponentLines) {
  TempDir dir;
  std::string noise;
  for (unsigned state = 1; noise.size() < 20000;) noise += static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
  WriteAll(dir.File("noise.bin"), noise);
  WriteAll(dir.File("form.txt"), ReadAll(LXV_TEST_SOURCE_DIR "/lxvtrans/orders_form.txt"));
  for (const char* file : {"noise.bin", "form.txt"}) {
    const TRun run = Lxvtrans(dir, std::string("check ") + file);
    EXPECT_EQ(run.Exit, 1) << file;
    ExpectHas(run, "no line of any component");
  }
}

TEST(Lxvtrans, ExtractRefusesAValueWithALineBreakAndWritesNothing) {
  TempDir dir;
  WriteAll(dir.File("form.txt"), OrdersForm("x'#13#10'#2MainForm.00000409_INJECTED%0=1'"));
  const TRun run = Lxvtrans(dir, "extract form.txt t.txt");
  EXPECT_EQ(run.Exit, 1);
  ExpectHas(run, "lxvtrans: Cannot save translation file \"t.txt\": the value of key 00000409_SLANGUAGE");
  EXPECT_FALSE(fs::exists(dir.File("t.txt")));
}

TEST(Lxvtrans, InjectSaysWhatIsThereCutsAndReportsOnlyWhatWasWritten) {
  TempDir dir;
  fs::create_directory(dir.File("sub"));
  WriteAll(dir.File("form.txt"), ReadAll(LXV_TEST_SOURCE_DIR "/lxvtrans/orders_form.txt"));
  TRun run = Lxvtrans(dir, "inject sub form.txt");
  EXPECT_EQ(run.Exit, 1);
  ExpectHas(run, "Translation file \"sub\" is a directory");

  WriteAll(dir.File("t.txt"), "#2MainForm.00000409_SLANGUAGE%0=" + std::string(5000, 'e') + "\r\n");
  run = Lxvtrans(dir, "inject t.txt form.txt missing/out.txt");
  EXPECT_EQ(run.Exit, 1);
  EXPECT_EQ(run.Out.find("after merging"), std::string::npos) << run.Out;

  run = Lxvtrans(dir, "inject t.txt form.txt out.txt");
  EXPECT_EQ(run.Exit, 0) << run.Out;
  ExpectHas(run, "4 after merging t.txt; 1 value cut to 4095 characters (first: key 00000409_SLANGUAGE)");
}

}  // namespace

namespace {

// A value that cannot work once applied is a problem of check; preview
// formats with the owner's lines of the locale.
TEST(Lxvtrans, CheckReportsValuesThatCannotWorkAndPreviewFormatsWithTheFile) {
  TempDir dir;
  WriteAll(dir.File("t.txt"), "#2F.00000407_CURRENCYSTRING%0=EUR\r\n"
                              "#2F.00000407_DECIMALSEPARATOR%0=,\r\n"
                              "#2F.00000407_NEGCURRFORMAT%0=16\r\n"
                              "#2F.00000407_SHORTDATEFORMAT%0=dd.MM.yyyy\r\n"
                              "#2F.00000407_THOUSANDSEPARATOR%0=..\r\n");
  const TRun check = Lxvtrans(dir, "check t.txt");
  EXPECT_EQ(check.Exit, 1);
  ExpectHas(check, "key 00000407_NEGCURRFORMAT of owner \"F\": ");
  ExpectHas(check, "key 00000407_THOUSANDSEPARATOR of owner \"F\": ");
  EXPECT_EQ(check.Out.find("key 00000407_SHORTDATEFORMAT of owner"), std::string::npos) << check.Out;

  const TRun preview = Lxvtrans(dir, "preview t.txt F 407");
  EXPECT_EQ(preview.Exit, 0) << preview.Out;
  ExpectHas(preview, "short date  25.03.2024");
  ExpectHas(preview, ",50");
  EXPECT_EQ(Lxvtrans(dir, "preview t.txt F 40C").Exit, 1);
  EXPECT_EQ(Lxvtrans(dir, "preview t.txt Other 407").Exit, 1);
}

}  // namespace

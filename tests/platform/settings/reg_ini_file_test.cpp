#include "platform/settings/reg_ini_file.h"

#include <gtest/gtest.h>

#include "platform/base/scope_exit.h"
#include "support/temp_dir.h"

using namespace platform;
using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::WriteAll;

namespace {

class RegIniFile : public ::testing::Test {
 protected:
  RegIniFile() { SetSettingsDirectory(dir.Path().string()); }
  ~RegIniFile() override { SetSettingsDirectory(""); }
  std::string KeyFile() const { return dir.File("Software/Korvane.ini"); }
  TempDir dir;
};

TEST_F(RegIniFile, ValuesSurviveIntoTheNextOpenAndSeeEachOther) {
  {
    TRegIniFile first("Software\\Korvane");
    TRegIniFile second("Software\\Korvane");
    first.WriteString("Lexivar", "EditFontName", "Arial");
    second.WriteBool("Lexivar", "MoveNextUntranslated", true);
    first.WriteString("Other", "X", "1");
  }
  TRegIniFile again("Software\\Korvane");
  EXPECT_EQ(again.ReadString("lexivar", "editfontname", "-"), "Arial");  // names ignore case
  EXPECT_TRUE(again.ReadBool("Lexivar", "MoveNextUntranslated", false));
  EXPECT_EQ(again.ReadString("Other", "X", "-"), "1");
  EXPECT_EQ(ReadAll(KeyFile()), "[Lexivar]\nEditFontName=Arial\nMoveNextUntranslated=1\n\n[Other]\nX=1\n");
  again.WriteString("Lexivar", "EditFontName", "Courier");
  EXPECT_EQ(ReadAll(KeyFile()), "[Lexivar]\nEditFontName=Courier\nMoveNextUntranslated=1\n\n[Other]\nX=1\n");
}

TEST_F(RegIniFile, MissingOrMalformedFilesReadAsDefaults) {
  TRegIniFile settings("Software\\Korvane");
  EXPECT_EQ(settings.ReadString("Lexivar", "LoadLocales", "none"), "none");
  std::filesystem::create_directories(dir.File("Software"));
  WriteAll(KeyFile(), std::string("\x01garbage\n[Lexivar\n=x\n[Lexivar]\r\nFlag=yes\r\nN=12a\n") + '\0' + "\n");
  EXPECT_EQ(settings.ReadString("Lexivar", "Flag", ""), "yes");
  EXPECT_TRUE(settings.ReadBool("Lexivar", "Flag", true));
  EXPECT_FALSE(settings.ReadBool("Lexivar", "Flag", false));
  EXPECT_EQ(settings.ReadInteger("Lexivar", "N", 7), 7);
  // Lines it does not understand are kept when a value is written.
  settings.WriteBool("Lexivar", "Flag", false);
  EXPECT_FALSE(settings.ReadBool("Lexivar", "Flag", true));
  EXPECT_NE(ReadAll(KeyFile()).find("\x01garbage\n[Lexivar\n=x\n"), std::string::npos);
}

TEST_F(RegIniFile, RefusesWhatItCannotStore) {
  EXPECT_THROW(TRegIniFile("Software\\..\\Escape"), ERegistryException);
  EXPECT_THROW(TRegIniFile("Software\\a/b"), ERegistryException);
  EXPECT_THROW(TRegIniFile(""), ERegistryException);
  TRegIniFile settings("Software\\Korvane");
  settings.WriteString("Lexivar", "Kept", "old");
  const std::string before = ReadAll(KeyFile());
  try {
    settings.WriteString("Lexivar", "LoadLocales", "two\nlines");
    FAIL() << "a line break was stored";
  } catch (const ERegistryException& e) {
    EXPECT_NE(std::string(e.what()).find("LoadLocales"), std::string::npos);
  }
  EXPECT_THROW(settings.WriteString("Lexivar", "a=b", "x"), ERegistryException);
  EXPECT_THROW(settings.WriteString("Lex]", "a", "x"), ERegistryException);
  EXPECT_EQ(ReadAll(KeyFile()), before);
}

TEST_F(RegIniFile, AnUnwritableDirectoryRaisesAndReadsDefaults) {
  SetSettingsDirectory("/dev/null/settings");
  TRegIniFile settings("Software\\Korvane");
  EXPECT_EQ(settings.ReadString("Lexivar", "EditFontName", "Arial"), "Arial");
  EXPECT_THROW(settings.WriteString("Lexivar", "EditFontName", "Courier"), ERegistryException);
}

}  // namespace

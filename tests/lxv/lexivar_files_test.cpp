// The component's file operations name its owner and its own Locale tag.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "Lxv/Lexivar.h"
#include "lxv/lexivar_env.h"
#include "platform/base/scope_exit.h"
#include "platform/design/tool_services.h"
#include "support/temp_dir.h"

using Lxv::TLexivar;
using lxvtest::Lines;
namespace fs = std::filesystem;

TEST(LexivarFiles, SaveToAndLoadFromUseOwnerAndTag) {
  testing_support::TempDir dir;
  const std::string file = dir.File("t.txt");
  platform::TComponent form(nullptr);
  form.SetName("Form1");
  auto* writer = new TLexivar(&form);  // freed by the form
  writer->SetLocale(3);
  writer->Translations()->Clear();
  writer->Translations()->SortInsert("00000409_A=1", nullptr);
  writer->SaveTo(file);
  EXPECT_EQ(testing_support::ReadAll(file), "#2Form1.00000409_A%3=1\r\n");

  auto* reader = new TLexivar(&form);
  reader->Translations()->Clear();
  reader->SetLocale(3);
  EXPECT_TRUE(reader->LoadFrom(file));
  EXPECT_EQ(reader->Translations()->Text(), "00000409_A=1\r\n");
  reader->SetLocale(0);
  reader->Translations()->Clear();
  EXPECT_TRUE(reader->LoadFrom(file));
  EXPECT_EQ(reader->Translations()->Count(), 0);
  EXPECT_FALSE(reader->LoadFrom(dir.File("missing.txt")));

  TLexivar ownerless(nullptr);
  ownerless.Translations()->Clear();
  ownerless.Translations()->SortInsert("00000409_B=2", nullptr);
  ownerless.SaveTo(file);
  EXPECT_EQ(testing_support::ReadAll(file), "#2.00000409_B%0=2\r\n#2Form1.00000409_A%3=1\r\n");
}

TEST(LexivarFiles, EscapesAreTheUnitsOwn) {
  std::string s = "a\r\n'b";
  TLexivar::ConvertToLiterals(s);
  EXPECT_EQ(s, "'a'#13#10'''b'");
  TLexivar::ConvertFromLiterals(s);
  EXPECT_EQ(s, "a\r\n'b");
  EXPECT_EQ(TLexivar::ReadString(TLexivar::WriteString("\\n\t")), "\\n\t");
}

namespace {

// The "Storage" property with a translation file: a form whose component
// holds two locales and names the file, written, then read back.
class Storage : public lxvtest::LexivarTest {
 protected:
  Storage() : previousDir_(fs::current_path()) { fs::current_path(dir.Path()); }
  ~Storage() override { fs::current_path(previousDir_); }

  struct TWritten {
    std::vector<std::string> Table;
    std::string Text, Binary;  // the form file's content in both formats
  };
  // The form is gone when this returns, so that a form read back keeps its name.
  static TWritten WriteForm(const std::string& fileName, bool designing = false) {
    platform::TOwned<platform::TForm> form(new platform::TForm(nullptr));
    form->SetName("StorageForm");
    auto* lexivar = new TLexivar(form.get());
    lexivar->SetName("Translator");
    lexivar->AddOrgProps(0x407, *lexivar->Translations());
    lexivar->SetFileName(fileName);
    form->SetDesigning(designing);
    return {Lines(*lexivar->Translations()), lxvtest::FormText(*form), lxvtest::WriteForm(*form)};
  }
  static std::vector<std::string> ReadBack(const std::string& content) {
    platform::TOwned<platform::TComponent> form(platform::ReadComponentFromContent(content, nullptr, nullptr));
    auto* read = platform::DynCast<TLexivar>(form->FindComponent("Translator"));
    if (read == nullptr) throw std::runtime_error("no Translator in the form read");
    return Lines(*read->Translations());
  }
  static std::size_t LineCount(const std::string& file) {
    const std::string bytes = testing_support::ReadAll(file);
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  }

  testing_support::TempDir dir;  // the current directory meanwhile

 private:
  fs::path previousDir_;
};

struct TProjectIn : platform::TToolServices {
  explicit TProjectIn(std::string dir) : dir_(std::move(dir)) {}
  std::string GetProjectName() override { return dir_ + "/Project1.dpr"; }
  std::string dir_;
};

}  // namespace

TEST_F(Storage, ANameWithADirectoryIsUsedAsItStands) {
  fs::create_directory(dir.Path() / "sub");
  for (const std::string& name : {dir.File("absolute.txt"), std::string("sub/relative.txt")}) {
    const TWritten written = WriteForm(name);
    ASSERT_EQ(written.Table.size(), 116u);
    EXPECT_EQ(LineCount(name), written.Table.size()) << name;  // written twice, replaced
    EXPECT_TRUE(testing_support::ReadAll(name).starts_with("#2StorageForm.00000407_CURRENCYDECIMALS%0=2\r\n"));
    EXPECT_EQ(ReadBack(written.Text), written.Table) << name;
    EXPECT_EQ(ReadBack(written.Binary), written.Table) << name;
  }
  EXPECT_TRUE(fs::exists(dir.Path() / "sub" / "relative.txt"));
}

// A form written elsewhere may lack "Storage": the file is merged all the
// same, once, before the startup locale is applied.
TEST_F(Storage, AFormWithoutStorageStillMergesTheFile) {
  const std::string name = dir.File("nostorage.txt");
  const TWritten written = WriteForm(name);
  const std::size_t at = written.Text.find("Storage = 0");
  ASSERT_NE(at, std::string::npos) << written.Text;
  std::string text = written.Text;
  text.erase(text.rfind('\n', at) + 1, text.find('\n', at) - text.rfind('\n', at));
  testing_support::WriteAll(name, "#2StorageForm.00000407_SHORTDATEFORMAT%0=file\r\n");
  const std::vector<std::string> read = ReadBack(text);
  EXPECT_EQ(read.size(), 59u);  // the catalogue of 0409 and that line
  EXPECT_NE(std::find(read.begin(), read.end(), "00000407_SHORTDATEFORMAT=file"), read.end());
}

TEST_F(Storage, ABareNameIsSavedInTheAppDirAndReadFromTheCurrentDirFirst) {
  const std::string name = "lxv_storage_" + std::to_string(::getpid()) + ".txt";
  const std::string inAppDir = TLexivar(nullptr).GetAppDir() + name;
  const platform::TScopeExit removeIt([&] {
    fs::remove(inAppDir);
    fs::remove(inAppDir + ".lock");  // the saves' lock file beside it
  });
  const TWritten written = WriteForm(name);
  EXPECT_EQ(LineCount(inAppDir), 116u);
  EXPECT_FALSE(fs::exists(dir.Path() / name));
  EXPECT_EQ(ReadBack(written.Text), written.Table);  // the current directory has none

  testing_support::WriteAll(dir.File(name), "#2StorageForm.00000407_SHORTDATEFORMAT%0=cwd\r\n");
  const std::vector<std::string> fromCwd = ReadBack(written.Binary);
  EXPECT_EQ(fromCwd.size(), 59u);  // the catalogue of 0409 and that line
  EXPECT_NE(std::find(fromCwd.begin(), fromCwd.end(), "00000407_SHORTDATEFORMAT=cwd"), fromCwd.end());

  fs::remove(dir.File(name));
  fs::remove(inAppDir);
  EXPECT_EQ(ReadBack(written.Text).size(), 58u);  // no file: the catalogue, no message
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Storage, AtDesignTimeABareNameIsSavedInTheProjectDir) {
  TProjectIn project(dir.Path().string());
  platform::TToolServices* previous = platform::SetToolServices(&project);
  const platform::TScopeExit restore([&] { platform::SetToolServices(previous); });
  WriteForm("design.txt", true);
  EXPECT_EQ(LineCount(dir.File("design.txt")), 116u);
}

// The component's file operations name its owner and its own Locale tag.
#include <gtest/gtest.h>

#include "Lxv/Lexivar.h"
#include "support/temp_dir.h"

using Lxv::TLexivar;

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

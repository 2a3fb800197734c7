// A form file's content decoded once, and formconv on input it must refuse.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/form_files/form_text.h"
#include "support/form_vectors.h"
#include "support/temp_dir.h"

using namespace platform;

namespace {

TEST(FormContent, EachFormatDecodesToTheSameDocumentAndStream) {
  const std::string binary = lxvtest::FormFixture("g10_nested.bin");
  const std::string text = FormatFormText(DecodeBinaryForm(binary));
  const std::string resource = lxvtest::FormFixture("g10_nested.res");
  for (const auto& [content, format] : {std::pair{binary, TFormFormat::Binary}, std::pair{text, TFormFormat::Text},
                                        std::pair{resource, TFormFormat::Resource}}) {
    const TFormContent form = FormContentToDocument(content);
    EXPECT_EQ(form.Format, format);
    EXPECT_EQ(form.Binary, binary);
    EXPECT_EQ(FormatFormText(form.Document), text);
  }
  EXPECT_THROW(FormContentToDocument("object A: TB\n  X = \nend\n"), EReadError);
}

TEST(FormContent, FormconvReportsEndlessInputAndNamesTheFileAWriteFailsOn) {
  const std::filesystem::path tool = std::filesystem::path(LXV_TEST_BINARY_DIR) / ".." / "bin" / "formconv";
  if (!std::filesystem::exists(tool)) GTEST_SKIP() << "formconv not built";
  testing_support::TempDir dir;
  const std::string errors = dir.File("errors");
  const auto run = [&](const std::string& args) {
    return std::system((tool.string() + " " + args + " 2>" + errors).c_str());
  };
  EXPECT_NE(run("/dev/zero " + dir.File("out.bin")), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.bin")));
  EXPECT_NE(ReadFileBytes(errors).find("formconv: /dev/zero: File \"/dev/zero\" holds more than"), std::string::npos)
      << ReadFileBytes(errors);

  const std::string output = dir.File("missing/out.txt");
  EXPECT_NE(run(lxvtest::FormFixturePath("g06_refs_events.bin") + " " + output), 0);
  EXPECT_EQ(ReadFileBytes(errors).rfind("formconv: " + output + ": Cannot create file", 0), 0u) << ReadFileBytes(errors);
}

}  // namespace

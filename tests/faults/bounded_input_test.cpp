// The readers of outside files refuse a file past their limit with an error
// naming the file and the limit. Over-long files are sparse, so they cost
// no disk and little time.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/scope_exit.h"
#include "platform/classes/strings.h"
#include "platform/form_files/form_text.h"
#include "platform/forms/form.h"
#include "platform/forms/headless.h"
#include "platform/settings/reg_ini_file.h"
#include "platform/streaming/streams.h"
#include "support/temp_dir.h"

namespace {

using platform::Exception;

std::string Sparse(const testing_support::TempDir& dir, const std::string& name, std::size_t size) {
  const std::string path = dir.File(name);
  testing_support::WriteAll(path, "");
  std::filesystem::resize_file(path, size);
  return path;
}

template <class Error, class F>
std::string MessageOf(F f) {
  try {
    f();
  } catch (const Error& e) {
    return e.Message();
  }
  return "nothing raised";
}

TEST(BoundedInput, LineListsFormsAndSettingsRefuseFilesPastTheirLimits) {
  testing_support::TempDir dir;
  platform::TStringList list;
  const std::string bigText = Sparse(dir, "big.txt", platform::kMaxTextFileBytes + 1);
  EXPECT_EQ(MessageOf<platform::EFOpenError>([&] { list.LoadFromFile(bigText); }),
            "File \"" + bigText + "\" holds more than 33554432 bytes");

  // Empty lines: few bytes, but each costs a list entry.
  const std::string manyLines = dir.File("lines.txt");
  testing_support::WriteAll(manyLines, std::string(platform::kMaxTextFileLines, '\n'));
  list.LoadFromFile(manyLines);
  EXPECT_EQ(static_cast<std::size_t>(list.Count()), platform::kMaxTextFileLines);
  testing_support::WriteAll(manyLines, std::string(platform::kMaxTextFileLines, '\n') + "one more");
  EXPECT_EQ(MessageOf<platform::EFOpenError>([&] { list.LoadFromFile(manyLines); }),
            "File \"" + manyLines + "\" holds more than 1048576 lines");
  EXPECT_EQ(static_cast<std::size_t>(list.Count()), platform::kMaxTextFileLines) << "the list was changed";

  const std::string bigForm = Sparse(dir, "big.dfm", platform::kMaxFormFileBytes + 1);
  const platform::THeadlessSession session;
  const platform::TOwned<platform::TForm> form(new platform::TForm(nullptr));
  EXPECT_EQ(MessageOf<platform::EFOpenError>([&] { form->LoadFromFile(bigForm); }),
            "File \"" + bigForm + "\" holds more than 67108864 bytes");
  platform::TFileStream stream(bigForm, platform::TFileMode::fmOpenRead);
  EXPECT_EQ(MessageOf<platform::EReadError>([&] { form->LoadFromStream(stream); }),
            "Form stream holds more than 67108864 bytes");
  platform::TMemoryStream text;
  EXPECT_EQ(MessageOf<platform::EReadError>([&] { platform::ObjectTextToBinary(stream, text); }),
            "Form stream holds more than 67108864 bytes");

  // Settings: a read gives the fallback; a write refuses to replace the file.
  platform::SetSettingsDirectory(dir.File("settings"));
  const platform::TScopeExit restore([] { platform::SetSettingsDirectory(""); });
  std::filesystem::create_directory(dir.File("settings"));
  const std::string ini = Sparse(dir, "settings/Big.ini", platform::kMaxSettingsFileBytes + 1);
  platform::TRegIniFile settings("Big");
  EXPECT_EQ(settings.ReadString("S", "Name", "fallback"), "fallback");
  EXPECT_EQ(MessageOf<platform::ERegistryException>([&] { settings.WriteString("S", "Name", "value"); }),
            "Failed to set data for 'Name': File \"" + ini + "\" holds more than 1048576 bytes");
  EXPECT_EQ(std::filesystem::file_size(ini), platform::kMaxSettingsFileBytes + 1);
}

}  // namespace

#pragma once
// The setting the translator component's tests run in: reference locale
// answers instead of the live locale data, and the process-wide records put
// back after each test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Lxv/Lexivar.h"
#include "platform/forms/form.h"
#include "platform/forms/headless.h"
#include "platform/format/format_settings.h"
#include "support/scripted_locale_provider.h"

namespace lxvtest {

// The reference answers of tests/data/nls for 0409, 0407, 040C, 0411, 0419,
// 0C0A, 0413, 041D, 0401 and 0807; the user's default is 0409, the system's 0407.
class TReferenceLocales : public lxvtest::TScriptedLocaleProvider {
 public:
  TReferenceLocales();
};

class LexivarTest : public ::testing::Test {
 protected:
  LexivarTest();
  ~LexivarTest() override;

  // A form owned by the application, freed after the test.
  platform::TForm* NewForm(const std::string& name);
  // A component on `form` (a fresh form when nullptr).
  Lxv::TLexivar* NewLexivar(platform::TForm* form = nullptr, const std::string& name = "Lexivar1");
  // Reads a form file's content (text or binary) into a new form owned by
  // the application, freed after the test.
  platform::TForm* ReadForm(std::string_view content);

  // The texts of the message boxes shown so far.
  std::vector<std::string> Messages();

  TReferenceLocales locales;
  platform::THeadlessSession session;  // the scripted user answers every box

 private:
  platform::TLocaleProviderGuard guard_;
  platform::TFormatSettings settings_;
  platform::TSysLocale sysLocale_;
  char listSeparator_;
  int centuryWindow_;
  platform::TCursor cursor_;  // the earlier tests' cursor: a test ends with it
  std::vector<platform::TForm*> forms_;
};

std::vector<std::string> Lines(const platform::TStrings& list);
// The form as a binary form stream, and as form text.
std::string WriteForm(platform::TForm& form);
std::string FormText(platform::TForm& form);
// The value of the line with this key, "<none>" when there is none.
std::string ValueOf(const platform::TStrings& list, const std::string& key);

}  // namespace lxvtest

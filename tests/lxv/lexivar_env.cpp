#include "lxv/lexivar_env.h"

#include <fstream>
#include <sstream>

#include "Lxv/HostSettings.h"
#include "platform/forms/application.h"
#include "platform/classes/writer.h"
#include "platform/form_files/form_text.h"
#include "platform/forms/screen.h"
#include "platform/streaming/streams.h"
#include "support/locale_answer.h"

namespace lxvtest {

using namespace platform;

TReferenceLocales::TReferenceLocales() {
  for (const TReferenceAnswer& row : ReadReferenceAnswers()) SetAnswer(row.Locale, row.Type, row.Value);
  SetUserDefaultLCID(0x409);
  SetSystemDefaultLCID(0x407);
}

LexivarTest::LexivarTest()
    : guard_(locales),
      settings_(FormatSettings()),
      sysLocale_(SysLocale()),
      listSeparator_(Lxv::CurrentListSeparator()),
      centuryWindow_(Lxv::CurrentTwoDigitYearCenturyWindow()),
      cursor_(Screen().Cursor()) {}

LexivarTest::~LexivarTest() {
  for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) (*it)->Free();
  EXPECT_EQ(Screen().Cursor(), cursor_) << "cursor not restored";
  FormatSettings() = settings_;
  SysLocale() = sysLocale_;
  Lxv::SetListSeparatorSetting(listSeparator_);
  Lxv::SetTwoDigitYearCenturyWindowSetting(centuryWindow_);
}

std::vector<std::string> LexivarTest::Messages() {
  std::vector<std::string> texts;
  for (const TShownDialog& shown : session.User().Shown())
    if (shown.Kind == "Message") texts.push_back(shown.Text);
  return texts;
}

TForm* LexivarTest::NewForm(const std::string& name) {
  auto* form = new TForm(&Application());
  forms_.push_back(form);
  form->SetName(name);
  return form;
}

Lxv::TLexivar* LexivarTest::NewLexivar(TForm* form, const std::string& name) {
  if (form == nullptr) form = NewForm("Form" + std::to_string(forms_.size() + 1));
  auto* lexivar = new Lxv::TLexivar(form);
  lexivar->SetName(name);
  return lexivar;
}

TForm* LexivarTest::ReadForm(std::string_view content) {
  TComponent* read = ReadComponentFromContent(content, nullptr, &Application());
  auto* form = DynCast<TForm>(read);
  if (form == nullptr) {
    read->Free();
    throw Exception("not a form");
  }
  forms_.push_back(form);
  return form;
}

std::string WriteForm(TForm& form) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(&form);
  return stream.Data();
}

std::string FormText(TForm& form) {
  TMemoryStream binary(WriteForm(form)), text;
  ObjectBinaryToText(binary, text);
  return text.Data();
}

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.emplace_back(list.Strings(i));
  return lines;
}

std::string ValueOf(const TStrings& list, const std::string& key) {
  for (int i = 0; i < list.Count(); ++i)
    if (list.Strings(i).starts_with(key)) return std::string(list.Strings(i).substr(key.size()));
  return "<none>";
}

}  // namespace lxvtest

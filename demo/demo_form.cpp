#include "demo_form.h"

#include "platform/format/date_time.h"
#include "platform/format/float_format.h"
#include "platform/format/format_settings.h"
#include "platform/forms/application.h"
#include "platform/forms/headless.h"
#include "platform/forms/menus.h"
#include "platform/forms/snapshot.h"
#include "platform/forms/std_controls.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"

using namespace platform;

TClass TDemoForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TDemoForm>("TDemoForm")
      .Method("FormCreate", &TDemoForm::FormCreate)
      .Method("Lexivar1Translated", &TDemoForm::Lexivar1Translated)
      .Build();
  return &info;
}

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) { InitFromResource(); }

const std::vector<Lxv::LCID>& TDemoForm::Locales() {
  // English (US), German, French, Spanish (modern sort), Japanese, Russian.
  static const std::vector<Lxv::LCID> locales{0x409, 0x407, 0x40C, 0xC0A, 0x411, 0x419};
  return locales;
}

Lxv::TLexivar& TDemoForm::Lexivar() const { return *As<Lxv::TLexivar>(FindComponent("Lexivar1")); }

// The form file holds no table: it is built from the locale services here,
// then the selector is refilled and the startup locale applied to it.
void TDemoForm::FormCreate(TObject*) {
  Lxv::TLexivar& lexivar = Lexivar();
  lexivar.Translations()->Clear();
  for (Lxv::LCID lcid : Locales()) lexivar.AddOrgProps(lcid, *lexivar.Translations());
  lexivar.UpdateAdoptOn();
  if (!lexivar.TranslateLocale(GetUserDefaultLCID())) lexivar.TranslateLocale(Locales().front());
}

void TDemoForm::Lexivar1Translated(TObject*) {
  const TDateTime now = Now();
  const TFormatSettings& settings = FormatSettings();
  SetLabel("LblShortDate", "Short date  " + DateToStr(now));
  SetLabel("LblLongDate", "Long date   " + FormatDateTime("dddddd", now));
  SetLabel("LblTime", "Time        " + TimeToStr(now));
  SetLabel("LblCurrency", "Currency    " + FloatToStrF(1234567.891, ffCurrency, 15, settings.CurrencyDecimals) +
                              "  /  " + FloatToStrF(-1234.5, ffCurrency, 15, settings.CurrencyDecimals));
  SetLabel("LblNumber", "Number      " + FloatToStrF(-9876543.215, ffNumber, 15, 2));
}

void TDemoForm::SetLabel(const char* name, const std::string& caption) const {
  // OnTranslated also fires while the layout is read, before every label exists.
  if (auto* label = DynCast<TLabel>(FindComponent(name))) label->SetCaption(caption);
}

std::string TDemoForm::Labels() const {
  std::string out;
  for (const char* name : {"LblShortDate", "LblLongDate", "LblTime", "LblCurrency", "LblNumber"})
    out += "  " + As<TLabel>(FindComponent(name))->Caption() + "\n";
  return out;
}

namespace {
const bool kRegistered = (RegisterClass(TDemoForm::StaticClass()), true);
}  // namespace

void ShowDemoForm() {
  (void)kRegistered;
  Application().SetTitle("Lexivar demo");
  TOwned<TDemoForm> form(new TDemoForm(nullptr));
  form->ShowModal();
}

void RunDemoForm(std::ostream& out) {
  (void)kRegistered;
  Application().SetTitle("Lexivar demo");
  TOwned<TDemoForm> form(new TDemoForm(nullptr));
  auto* language = As<TMenuItem>(form->FindComponent("MnuLanguage"));
  TScriptedUser& user = ScriptedUser();
  user.Do("print the snapshot", [&out](TForm& shown) { out << FormSnapshot(shown); });
  for (int i = 0; i < language->Count(); ++i) {
    const std::string caption = language->Items(i)->Caption();
    user.Pick("MnuLanguage", i).Do("print the labels", [&out, caption](TForm& shown) {
      out << "\nLanguage > " << caption << "\n" << static_cast<TDemoForm&>(shown).Labels();
    });
  }
  user.Close();
  form->ShowModal();
}

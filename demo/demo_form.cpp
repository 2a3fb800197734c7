#include "demo_form.h"

#include "platform/base/files.h"
#include "platform/format/date_time.h"
#include "platform/format/float_format.h"
#include "platform/format/format_settings.h"
#include "platform/forms/application.h"
#include "platform/forms/headless.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/menus.h"
#include "platform/forms/snapshot.h"
#include "platform/forms/std_controls.h"
#include "platform/rtti/register_class.h"
#include "platform/settings/reg_ini_file.h"

#include <cstdio>
#include <cstdlib>

using namespace platform;

LXV_REGISTER_CLASS(TDemoForm,
    LXV_METHOD(FormCreate) LXV_METHOD(Lexivar1Translated) LXV_METHOD(Lexivar2Translated)
    LXV_METHOD(MnuAboutClick));

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) { InitFromResource(); }

const std::vector<Lxv::LCID>& TDemoForm::Locales() {
  // English (US), German, French, Spanish (modern sort), Japanese, Russian.
  static const std::vector<Lxv::LCID> locales{0x409, 0x407, 0x40C, 0xC0A, 0x411, 0x419};
  return locales;
}

Lxv::TLexivar& TDemoForm::Lexivar() const { return *As<Lxv::TLexivar>(FindComponent("Lexivar1")); }
Lxv::TLexivar& TDemoForm::ListLexivar() const { return *As<Lxv::TLexivar>(FindComponent("Lexivar2")); }

TDateTime DemoNow() {
  const char* fixed = std::getenv("LXV_DEMO_DATE");
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
  if (fixed == nullptr || std::sscanf(fixed, "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &sec) != 6) return Now();
  return EncodeDate(y, mo, d) + EncodeTime(h, mi, sec, 0);
}

// Reading the form merged the translation file both components name, when
// there is one; the first run builds the table from the locale services and
// writes the file beside the program, where the next runs find it.
void TDemoForm::FillTable() {
  Lxv::TLexivar& lexivar = Lexivar();
  const std::string file = lexivar.GetAppDir() + lexivar.FileName();
  // Without a table the component holds the catalogue of the user's locale.
  if (FileExists(file) && lexivar.LocaleList()->Count() >= static_cast<int>(Locales().size())) return;
  lexivar.Translations()->Clear();
  for (Lxv::LCID lcid : Locales()) lexivar.AddOrgProps(lcid, *lexivar.Translations());
  lexivar.SaveTo(file);
  ListLexivar().LoadFrom(file);
}

void TDemoForm::FormCreate(TObject*) {
  FillTable();
  Lxv::TLexivar& lexivar = Lexivar();
  for (Lxv::TLexivar* each : {&lexivar, &ListLexivar()}) {
    each->UpdateAdoptOn();
    each->OnLanguageSelected = [this](TObject* sender) { LanguageSelected(sender); };
  }
  const TRegIniFile settings(kSettingsKey);
  const auto kept = static_cast<Lxv::LCID>(settings.ReadInteger("Demo", "Locale", 0));
  if (kept != 0 && lexivar.TranslateLocale(kept)) return;
  if (!lexivar.TranslateLocale(GetUserDefaultLCID())) lexivar.TranslateLocale(Locales().front());
}

void TDemoForm::Follow(const Lxv::TLexivar& from, Lxv::TLexivar* other) {
  if (other != nullptr && from.CurrentLocale() != 0 && other->CurrentLocale() != from.CurrentLocale())
    other->TranslateLocale(from.CurrentLocale());
}

void TDemoForm::Lexivar2Translated(TObject*) {
  // OnTranslated also fires while the layout is read, before Lexivar1 exists.
  Follow(ListLexivar(), DynCast<Lxv::TLexivar>(FindComponent("Lexivar1")));
}

void TDemoForm::LanguageSelected(TObject* sender) {
  TRegIniFile settings(kSettingsKey);
  settings.WriteInteger("Demo", "Locale", static_cast<int>(As<Lxv::TLexivar>(sender)->CurrentLocale()));
}

void TDemoForm::MnuAboutClick(TObject*) { Lexivar().ShowAbout(); }

void TDemoForm::Lexivar1Translated(TObject*) {
  Follow(Lexivar(), DynCast<Lxv::TLexivar>(FindComponent("Lexivar2")));
  const TDateTime now = DemoNow();
  const TFormatSettings& settings = FormatSettings();
  SetLabel("LblShortDate", DateToStr(now));
  SetLabel("LblLongDate", FormatDateTime("dddddd", now));
  SetLabel("LblTime", TimeToStr(now));
  SetLabel("LblCurrency", FloatToStrF(1234567.891, ffCurrency, 15, settings.CurrencyDecimals) + "  /  " +
                              FloatToStrF(-1234.5, ffCurrency, 15, settings.CurrencyDecimals));
  SetLabel("LblNumber", FloatToStrF(-9876543.215, ffNumber, 15, 2));
  // The customer's locale, not the one in force: its settings record only.
  if (FindComponent("LblInvoice") == nullptr) return;
  const TFormatSettings customer = Lexivar().SettingsOf(kInvoiceLocale);
  SetLabel("LblInvoice", FormatDateTime("ddddd", now, customer) + "  3 x " +
                             FloatToStrF(1234.5, ffCurrency, 15, customer.CurrencyDecimals, customer) + " = " +
                             FloatToStrF(3703.5, ffCurrency, 15, customer.CurrencyDecimals, customer));
}

void TDemoForm::SetLabel(const char* name, const std::string& caption) const {
  // OnTranslated also fires while the layout is read, before every label exists.
  if (auto* label = DynCast<TLabel>(FindComponent(name))) label->SetCaption(caption);
}

std::string TDemoForm::Labels() const {
  std::string out;
  for (const char* name : {"ShortDate", "LongDate", "Time", "Currency", "Number", "Invoice"}) {
    std::string caption = As<TLabel>(FindComponent(std::string("Cap") + name))->Caption();
    caption.resize(std::max<std::size_t>(caption.size() + 1, 14), ' ');
    out += "  " + caption + As<TLabel>(FindComponent(std::string("Lbl") + name))->Caption() + "\n";
  }
  return out;
}

void ShowDemoForm() {
  Application().SetTitle("Lexivar demo");
  TOwned<TDemoForm> form(new TDemoForm(nullptr));
  form->ShowModal();
}

namespace {
// The caption of the menu entry the selector marks.
std::string Marked(const TMenuItem& menu) {
  for (int i = 0; i < menu.Count(); ++i)
    if (menu.Items(i)->Checked()) return menu.Items(i)->Caption();
  return "(none)";
}
}  // namespace

void RunDemoForm(std::ostream& out) {
  Application().SetTitle("Lexivar demo");
  TOwned<TDemoForm> form(new TDemoForm(nullptr));
  auto* language = As<TMenuItem>(form->FindComponent("MnuLanguage"));
  auto* list = As<TListBox>(form->FindComponent("ListBox1"));
  TScriptedUser& user = ScriptedUser();
  user.Do("print the snapshot", [&out](TForm& shown) { out << FormSnapshot(shown); });
  for (int i = 0; i < language->Count(); ++i) {
    const std::string caption = language->Items(i)->Caption();
    user.Pick("MnuLanguage", i).Do("print the labels", [&out, caption](TForm& shown) {
      out << "\nLanguage > " << caption << "\n" << static_cast<TDemoForm&>(shown).Labels();
    });
  }
  // The other selector: the list box of Lexivar2 (its first entry); the
  // menu follows it.
  user.Pick("ListBox1", 0).Do("print the marks", [&out, list, language](TForm& shown) {
    out << "\nList box > " << list->Items()->Strings(0) << "\n  Language menu marks " << Marked(*language)
        << "\n" << static_cast<TDemoForm&>(shown).Labels();
  });
  // Help > About: the box's OK button is enabled after a wait.
  user.Click("MnuAbout").Wait(1500).Do("print the About box", [&out](TForm& box) {
    out << "\nHelp > About...\n" << FormSnapshot(box);
  });
  user.Click("Button").Close();
  form->ShowModal();
  const int kept = TRegIniFile(TDemoForm::kSettingsKey).ReadInteger("Demo", "Locale", 0);
  out << "\nKept for the next start: " << TDemoForm::kSettingsKey << ", [Demo] Locale=" << kept << "\n";
}

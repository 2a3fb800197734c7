// Unit Lxv at design time: registration, the property editors and the
// component editor of TLexivar.
#include "Lxv/LxvReg.h"

#include "Lxv/Lexivar.h"
#include "Lxv/LocaleDesignator.h"
#include "Lxv/ValueChecks.h"
#include "LxvEdit/LocaleEditor.h"
#include "platform/base/scope_exit.h"
#include "platform/base/text.h"
#include "platform/classes/strings.h"
#include "platform/design/designer.h"
#include "platform/design/palette.h"
#include "platform/design/value_tools.h"
#include "platform/design/win_exec.h"
#include "platform/forms/application.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/menus.h"
#include "platform/rtti/published.h"

namespace Lxv {

using namespace platform;

LXV_EMPTY_CLASS_INFO(TLocAboutProperty)
LXV_EMPTY_CLASS_INFO(TLocaleTranslationsProperty)
LXV_EMPTY_CLASS_INFO(TLocFileNameProperty)
LXV_EMPTY_CLASS_INFO(TLocAdoptOnProperty)
LXV_EMPTY_CLASS_INFO(TDesignLocaleProperty)
LXV_EMPTY_CLASS_INFO(TStartupLocaleProperty)
LXV_EMPTY_CLASS_INFO(TLocListFormatProperty)
LXV_EMPTY_CLASS_INFO(TLexivarEditor)

namespace {

std::vector<std::string> CheckValues(TComponent& component) {
  std::vector<std::string> lines;
  for (const TValueProblem& p : TableValueProblems(*As<TLexivar>(&component)->Translations()))
    lines.push_back(p.Line + ": " + p.Problem);
  return lines;
}

std::vector<std::string> PreviewValues(TComponent& component, const std::string& locale) {
  return LocalePreview(*As<TLexivar>(&component), locale);
}

}  // namespace

void Register() {
  const TClass lexivar = TLexivar::StaticClass();
  RegisterComponentEditor(lexivar, TLexivarEditor::StaticClass());
  RegisterPropertyEditor(PropertyTypeOf<TStrings*>(), lexivar, "Translations",
                         TLocaleTranslationsProperty::StaticClass());
  RegisterPropertyEditor(PropertyTypeOf<std::string>(), lexivar, "About", TLocAboutProperty::StaticClass());
  RegisterPropertyEditor(PropertyTypeOf<std::string>(), lexivar, "DesignLocale", TDesignLocaleProperty::StaticClass());
  RegisterPropertyEditor(PropertyTypeOf<std::string>(), lexivar, "FileName", TLocFileNameProperty::StaticClass());
  RegisterPropertyEditor(PropertyTypeOf<std::string>(), lexivar, "ListFormat", TLocListFormatProperty::StaticClass());
  RegisterPropertyEditor(PropertyTypeOf<std::string>(), lexivar, "StartupLocale",
                         TStartupLocaleProperty::StaticClass());
  RegisterPropertyEditor(PropertyTypeOf<TComponent*>(), lexivar, "AdoptOn", TLocAdoptOnProperty::StaticClass());
  RegisterComponents("Korvane", {lexivar});
  // For the environment's value checks and previews, beside the inspector.
  RegisterValueTools(lexivar, TValueTools{CheckValues, PreviewValues});
}

namespace {
// The first (and only) selected component.
TLexivar& Selected(const TPropertyEditor& editor) { return *As<TLexivar>(editor.GetComponent(0)); }

void OfferLocaleList(TLexivar& lexivar, const TGetStrProc& proc) {
  lexivar.UpdateLangList();
  const TSortList& list = *lexivar.LocaleList();
  for (int i = 0; i < list.Count(); ++i)
    proc(MakeLocaleDesignator(list.Strings(i), static_cast<LCID>(IntFromObject(list.Objects(i)))));
}
}  // namespace

void TLocAboutProperty::Edit() { Selected(*this).ShowAbout(); }
TPropertyAttributes TLocAboutProperty::GetAttributes() { return {paDialog, paReadOnly}; }

void TLocaleTranslationsProperty::Edit() {
  if (Selected(*this).ShowEditor()) Modified();
}
TPropertyAttributes TLocaleTranslationsProperty::GetAttributes() { return {paDialog, paReadOnly}; }

void TLocFileNameProperty::Edit() {
  TOwned<TOpenDialog> dialog(new TOpenDialog(&Application()));
  dialog->SetFilter("Locale translations (*.txt)|*.txt");
  dialog->SetTitle("Select a Locale translations file");
  dialog->SetDefaultExt("txt");
  TLexivar& lexivar = Selected(*this);
  dialog->SetFileName(lexivar.FileName());
  if (!dialog->Execute()) return;
  lexivar.SetFileName(dialog->FileName());
  Modified();
}

TPropertyAttributes TLocFileNameProperty::GetAttributes() { return {paDialog}; }

void TLocAdoptOnProperty::GetValues(const TGetStrProc& proc) {
  const TComponent* form = Designer() != nullptr ? Designer()->Form() : nullptr;
  if (form == nullptr) return;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    const TComponent* c = form->Components(i);
    if (IsSelectorClass(c) && !c->Name().empty()) proc(c->Name());
  }
}

TPropertyAttributes TDesignLocaleProperty::GetAttributes() { return {paValueList, paSortList}; }
void TDesignLocaleProperty::GetValues(const TGetStrProc& proc) { OfferLocaleList(Selected(*this), proc); }

TPropertyAttributes TStartupLocaleProperty::GetAttributes() { return {paValueList, paSortList}; }
void TStartupLocaleProperty::GetValues(const TGetStrProc& proc) {
  proc(UserDefaultDesignator());
  proc(SystemDefaultDesignator());
  OfferLocaleList(Selected(*this), proc);
}

TPropertyAttributes TLocListFormatProperty::GetAttributes() { return {paValueList}; }
void TLocListFormatProperty::GetValues(const TGetStrProc& proc) {
  // Arguments: English name, English country, native name, native country.
  for (const char* pattern : {"%0:s", "%2:s", "%0:s, %1:s", "%2:s, %3:s", "%2:s (%0:s), %3:s (%1:s)",
                              "%0:s (%2:s), %1:s (%3:s)"})
    proc(pattern);
}

std::string TLexivarEditor::GetVerb(int index) {
  switch (index) {
    case 0: return "Locale Translation Editor";
    case 1: return "About Lexivar";
    case 2: return "Help Contents";
    default: return "";
  }
}

void TLexivarEditor::ExecuteVerb(int index) {
  TLexivar& lexivar = *As<TLexivar>(Component());
  switch (index) {
    case 0:
      if (lexivar.ShowEditor() && Designer() != nullptr) Designer()->Modified();
      break;
    case 1: lexivar.ShowAbout(); break;
    case 2: WinExec("WINHLP32.EXE LXV.HLP", SW_HIDE); break;  // a failure is not reported
    default: break;
  }
}

bool TLexivar::ShowEditor() {
  const bool translate = Translate();
  LxvEdit::TLocaleEditor* dialog = new LxvEdit::TLocaleEditor(&Application());
  // However the dialog ends: free it, then give the peers their switch back.
  TScopeExit restore([&] {
    dialog->Free();
    SetTranslate(translate);
  });
  SetTranslate(false);
  dialog->EditComponent = this;
  dialog->DesignLocaleId = static_cast<std::int32_t>(DesignatorLCID(DesignLocale()));
  dialog->StartupLocaleId = static_cast<std::int32_t>(DesignatorLCID(StartupLocale()));
  if (dialog->ShowModal() != mrOk) return false;
  UpdateAdoptOn();
  UpdateLangList();
  const auto listed = [this](std::int32_t lcid) { return LocaleList()->IndexOfObject(ObjectFromInt(lcid)); };
  const std::int32_t design = dialog->DesignLocaleId;
  if (const int entry = listed(design); entry >= 0)
    SetDesignLocale(MakeLocaleDesignator(LocaleList()->Strings(entry), static_cast<LCID>(design)));
  const std::int32_t startup = dialog->StartupLocaleId;
  if (startup == static_cast<std::int32_t>(LOCALE_USER_DEFAULT))
    SetStartupLocale(UserDefaultDesignator());
  else if (startup == static_cast<std::int32_t>(LOCALE_SYSTEM_DEFAULT))
    SetStartupLocale(SystemDefaultDesignator());
  else if (const int entry = listed(startup); entry >= 0)
    SetStartupLocale(MakeLocaleDesignator(LocaleList()->Strings(entry), static_cast<LCID>(startup)));
  return true;
}

}  // namespace Lxv

// The "Locales", "Options" and "Dictionary" pages: moving locales between the
// pool and the working copy, new locales, the startup and design-time
// choices, the pool file and loading and saving translation files. File
// operations go through a temporary TLexivar with the edited component's
// owner, freed on every path.
#include "Lxv/LocaleDesignator.h"
#include "LxvEdit/LocaleEditor.h"
#include "platform/base/conversions.h"
#include "platform/settings/reg_ini_file.h"

namespace LxvEdit {

using namespace platform;

namespace {
std::int32_t CurrentLcid(const TListBox& list) { return IntFromObject(list.Items()->Objects(list.ItemIndex())); }

// Moves every line of locale `lcid` from `from` to its sorted place in `to`.
void MoveLocaleLines(std::int32_t lcid, TSortList& from, TSortList& to) {
  const std::string prefix = Lxv::LocalePrefix(static_cast<LCID>(lcid));
  for (int i = from.Count() - 1; i >= 0; --i) {
    if (!from.Strings(i).starts_with(prefix)) continue;
    to.SortInsert(from.Strings(i), nullptr);
    from.Delete(i);
  }
}
}  // namespace

void TLocaleEditor::SetLangButtons(bool remove, bool designtime, bool startup) {
  BtnRemoveLang->SetEnabled(remove);
  BtnSetDefault->SetEnabled(designtime);
  BtnSetStartup->SetEnabled(startup);
}

void TLocaleEditor::LangListClick(TObject*) { BtnCopyLang->SetEnabled(LangList->ItemIndex() >= 0); }

void TLocaleEditor::LangListInAppClick(TObject*) {
  if (LangListInApp->ItemIndex() < 0) {
    SetLangButtons(false, false, false);
    return;
  }
  const std::int32_t lcid = CurrentLcid(*LangListInApp);
  const bool fixedDesign = lcid == DesignLocaleId || lcid == LOCALE_USER_DEFAULT || lcid == LOCALE_SYSTEM_DEFAULT;
  const bool isStartup = lcid == StartupLocaleId;
  SetLangButtons(!fixedDesign && !isStartup, !fixedDesign, !isStartup);
}

void TLocaleEditor::BtnCopyLangClick(TObject*) {
  const int index = LangList->ItemIndex();
  if (index < 0) return;
  const std::string text(LangList->Items()->Strings(index));
  const std::int32_t lcid = CurrentLcid(*LangList);
  LangListInApp->Items()->AddObject(text, ObjectFromInt(lcid));
  CbxLang->Items()->AddObject(text, ObjectFromInt(lcid));
  MoveLocaleLines(lcid, *SystemLocaleProps, *WorkTranslations);
  LangList->Items()->Delete(index);
  Modified = true;
  CbxLangChange(this);
  LangListClick(this);
}

void TLocaleEditor::BtnRemoveLangClick(TObject*) {
  const int index = LangListInApp->ItemIndex();
  if (index < 0) return;
  const std::string text(LangListInApp->Items()->Strings(index));
  const std::int32_t lcid = CurrentLcid(*LangListInApp);
  LangList->Items()->AddObject(text, ObjectFromInt(lcid));
  MoveLocaleLines(lcid, *WorkTranslations, *SystemLocaleProps);
  const int chooserEntry = CbxLang->Items()->IndexOfObject(ObjectFromInt(lcid));
  if (chooserEntry >= 0) CbxLang->Items()->Delete(chooserEntry);
  LangListInApp->Items()->Delete(index);
  Modified = true;
  LangListInAppClick(this);
  CbxLangChange(this);
}

void TLocaleEditor::BtnUserLangClick(TObject*) {
  std::string text;
  if (!InputQuery("New locale", "Locale identifier (integer)", text)) return;
  const std::int32_t lcid = StrToInt(text);
  if (LangListInApp->Items()->IndexOfObject(ObjectFromInt(lcid)) >= 0) return;
  EditComponent->AddOrgProps(static_cast<LCID>(lcid), *WorkTranslations);
  RefreshLists();
  Modified = true;
}

void TLocaleEditor::BtnSetStartupClick(TObject*) {
  if (LangListInApp->ItemIndex() < 0) return;
  StartupLocaleId = CurrentLcid(*LangListInApp);
  LangListInAppClick(this);
  Modified = true;
}

void TLocaleEditor::BtnSetDefaultClick(TObject*) {
  if (LangListInApp->ItemIndex() < 0) return;
  DesignLocaleId = CurrentLcid(*LangListInApp);
  LangListInAppClick(this);
  Modified = true;
}

void TLocaleEditor::EdtLocaleListExit(TObject*) {
  TOwned<TLexivar> loader(new TLexivar(EditComponent->Owner()));
  if (loader->LoadFrom(EdtLocaleList->Text())) SystemLocaleProps->Assign(loader->Translations());
  RefreshLists();
}

void TLocaleEditor::BtnSelLocaleClick(TObject*) {
  OpenDialog1->SetTitle(LblLocaleList->Caption());
  if (!OpenDialog1->Execute()) return;
  EdtLocaleList->SetText(OpenDialog1->FileName());
  EdtLocaleListExit(this);
}

void TLocaleEditor::BtnLoadClick(TObject*) {
  OpenDialog1->SetTitle(LblLoad->Caption());
  TOwned<TLexivar> loader(new TLexivar(EditComponent->Owner()));
  loader->Translations()->Assign(WorkTranslations.get());
  if (!OpenDialog1->Execute()) return;
  if (!loader->LoadFrom(OpenDialog1->FileName())) return;
  WorkTranslations->Assign(loader->Translations());
  Modified = true;
  RefreshLists();
  PropListClick(this);
}

void TLocaleEditor::BtnSaveClick(TObject*) {
  SaveDialog1->SetTitle(LblSave->Caption());
  TOwned<TLexivar> saver(new TLexivar(EditComponent->Owner()));
  saver->Translations()->Assign(WorkTranslations.get());
  if (SaveDialog1->Execute()) saver->SaveTo(SaveDialog1->FileName());
}

}  // namespace LxvEdit

// The editor dialog: opening and closing, the shared refresh of the locale
// lists, and the settings kept under "Software\Korvane".
#include "LxvEdit/LocaleEditor.h"

#include <string_view>

#include "Lxv/LocaleDesignator.h"
#include "Lxv/RegionalSettings.h"
#include "Lxv/TableLine.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/rtti/register_class.h"
#include "platform/settings/reg_ini_file.h"

namespace LxvEdit {

using namespace platform;
using Lxv::HexToInt;

TOwned<TStringList> EnumeratedLocales;

LXV_REGISTER_CLASS(TLocaleEditor,
    LXV_FIELD(BtnOK) LXV_FIELD(BtnCancel) LXV_FIELD(LocaleNotebook) LXV_FIELD(CkxMove)
    LXV_FIELD(GroupEditFont) LXV_FIELD(LblEditFont) LXV_FIELD(BtnEditFont) LXV_FIELD(GroupDisplayFont)
    LXV_FIELD(LblDisplayFont) LXV_FIELD(BtnDisplayFont) LXV_FIELD(LblLoad) LXV_FIELD(LblSave)
    LXV_FIELD(BtnLoad) LXV_FIELD(BtnSave) LXV_FIELD(LblResList) LXV_FIELD(PropList) LXV_FIELD(LblTranslation)
    LXV_FIELD(EdtTranslation) LXV_FIELD(FontDialog1) LXV_FIELD(OpenDialog1) LXV_FIELD(SaveDialog1)
    LXV_FIELD(Bevel5) LXV_FIELD(LblLang) LXV_FIELD(CbxLang) LXV_FIELD(LblLangListInApp) LXV_FIELD(LblLangList)
    LXV_FIELD(LangList) LXV_FIELD(LangListInApp) LXV_FIELD(BtnCopyLang) LXV_FIELD(BtnRemoveLang)
    LXV_FIELD(BtnUserLang) LXV_FIELD(EdtLocaleList) LXV_FIELD(BtnSelLocale) LXV_FIELD(LblLocaleList)
    LXV_FIELD(BtnSetDefault) LXV_FIELD(BtnSetStartup) LXV_FIELD(LblProp) LXV_FIELD(DescList)
    LXV_METHOD(FormShow) LXV_METHOD(PropListClick) LXV_METHOD(BtnEditFontClick)
    LXV_METHOD(BtnDisplayFontClick) LXV_METHOD(BtnCancelClick) LXV_METHOD(FormCreate) LXV_METHOD(FormDestroy)
    LXV_METHOD(EdtTranslationKeyDown) LXV_METHOD(BtnOKClick) LXV_METHOD(BtnLoadClick)
    LXV_METHOD(EdtTranslationExit) LXV_METHOD(CkxMoveClick) LXV_METHOD(BtnSaveClick) LXV_METHOD(LangListClick)
    LXV_METHOD(LangListInAppClick) LXV_METHOD(BtnCopyLangClick) LXV_METHOD(BtnRemoveLangClick)
    LXV_METHOD(CbxLangChange) LXV_METHOD(EdtLocaleListChange) LXV_METHOD(BtnSelLocaleClick)
    LXV_METHOD(BtnSetStartupClick) LXV_METHOD(BtnSetDefaultClick) LXV_METHOD(EdtLocaleListExit)
    LXV_METHOD(BtnUserLangClick));

namespace {
const char* const kSettingsKey = "Software\\Korvane";
const char* const kSection = "Lexivar";

// True when the line's key is its prefix followed by the key of `field`.
bool KeyIs(std::string_view line, Lxv::TSettingField field) {
  const std::string_view prefix = Lxv::LinePrefix(line);
  const std::string_view key = Lxv::LineKey(line);
  return key.size() > prefix.size() && key.substr(prefix.size()) == Lxv::RegionalSettingOf(field).KeyName();
}

// Adds an entry "language, country" at every "_ENGLISHNAME" line of `lines`
// when `accept` takes its LCID; language and country carry over between calls.
template <class Accept>
void ListLocales(const TStrings& lines, std::string& language, std::string& country, Accept accept) {
  const auto value = [](std::string_view line) { return std::string(Lxv::LineValue(line)); };
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string_view line = lines.Strings(i);
    if (KeyIs(line, Lxv::TSettingField::EnglishCountryName)) {
      country = value(line);
    } else if (KeyIs(line, Lxv::TSettingField::EnglishName)) {
      language = value(line);
      accept(language + ", " + country, HexToInt(Lxv::LinePrefix(line)));
    }
  }
}
}  // namespace

BOOL EnumLocalesProc(char* localeText) {
  EnumeratedLocales->Add(std::string(localeText));
  return 1;
}

TLocaleEditor::TLocaleEditor(TComponent* owner) : TForm(owner) { InitFromResource(); }

void TLocaleEditor::FormCreate(TObject*) {
  WorkTranslations.reset(new TSortList);
  SystemLocaleProps.reset(new TSortList);
  EnumeratedLocales.reset(new TStringList);
}

void TLocaleEditor::FormDestroy(TObject*) {
  EnumeratedLocales.reset();
  SystemLocaleProps.reset();
  WorkTranslations.reset();
}

void TLocaleEditor::FormShow(TObject*) {
  TCursorScope hourglass(crHourGlass);
  const bool designing = EditComponent->HasState(csDesigning);
  BtnSetStartup->SetVisible(designing);
  BtnSetDefault->SetVisible(designing);
  LblProp->SetCaption("");
  Application().SetHintPause(400);
  LocaleNotebook->SetPageIndex(0);
  WorkTranslations->Assign(EditComponent->Translations());
  {
    const TRegIniFile settings(kSettingsKey);
    CkxMove->SetChecked(settings.ReadBool(kSection, "MoveNextUntranslated", CkxMove->Checked()));
    EdtTranslation->Font()->SetName(settings.ReadString(kSection, "EditFontName", EdtTranslation->Font()->Name()));
    PropList->Font()->SetName(settings.ReadString(kSection, "DisplayFontName", PropList->Font()->Name()));
    EdtLocaleList->SetText(settings.ReadString(kSection, "LoadLocales", ""));
  }
  LblEditFont->SetCaption(EdtTranslation->Font()->Name());
  LblDisplayFont->SetCaption(PropList->Font()->Name());

  // The pool starts empty; a file names it, or else the operating system does.
  SystemLocaleProps->Clear();
  EnumeratedLocales->Clear();
  if (!EdtLocaleList->Text().empty()) {
    TOwned<TLexivar> loader(new TLexivar(EditComponent->Owner()));
    if (loader->LoadFrom(EdtLocaleList->Text())) SystemLocaleProps->Assign(loader->Translations());
  } else {
    EnumSystemLocalesA(&EnumLocalesProc, LCID_SUPPORTED);
    for (int i = 0; i < EnumeratedLocales->Count(); ++i)
      EditComponent->AddOrgProps(static_cast<LCID>(HexToInt(EnumeratedLocales->Strings(i))), *SystemLocaleProps);
  }
  RefreshLists();
  if (CbxLang->Items()->Count() > 0) CbxLang->SetItemIndex(0);
  CbxLangChange(this);
}

// The LCID of a list's current entry, or a value no entry has. Choices are
// kept by LCID: two locales can share a display name.
template <class List>
TObject* ChosenLcid(const List& list) {
  const int index = list.ItemIndex();
  return index >= 0 && index < list.Items()->Count() ? list.Items()->Objects(index) : ObjectFromInt(-1);
}

template <class List>
void Rechoose(List& list, TObject* lcid) {
  const int index = list.Items()->IndexOfObject(lcid);
  if (index >= 0) list.SetItemIndex(index);
}

void TLocaleEditor::RefreshLists() {
  TObject* const chosen = ChosenLcid(*CbxLang);
  TObject* const chosenInApp = ChosenLcid(*LangListInApp);
  TObject* const chosenInPool = ChosenLcid(*LangList);
  LangListInApp->Items()->Clear();
  CbxLang->Items()->Clear();
  TStrings& inApp = *LangListInApp->Items();
  if (EditComponent->HasState(csDesigning)) {
    inApp.AddObject("(User default)", ObjectFromInt(LOCALE_USER_DEFAULT));
    inApp.AddObject("(System default)", ObjectFromInt(LOCALE_SYSTEM_DEFAULT));
  }
  std::string language, country;
  ListLocales(*WorkTranslations, language, country, [&](const std::string& text, std::int32_t lcid) {
    inApp.AddObject(text, ObjectFromInt(lcid));
    CbxLang->Items()->AddObject(text, ObjectFromInt(lcid));
  });
  LangList->Items()->Clear();
  ListLocales(*SystemLocaleProps, language, country, [&](const std::string& text, std::int32_t lcid) {
    if (inApp.IndexOfObject(ObjectFromInt(lcid)) < 0) LangList->Items()->AddObject(text, ObjectFromInt(lcid));
  });
  Rechoose(*CbxLang, chosen);
  Rechoose(*LangListInApp, chosenInApp);
  Rechoose(*LangList, chosenInPool);
  if (CbxLang->ItemIndex() < 0 && CbxLang->Items()->Count() > 0) CbxLang->SetItemIndex(0);
}

void TLocaleEditor::BtnOKClick(TObject*) {
  // The button's modal result has already made the dialog's result mrOk.
  if (Modified)
    EditComponent->Translations()->Assign(WorkTranslations.get());
  else
    SetModalResult(mrCancel);
}

void TLocaleEditor::BtnCancelClick(TObject*) {
  if (Modified &&
      MessageDlg("Do you want to discard the changes ?", mtWarning, TMsgDlgButtons{mbYes, mbNo}, 0) != mrYes)
    return;
  SetModalResult(mrCancel);
}

void TLocaleEditor::CkxMoveClick(TObject*) {
  TRegIniFile(kSettingsKey).WriteBool(kSection, "MoveNextUntranslated", CkxMove->Checked());
}

void TLocaleEditor::EdtLocaleListChange(TObject*) {
  TRegIniFile(kSettingsKey).WriteString(kSection, "LoadLocales", EdtLocaleList->Text());
}

void TLocaleEditor::BtnEditFontClick(TObject*) {
  FontDialog1->SetFont(EdtTranslation->Font());
  if (!FontDialog1->Execute()) return;
  EdtTranslation->SetFont(FontDialog1->Font());
  LblEditFont->SetCaption(EdtTranslation->Font()->Name());
  TRegIniFile(kSettingsKey).WriteString(kSection, "EditFontName", EdtTranslation->Font()->Name());
}

void TLocaleEditor::BtnDisplayFontClick(TObject*) {
  FontDialog1->SetFont(PropList->Font());
  if (!FontDialog1->Execute()) return;
  PropList->SetFont(FontDialog1->Font());
  LblDisplayFont->SetCaption(PropList->Font()->Name());
  TRegIniFile(kSettingsKey).WriteString(kSection, "DisplayFontName", PropList->Font()->Name());
}

}  // namespace LxvEdit

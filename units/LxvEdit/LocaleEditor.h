#pragma once
// TLocaleEditor, the "Locale Translation Editor" dialog of a TLexivar. Its
// layout is the linked form resource TLOCALEEDITOR, which binds every handler
// by name. The dialog edits a working copy of the component's translation
// table and a pool of system locales; only OK after a change writes the
// working copy back, and the design-time and startup LCIDs travel back in
// public fields.
#include <cstdint>
#include <string>

#include "Lxv/Lexivar.h"
#include "Lxv/SortList.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/form.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/notebook.h"
#include "platform/forms/std_controls.h"
#include "platform/locale/locale_services.h"

namespace LxvEdit {

using Lxv::TLexivar;
using Lxv::TSortList;

class TLocaleEditor : public platform::TForm {
  LXV_CLASS(TLocaleEditor, platform::TForm)
 public:
  // Reads the layout (the reader sets the components below) and runs FormCreate.
  explicit TLocaleEditor(platform::TComponent* owner);

  // Published components, set by the form reader.
  platform::TButton* BtnOK = nullptr;
  platform::TButton* BtnCancel = nullptr;
  platform::TTabbedNotebook* LocaleNotebook = nullptr;
  platform::TCheckBox* CkxMove = nullptr;
  platform::TGroupBox* GroupEditFont = nullptr;
  platform::TLabel* LblEditFont = nullptr;
  platform::TButton* BtnEditFont = nullptr;
  platform::TGroupBox* GroupDisplayFont = nullptr;
  platform::TLabel* LblDisplayFont = nullptr;
  platform::TButton* BtnDisplayFont = nullptr;
  platform::TLabel* LblLoad = nullptr;
  platform::TLabel* LblSave = nullptr;
  platform::TButton* BtnLoad = nullptr;
  platform::TButton* BtnSave = nullptr;
  platform::TLabel* LblResList = nullptr;
  platform::TListBox* PropList = nullptr;
  platform::TLabel* LblTranslation = nullptr;
  platform::TMemo* EdtTranslation = nullptr;
  platform::TFontDialog* FontDialog1 = nullptr;
  platform::TOpenDialog* OpenDialog1 = nullptr;
  platform::TSaveDialog* SaveDialog1 = nullptr;
  platform::TBevel* Bevel5 = nullptr;
  platform::TLabel* LblLang = nullptr;
  platform::TComboBox* CbxLang = nullptr;
  platform::TLabel* LblLangListInApp = nullptr;
  platform::TLabel* LblLangList = nullptr;
  platform::TListBox* LangList = nullptr;
  platform::TListBox* LangListInApp = nullptr;
  platform::TButton* BtnCopyLang = nullptr;
  platform::TButton* BtnRemoveLang = nullptr;
  platform::TButton* BtnUserLang = nullptr;
  platform::TEdit* EdtLocaleList = nullptr;
  platform::TButton* BtnSelLocale = nullptr;
  platform::TLabel* LblLocaleList = nullptr;
  platform::TButton* BtnSetDefault = nullptr;
  platform::TButton* BtnSetStartup = nullptr;
  platform::TLabel* LblProp = nullptr;
  platform::TListBox* DescList = nullptr;

  // Published handlers; none looks at its sender.
  void FormShow(platform::TObject* sender);
  void PropListClick(platform::TObject* sender);
  void BtnEditFontClick(platform::TObject* sender);
  void BtnDisplayFontClick(platform::TObject* sender);
  void BtnCancelClick(platform::TObject* sender);
  void FormCreate(platform::TObject* sender);
  void FormDestroy(platform::TObject* sender);
  void EdtTranslationKeyDown(platform::TObject* sender, std::uint16_t& key, platform::TShiftState shift);
  void BtnOKClick(platform::TObject* sender);
  void BtnLoadClick(platform::TObject* sender);
  void EdtTranslationExit(platform::TObject* sender);
  void CkxMoveClick(platform::TObject* sender);
  void BtnSaveClick(platform::TObject* sender);
  void LangListClick(platform::TObject* sender);
  void LangListInAppClick(platform::TObject* sender);
  void BtnCopyLangClick(platform::TObject* sender);
  void BtnRemoveLangClick(platform::TObject* sender);
  void CbxLangChange(platform::TObject* sender);
  void EdtLocaleListChange(platform::TObject* sender);
  void BtnSelLocaleClick(platform::TObject* sender);
  void BtnSetStartupClick(platform::TObject* sender);
  void BtnSetDefaultClick(platform::TObject* sender);
  void EdtLocaleListExit(platform::TObject* sender);
  void BtnUserLangClick(platform::TObject* sender);

  // Rebuilds "Locales in application", the locale chooser and "System
  // locales" from the working copy and the pool, keeping the chosen locale.
  void RefreshLists();
  // Clears every highlight of the property list.
  void RemoveSelection();

  // Set, never cleared, by every change of the working state.
  bool Modified = false;
  // The current property's value as the field showed it when it was chosen.
  std::string ShownValue;
  // The system locale pool: catalogue lines of the locales that may be copied in.
  platform::TOwned<TSortList> SystemLocaleProps;
  std::int32_t DesignLocaleId = 0;
  std::int32_t StartupLocaleId = 0;
  TLexivar* EditComponent = nullptr;  // not owned
  platform::TOwned<TSortList> WorkTranslations;

 private:
  // Key prefix of the chosen locale ("" when none is chosen).
  std::string LocaleKey() const;
  // Index in WorkTranslations of the current property's line; -1 when none.
  int PropertyLine() const;
  // Replaces the value of WorkTranslations' line `index`.
  void StoreValue(int index, const std::string& value);
  // Page Up (step -1) and Page Down (+1).
  void MoveProperty(int step);
  void SetLangButtons(bool remove, bool designtime, bool startup);
};

// The operating system's locale identifiers (eight hex digits each), in
// enumeration order; exists while a dialog exists (FormCreate to FormDestroy).
extern platform::TOwned<platform::TStringList> EnumeratedLocales;

// The enumeration callback: appends the identifier and goes on.
platform::BOOL EnumLocalesProc(char* localeText);

}  // namespace LxvEdit

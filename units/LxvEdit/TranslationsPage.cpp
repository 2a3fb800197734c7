// The "Translations" page: the locale chooser, the property list, the
// translation field with its commit, revert and Page Up/Page Down moves.
// Values are shown exactly as stored and stored exactly as typed.
#include "Lxv/LocaleDesignator.h"
#include "Lxv/TableLine.h"
#include "LxvEdit/LocaleEditor.h"

namespace LxvEdit {

using namespace platform;

namespace {
// Index of the first line of `lines` that begins with `start`; -1 when none.
int FindLineStarting(const TStrings& lines, const std::string& start) {
  for (int i = 0; i < lines.Count(); ++i)
    if (lines.Strings(i).starts_with(start)) return i;
  return -1;
}

std::string CurrentEntry(const TListBox& list) { return std::string(list.Items()->Strings(list.ItemIndex())); }
}  // namespace

std::string TLocaleEditor::LocaleKey() const {
  const int chosen = CbxLang->ItemIndex();
  if (chosen < 0) return "";
  return Lxv::LocalePrefix(static_cast<LCID>(IntFromObject(CbxLang->Items()->Objects(chosen))));
}

int TLocaleEditor::PropertyLine() const {
  const int current = PropList->ItemIndex();
  if (current < 0 || current >= PropList->Items()->Count() || CbxLang->ItemIndex() < 0) return -1;
  return FindLineStarting(*WorkTranslations, LocaleKey() + "_" + CurrentEntry(*PropList) + "=");
}

void TLocaleEditor::StoreValue(int index, const std::string& value) {
  const std::string_view line = WorkTranslations->Strings(index);
  WorkTranslations->SetStrings(index, std::string(line.substr(0, line.find('=') + 1)) + value);
}

void TLocaleEditor::CbxLangChange(TObject*) {
  TStrings& names = *PropList->Items();
  names.Clear();
  if (CbxLang->ItemIndex() >= 0) {
    const std::string key = LocaleKey();
    TStringsUpdate update(names);
    for (int i = 0; i < WorkTranslations->Count(); ++i) {
      const std::string_view line = WorkTranslations->Strings(i);
      if (!line.starts_with(key)) continue;
      const std::string rest(Lxv::TableValue(std::string_view(line).substr(line.find('_') + 1)));
      names.Add(rest.substr(0, rest.find('=')));
    }
  }
  PropListClick(this);
}

void TLocaleEditor::PropListClick(TObject*) {
  LblProp->SetCaption("");
  EdtTranslation->SetText("");
  const int current = PropList->ItemIndex();
  if (current < 0 || current >= PropList->Items()->Count()) {
    EdtTranslation->SetEnabled(false);
    EdtTranslation->SetColor(clBtnFace);
    return;
  }
  const TStrings& descriptions = *DescList->Items();
  const int description = FindLineStarting(descriptions, CurrentEntry(*PropList) + "=");
  if (description >= 0) {
    const std::string_view line = descriptions.Strings(description);
    LblProp->SetCaption(std::string(Lxv::LineValue(line)));
  }
  const int index = PropertyLine();
  if (index < 0) return;
  const std::string_view line = WorkTranslations->Strings(index);
  ShownValue = Lxv::LineValue(line);
  EdtTranslation->SetText(ShownValue);
  EdtTranslation->SetColor(clWindow);
  EdtTranslation->SetEnabled(true);
}

void TLocaleEditor::EdtTranslationExit(TObject*) {
  if (EdtTranslation->Text() == ShownValue) return;
  const int index = PropertyLine();
  if (index < 0) return;
  StoreValue(index, EdtTranslation->Text());
  Modified = true;
}

void TLocaleEditor::RemoveSelection() {
  for (int i = 0; i < PropList->Items()->Count(); ++i) PropList->SetSelected(i, false);
}

void TLocaleEditor::MoveProperty(int step) {
  EdtTranslationExit(this);
  RemoveSelection();
  const int count = PropList->Items()->Count();
  for (int i = PropList->ItemIndex(); step < 0 ? i > 0 : i + 1 < count;) {
    i += step;
    PropList->Perform(TListBox::LB_SETCARETINDEX, static_cast<std::uintptr_t>(i), 0);
    PropList->SetItemIndex(i);
    PropListClick(this);
    if (!CkxMove->Checked() || EdtTranslation->Text().empty()) break;
  }
  if (PropList->ItemIndex() >= 0) PropList->SetSelected(PropList->ItemIndex(), true);
}

void TLocaleEditor::EdtTranslationKeyDown(TObject*, std::uint16_t& key, TShiftState) {
  switch (key) {
    case VK_ESCAPE: {
      const int index = PropertyLine();
      if (index < 0) return;
      StoreValue(index, ShownValue);
      EdtTranslation->SetText(ShownValue);
      break;
    }
    // The field is one line high and a table value holds no line break:
    // Return commits, as leaving the field does, and types nothing.
    case VK_RETURN: EdtTranslationExit(this); break;
    case VK_PRIOR: MoveProperty(-1); break;
    case VK_NEXT: MoveProperty(+1); break;
    default: break;
  }
}

}  // namespace LxvEdit

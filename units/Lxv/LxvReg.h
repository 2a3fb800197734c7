#pragma once
// Unit Lxv at design time: the registration procedure a design environment
// calls when it loads the package, the property editors of TLexivar's
// properties and its component editor.
#include <string>

#include "platform/design/component_editor.h"
#include "platform/design/standard_editors.h"

namespace Lxv {

class TLexivar;

// The palette page, the component editor and the seven property editors.
void Register();

// About: "(About...)"; the ellipsis shows the About box.
class TLocAboutProperty : public platform::TPropertyEditor {
  LXV_CLASS(TLocAboutProperty, platform::TPropertyEditor)
 public:
  void Edit() override;
  platform::TPropertyAttributes GetAttributes() override;
  std::string GetValue() override { return "(About...)"; }
};

// Translations: "[Locale Editor]"; the ellipsis opens the editor dialog.
class TLocaleTranslationsProperty : public platform::TPropertyEditor {
  LXV_CLASS(TLocaleTranslationsProperty, platform::TPropertyEditor)
 public:
  void Edit() override;
  platform::TPropertyAttributes GetAttributes() override;
  std::string GetValue() override { return "[Locale Editor]"; }
};

// FileName: typed, or chosen in an open-file dialog.
class TLocFileNameProperty : public platform::TStringProperty {
  LXV_CLASS(TLocFileNameProperty, platform::TStringProperty)
 public:
  void Edit() override;
  platform::TPropertyAttributes GetAttributes() override;
};

// AdoptOn: the named controls of the form that can serve as a language selector.
class TLocAdoptOnProperty : public platform::TComponentProperty {
  LXV_CLASS(TLocAdoptOnProperty, platform::TComponentProperty)
 public:
  void GetValues(const platform::TGetStrProc& proc) override;
};

// DesignLocale: the designators of the locales in the translation table.
class TDesignLocaleProperty : public platform::TStringProperty {
  LXV_CLASS(TDesignLocaleProperty, platform::TStringProperty)
 public:
  platform::TPropertyAttributes GetAttributes() override;
  void GetValues(const platform::TGetStrProc& proc) override;
};

// StartupLocale: the two default designators, then those of DesignLocale.
class TStartupLocaleProperty : public platform::TStringProperty {
  LXV_CLASS(TStartupLocaleProperty, platform::TStringProperty)
 public:
  platform::TPropertyAttributes GetAttributes() override;
  void GetValues(const platform::TGetStrProc& proc) override;
};

// ListFormat: six patterns offered in a fixed order; any other may be typed.
class TLocListFormatProperty : public platform::TStringProperty {
  LXV_CLASS(TLocListFormatProperty, platform::TStringProperty)
 public:
  platform::TPropertyAttributes GetAttributes() override;
  void GetValues(const platform::TGetStrProc& proc) override;
};

// The verbs of a TLexivar on the form: the editor dialog, the About box, help.
class TLexivarEditor : public platform::TComponentEditor {
  LXV_CLASS(TLexivarEditor, platform::TComponentEditor)
 public:
  void ExecuteVerb(int index) override;
  std::string GetVerb(int index) override;
  int GetVerbCount() override { return 3; }
};

}  // namespace Lxv

#pragma once
// TLexivar, the translator component. It keeps the regional settings of every
// locale of the application in its translation table, lists those locales by
// display name, and applies one of them to the process-wide format settings,
// the thread locale and the system locale record. Components that share its
// non-zero Locale tag are its peers: they share the Translate switch.
#include <cstdint>
#include <string>

#include "Lxv/SortList.h"
#include "platform/classes/component.h"
#include "platform/format/format_settings.h"
#include "platform/locale/locale_services.h"
#include "platform/rtti/events.h"

namespace platform {
class TFiler;
class TReader;
class TWriter;
}  // namespace platform

namespace Lxv {

using platform::LCID;

// Fired before a locale is applied; setting Skip stops it.
using TTranslateEvent = platform::TEvent<platform::TObject* /*Sender*/, bool& /*Skip*/>;
// Fired after a locale was applied.
using TTranslatedEvent = platform::TEvent<platform::TObject* /*Sender*/>;

// Ownership: the owner frees the component; the component owns its two
// lists (Translations, LocaleList) and the menu items its selector makes,
// never the control AdoptOn names. Threads: the user-interface thread only.
class TLexivar : public platform::TComponent {
  LXV_CLASS(TLexivar, platform::TComponent)
 public:
  // Fills the table with the catalogue of the user's default locale and
  // builds the locale list from it.
  explicit TLexivar(platform::TComponent* owner);
  ~TLexivar() override;

  // Published properties, in the order they are listed and streamed.
  const std::string& About() const { return about_; }
  void SetAbout(const std::string& value) { about_ = value; }
  platform::TComponent* AdoptOn() const { return adoptOn_; }
  // A control of a class the selector cannot serve is refused with a message
  // box and changes nothing; otherwise the old control is released (it keeps
  // its entries), the new one filled, hooked and marked. Not owned.
  void SetAdoptOn(platform::TComponent* value);
  const std::string& DesignLocale() const { return designLocale_; }
  // Designators that are not valid are ignored without a message.
  void SetDesignLocale(const std::string& value);
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& value) { fileName_ = value; }
  const std::string& ListFormat() const { return listFormat_; }
  // A Format pattern over the English name, English country name, native
  // name and native country name (arguments 0 to 3). A pattern without "%",
  // or one Format cannot apply to four names, is refused with a message box
  // and the old one stays; a new one refills an adopted control.
  void SetListFormat(const std::string& value);
  std::int32_t Locale() const { return locale_; }
  void SetLocale(std::int32_t value) { locale_ = value; }
  const std::string& StartupLocale() const { return startupLocale_; }
  void SetStartupLocale(const std::string& value);
  bool Translate() const { return translate_; }
  // A change reaches the peers (same non-zero Locale); nothing is applied.
  void SetTranslate(bool value);
  // The table object itself: callers read and change it in place.
  TSortList* Translations() const { return translations_.get(); }
  // Copies the lines (with their objects) into the table, each to its sorted place.
  void SetTranslations(platform::TStrings* value);

  // Order of a pick in the selector: OnTranslate, then (when applied)
  // OnTranslated, then OnLanguageSelected. An error a handler raises reaches
  // the caller of TranslateLocale, the cursor restored.
  TTranslateEvent OnTranslate;
  TTranslatedEvent OnTranslated;
  // Public, not published: fired by the language selector after a pick.
  platform::TNotifyEvent OnLanguageSelected;

  // The locale list: display names formed by ListFormat, LCIDs as objects.
  TSortList* LocaleList() const { return localeList_.get(); }
  // The locale last applied (at design time also the design locale's).
  LCID CurrentLocale() const { return currentLocale_; }

  // The catalogue of `lcid` into `list`; uses nothing of this component.
  void AddOrgProps(LCID lcid, TSortList& list) const;
  // Rebuilds the locale list from the translation table.
  void UpdateLangList();
  // The format settings that applying `lcid` would leave in force: the
  // record in force with the table's lines of the locale written over it.
  // Touches nothing of the process, fires nothing and ignores Translate, so
  // an application can format in a locale other than the current one, or on
  // another thread, with the routines that take a settings record. A number
  // that does not convert raises EConvertError. (In generation 3 the list
  // separator and century window live outside the record.)
  platform::TFormatSettings SettingsOf(LCID lcid) const;
  // Applies the table's lines of `lcid`: SettingsOf, then the record, the
  // thread locale, the system locale record, the selector and the peers.
  // False when Translate is off, when OnTranslate skipped, or when the table
  // holds no line of the locale. All or nothing: when a line does not
  // convert, EConvertError reaches the caller and nothing has changed.
  bool TranslateLocale(LCID lcid);
  // Switches the other translator components of the application after `lcid`
  // was applied: peers by Locale tag, other classes by their published
  // Locale and Translate. Does nothing for 0.
  void SetLocales(LCID lcid);

  // The language selector: refill and re-hook the adopted control, and mark
  // the current locale in it.
  void UpdateAdoptOn();
  void UpdateLanguageSelection();
  // The click handlers the selector installs (Sender: the clicked menu item
  // or control). A pick of another locale applies it, then OnLanguageSelected.
  void OnMenuItemClick(platform::TObject* sender);
  void OnTabSetClick(platform::TObject* sender);
  void OnListBoxClick(platform::TObject* sender);
  void OnComboBoxClick(platform::TObject* sender);
  void OnRadioGroupClick(platform::TObject* sender);

  // Translation files (see Lxv/TranslationFile.h): the table's lines under
  // the owner's name and this component's Locale tag. The name is used as
  // given; LoadFrom is false when the file does not exist. Both raise the
  // framework's errors (EConvertError for a malformed tag, EFOpenError and
  // EFCreateError for file access); a failed load leaves the table and a
  // failed save leaves the file as they were.
  void SaveTo(const std::string& fileName) const;
  bool LoadFrom(const std::string& fileName);
  // The text escapes of Lxv/Literals.h, for application code.
  static void ConvertToLiterals(std::string& s);
  static void ConvertFromLiterals(std::string& s);
  static std::string WriteString(const std::string& s);
  static std::string ReadString(const std::string& s);

  // Stored-test of Translations: the table travels in the form exactly when
  // no translation file is named.
  bool StoreTranslationsInForm() const { return fileName_.empty(); }
  // Directory a bare FileName is resolved against, with a trailing "/": the
  // open project's at design time, the executable's otherwise.
  std::string GetAppDir() const;
  // Sets Translate and nothing else.
  void InternalTranslate(bool value) { translate_ = value; }

  // The About box, a dialog whose OK button waits 1500 ms after each
  // activation; a dialog closed sooner is shown again.
  void ShowAbout();
  void ShowTimedMessage(const std::string& caption, const std::string& text);
  // The dialog's OnActivate handler (Sender is the dialog form).
  void OnShowMessage(platform::TObject* sender);
  // Design time: opens the translation editor dialog on this component; true
  // when it was closed with OK after a change.
  bool ShowEditor();

  void Loaded() override;
  void Notification(platform::TComponent* component, platform::TOperation operation) override;
  void DefineProperties(platform::TFiler& filer) override;

 private:
  void ReadStorage(platform::TReader& reader);
  void WriteStorage(platform::TWriter& writer);
  void ReleaseAdopted();
  void OnListClick(platform::TObject* sender);
  void SelectLocale(LCID lcid);

  std::string about_;
  std::int32_t locale_ = 0;
  bool translate_ = true;
  platform::TOwned<TSortList> translations_;
  std::string fileName_;
  platform::TComponent* adoptOn_ = nullptr;  // not owned
  std::string designLocale_;
  std::string startupLocale_;
  std::string listFormat_;
  LCID currentLocale_ = 0;
  platform::TOwned<TSortList> localeList_;  // declared last: freed first
};

// Whether `component` is of a class the language selector can adopt (a tab
// set, main or pop-up menu, list box, combo box, radio group or menu item, or
// a descendant of one).
bool IsSelectorClass(const platform::TComponent* component);

// True while a radio group's click is being handled, for every TLexivar of
// the process: clicks of radio groups are ignored meanwhile.
extern bool RadioGroupBusy;

}  // namespace Lxv

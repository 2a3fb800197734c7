#pragma once
// The demo's main form. Its layout is the text form file DemoForm.txt, linked
// as the form resource TDEMOFORM: a column of captions beside labels showing
// today's date in both date formats, the time, an amount and a number, an
// invoice line in German whatever locale is in force, and two TLexivar
// components sharing one table through the translation file
// lxvdemo_trans.txt: Lexivar1 adopted on the "Language" menu, Lexivar2 on a
// list box. Each one's OnTranslated brings the other to its locale, so both
// selectors mark the locale in force; the end user's pick is kept in the
// settings store and applied at the next start.
#include <ostream>
#include <string>
#include <vector>

#include "Lxv/Lexivar.h"
#include "platform/format/date_time.h"
#include "platform/forms/form.h"

class TDemoForm : public platform::TForm {
  LXV_CLASS(TDemoForm, platform::TForm)
 public:
  explicit TDemoForm(platform::TComponent* owner);

  // The locales whose catalogues the translation table holds.
  static const std::vector<Lxv::LCID>& Locales();
  Lxv::TLexivar& Lexivar() const;
  Lxv::TLexivar& ListLexivar() const;
  // The labels' captions, one per line.
  std::string Labels() const;

  void FormCreate(platform::TObject* sender);
  void Lexivar1Translated(platform::TObject* sender);
  void Lexivar2Translated(platform::TObject* sender);
  void MnuAboutClick(platform::TObject* sender);
  void LanguageSelected(platform::TObject* sender);

  // The settings key and the name under which the pick is kept.
  static constexpr const char* kSettingsKey = "Software\\Korvane\\LexivarDemo";
  // The invoice's customer locale (German).
  static constexpr Lxv::LCID kInvoiceLocale = 0x407;

 private:
  void SetLabel(const char* name, const std::string& caption) const;
  void FillTable();
  // Brings `other` to the locale `from` applied, when it is elsewhere.
  static void Follow(const Lxv::TLexivar& from, Lxv::TLexivar* other);
};

// "Now", or the moment LXV_DEMO_DATE names ("YYYY-MM-DD HH:MM:SS"), so
// that runs can be compared.
platform::TDateTime DemoNow();

// Without a display: shows the form to the scripted user, who picks each
// locale of the "Language" menu in turn, one from the list box, and opens
// Help > About; prints the form's snapshot first, the labels after each
// pick and what the selectors mark.
void RunDemoForm(std::ostream& out);
// With a display: shows the form until the person closes it.
void ShowDemoForm();

#pragma once
// The demo's main form. Its layout is the text form file DemoForm.txt, linked
// as the form resource TDEMOFORM: labels showing today's date in both date
// formats, the time, an amount and a number, and a TLexivar adopted on the
// main menu's "Language" item, whose OnTranslated refreshes the labels.
#include <ostream>
#include <string>
#include <vector>

#include "Lxv/Lexivar.h"
#include "platform/forms/form.h"

class TDemoForm : public platform::TForm {
  LXV_CLASS(TDemoForm, platform::TForm)
 public:
  explicit TDemoForm(platform::TComponent* owner);

  // The locales whose catalogues the translation table holds.
  static const std::vector<Lxv::LCID>& Locales();
  Lxv::TLexivar& Lexivar() const;
  // The labels' captions, one per line.
  std::string Labels() const;

  void FormCreate(platform::TObject* sender);
  void Lexivar1Translated(platform::TObject* sender);

 private:
  void SetLabel(const char* name, const std::string& caption) const;
};

// Without a display: shows the form to the scripted user, who picks each
// locale of the "Language" menu in turn; prints the form's snapshot first
// and the labels after each pick.
void RunDemoForm(std::ostream& out);
// With a display: shows the form until the person closes it.
void ShowDemoForm();

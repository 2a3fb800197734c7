#pragma once
// The application's main form, laid out in MainForm.txt (linked as the form
// resource TMAINFORM): two labels that show a date and an amount in the
// locale in force, and a list box from which Lexivar1 lets the user pick the
// locale. Lexivar1 keeps its table in consumer_trans.txt beside the program.
#include <string>

#include "Lxv/Lexivar.h"
#include "platform/forms/form.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/std_controls.h"

class TMainForm : public platform::TForm {
  LXV_CLASS(TMainForm, platform::TForm)
 public:
  explicit TMainForm(platform::TComponent* owner);

  // Whether FormCreate found the translation file or had to build it.
  bool TableWasRead() const { return tableWasRead_; }
  // "Date ...  Amount ...", as the labels show them.
  std::string Labels() const;

  // Filled by the form reader from the fields of MainForm.txt.
  platform::TLabel* LblDate = nullptr;
  platform::TLabel* LblAmount = nullptr;
  platform::TListBox* LocaleList = nullptr;
  Lxv::TLexivar* Lexivar1 = nullptr;

  void FormCreate(platform::TObject* sender);
  void Lexivar1Translated(platform::TObject* sender);

 private:
  bool tableWasRead_ = false;
};

// An application built against an installed Lexivar package: its main form
// comes from a form resource, a TLexivar on it fills a list box with the
// locales of its translation file, and picking one switches the date and the
// amount the form shows. With a display (and a package of the newest
// generation, which the windows are built for) the form is a window;
// without one, or with --headless, the scripted user picks each locale and
// the program prints what the form shows.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "Lxv/Package.h"
#include "main_form.h"
#include "platform/base/exceptions.h"
#include "platform/forms/headless.h"
#include "platform/forms/snapshot.h"
#include "platform/forms/user.h"
#ifdef CONSUMER_WINDOWS
#include "platform/fltk/windowing.h"
#endif

using namespace platform;

namespace {

bool UseWindows(bool headless) {
#ifdef CONSUMER_WINDOWS
  return UseWindowsWhenDisplayed(headless);
#else
  (void)headless;
  return false;
#endif
}

void RunScripted(TMainForm& form) {
  std::cout << "Translation file " << form.Lexivar1->FileName() << ": "
            << (form.TableWasRead() ? "read" : "built") << " beside the program\n"
            << FormSnapshot(form);
  TScriptedUser& user = ScriptedUser();
  const TStrings& entries = *form.LocaleList->Items();
  for (int i = 0; i < entries.Count(); ++i)
    user.Pick("LocaleList", i).Do("print the labels", [&entries, i](TForm& shown) {
      std::cout << entries.Strings(i) << ": " << static_cast<TMainForm&>(shown).Labels() << "\n";
    });
  user.Close();
  form.ShowModal();
}

}  // namespace

int main(int argc, char** argv) {
  const bool headless = argc > 1 && std::strcmp(argv[1], "--headless") == 0;
  std::printf("%s %s generation %d\n", Lxv::PackageName(), Lxv::PackageDescription(), Lxv::PackageGeneration());
  try {
    const bool windows = UseWindows(headless);
    TOwned<TMainForm> form(new TMainForm(nullptr));
    if (windows) form->ShowModal();
    else RunScripted(*form);
  } catch (const Exception& e) {
    std::cerr << "consumer: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

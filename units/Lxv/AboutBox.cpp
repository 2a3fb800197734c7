// TLexivar: the About box. A dialog built at run time whose OK button is
// enabled only 1500 ms after each activation; a dialog closed sooner after
// the call began is shown again.
#include <cstdint>

#include "Lxv/Lexivar.h"
#include "platform/base/clock.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/std_controls.h"

namespace Lxv {

using namespace platform;

namespace {
constexpr std::uint32_t kDelay = 1500;

// Milliseconds since `start`, right across the counter's wrap to 0.
std::uint32_t Since(std::uint32_t start) { return GetTickCount() - start; }
}  // namespace

void TLexivar::ShowAbout() {
  ShowTimedMessage("About ...",
                   "Lexivar 1.0\r\n"
                   "Copyright (c) 2026 Korvane. All rights reserved.\r\n"
                   "\r\n"
                   "Internet: https://www.korvane.example/lexivar");
}

void TLexivar::ShowTimedMessage(const std::string& caption, const std::string& text) {
  // Each round is one dialog with its own start time; a loop, where a call
  // of its own would do the same, so early closes cannot deepen the stack.
  for (;;) {
    const std::uint32_t start = GetTickCount();
    {
      // Declared form, button, label: freed label, button, form however
      // the modal display ends.
      TOwned<TForm> form(new TForm(&Application()));
      form->OnActivate = [this](TObject* sender) { OnShowMessage(sender); };
      form->SetBorderIcons({});
      form->SetBorderStyle(bsDialog);
      form->SetCaption(caption);
      form->SetClientHeight(130);
      form->SetClientWidth(360);
      form->SetPosition(poScreenCenter);
      form->Font()->SetName("Ariel");
      form->Font()->SetSize(10);

      TOwned<TButton> button(new TButton(form.get()));
      button->SetName("Button");
      button->SetParent(form.get());
      button->SetCaption("OK");
      button->SetDefault(true);
      button->SetEnabled(false);
      button->SetModalResult(mrOk);
      button->SetLeft(form->Width() / 2 - button->Width() / 2);
      button->SetTop(form->ClientHeight() - (button->Height() + 5));

      TOwned<TLabel> label(new TLabel(form.get()));
      label->SetParent(form.get());
      label->SetCaption(text);
      label->Font()->SetStyle({fsBold});
      label->SetLeft(form->Width() / 2 - label->Width() / 2);
      label->SetTop(15);

      form->ShowModal();
    }
    if (Since(start) >= kDelay) return;
  }
}

void TLexivar::OnShowMessage(TObject* sender) {
  const std::uint32_t start = GetTickCount();
  // The dialog is painted and the application keeps working meanwhile.
  do {
    Application().ProcessMessages();
  } while (Since(start) < kDelay);
  if (auto* owner = DynCast<TComponent>(sender))
    if (auto* button = DynCast<TControl>(owner->FindComponent("Button"))) button->SetEnabled(true);
}

}  // namespace Lxv

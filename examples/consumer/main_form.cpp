#include "main_form.h"

#include "platform/base/files.h"
#include "platform/format/date_time.h"
#include "platform/format/float_format.h"
#include "platform/format/format_settings.h"
#include "platform/rtti/register_class.h"

using namespace platform;

LXV_REGISTER_CLASS(TMainForm, LXV_FIELD(LblDate) LXV_FIELD(LblAmount) LXV_FIELD(LocaleList) LXV_FIELD(Lexivar1)
                                  LXV_METHOD(FormCreate) LXV_METHOD(Lexivar1Translated));

TMainForm::TMainForm(TComponent* owner) : TForm(owner) { InitFromResource(); }

void TMainForm::FormCreate(TObject*) {
  // English, German, French. Reading the form merged the translation file
  // when it was there; the first run builds it and writes it beside the
  // program, where the next runs find it.
  const Lxv::LCID locales[] = {0x409, 0x407, 0x40C};
  const std::string file = Lexivar1->GetAppDir() + Lexivar1->FileName();
  tableWasRead_ = FileExists(file) && Lexivar1->LocaleList()->Count() == 3;
  if (!tableWasRead_) {
    Lexivar1->Translations()->Clear();
    for (Lxv::LCID lcid : locales) Lexivar1->AddOrgProps(lcid, *Lexivar1->Translations());
    Lexivar1->SaveTo(file);
    Lexivar1->UpdateAdoptOn();
  }
  Lexivar1->TranslateLocale(locales[0]);
}

void TMainForm::Lexivar1Translated(TObject*) {
  // Also fired while the form is read, before the labels are there.
  if (LblDate == nullptr || LblAmount == nullptr) return;
  LblDate->SetCaption(FormatDateTime("ddddd", EncodeDate(2024, 3, 5)));
  LblAmount->SetCaption(FloatToStrF(1234.5, ffCurrency, 15, FormatSettings().CurrencyDecimals));
}

std::string TMainForm::Labels() const { return "Date " + LblDate->Caption() + "  Amount " + LblAmount->Caption(); }

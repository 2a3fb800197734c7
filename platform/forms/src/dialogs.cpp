#include "platform/forms/dialogs.h"

#include <filesystem>
#include <utility>

#include "platform/forms/application.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"

namespace platform {

int ModalResultOf(TMsgDlgBtn button) {
  switch (button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbHelp: return mrNone;
  }
  return mrNone;
}

namespace {
TMessageBoxWatch*& ActiveWatch() {
  static TMessageBoxWatch* watch = nullptr;
  return watch;
}

std::string CaptionOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    case mtCustom: break;
  }
  return Application().Title();
}
}  // namespace

void ShowMessage(const std::string& message) { MessageDlg(message, mtCustom, {mbOK}, 0); }

TMessageBoxWatch::TMessageBoxWatch() : outer_(std::exchange(ActiveWatch(), this)) {}
TMessageBoxWatch::~TMessageBoxWatch() { ActiveWatch() = outer_; }

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
  if (TMessageBoxWatch* watch = ActiveWatch()) watch->messages_.push_back(message);
  return BackEnd().ShowMessageBox(TMessageBoxRequest{CaptionOf(type), message, type, buttons, helpContext});
}

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  TInputQueryRequest query{caption, prompt, value};
  if (!BackEnd().InputQuery(query)) return false;
  value = query.Value;
  return true;
}

TClass TCommonDialog::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCommonDialog>("TCommonDialog")
      .Property("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext).Default(0)
      .Build();
  return &info;
}

TClass TOpenDialog::StaticClass() {
  static const TClassInfo info = TClassBuilder<TOpenDialog>("TOpenDialog")
      .Property("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt)
      .Property("FileEditStyle", &TOpenDialog::FileEditStyle, &TOpenDialog::SetFileEditStyle)
      .Property("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName)
      .Property("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
      .Property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1)
      .Property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir)
      .Property("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle)
      .Build();
  return &info;
}

bool TOpenDialog::Execute() {
  TFileDialogRequest request{Kind(), title_, filter_, defaultExt_, initialDir_, fileName_};
  if (!BackEnd().ExecuteFileDialog(request)) return false;
  std::filesystem::path chosen = request.FileName;
  if (!defaultExt_.empty() && !chosen.empty() && !chosen.has_extension()) chosen += "." + defaultExt_;
  // The dialog answers with a full path, whatever the person typed.
  if (!chosen.empty() && chosen.is_relative())
    chosen = std::filesystem::absolute(initialDir_.empty() ? chosen : std::filesystem::path(initialDir_) / chosen);
  fileName_ = chosen.lexically_normal().string();
  return true;
}

LXV_EMPTY_CLASS_INFO(TSaveDialog)

TClass TFontDialog::StaticClass() {
  static const TClassInfo info = TClassBuilder<TFontDialog>("TFontDialog")
      .Property("Font", &TFontDialog::Font, &TFontDialog::SetFont)
      .Property("MinFontSize", &TFontDialog::MinFontSize, &TFontDialog::SetMinFontSize)
      .Property("MaxFontSize", &TFontDialog::MaxFontSize, &TFontDialog::SetMaxFontSize)
      .Build();
  return &info;
}

TFontDialog::TFontDialog(TComponent* owner) : TCommonDialog(owner), font_(std::make_unique<TFont>()) {}

bool TFontDialog::Execute() {
  TFont chosen;
  chosen.Assign(font_.get());
  TFontDialogRequest request{&chosen, minFontSize_, maxFontSize_};
  if (!BackEnd().ExecuteFontDialog(request)) return false;
  font_->Assign(&chosen);
  return true;
}

namespace {
const bool kRegistered = (RegisterClasses({TOpenDialog::StaticClass(), TSaveDialog::StaticClass(),
                                           TFontDialog::StaticClass()}),
                          true);
}  // namespace

}  // namespace platform

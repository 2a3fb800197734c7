#pragma once
// Message boxes, input queries and the common file and font dialogs. Each
// meets the person through the installed back end (backend.h).
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/component.h"
#include "platform/forms/backend.h"
#include "platform/forms/controls.h"
#include "platform/forms/graphics.h"

namespace platform {

// A modal box with the message and an OK button, captioned with the
// application's title.
void ShowMessage(const std::string& message);
// A modal box of the given kind with the given buttons; returns the modal
// result of the button chosen (mbYes gives mrYes, mbOK mrOk, ...).
int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
// Asks for a line of text; true when confirmed, with the text in value.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
// The modal result that a message box button gives.
int ModalResultOf(TMsgDlgBtn button);

// Collects the text of every message box shown while it lives (the innermost
// watch only), whoever answers the boxes: a design environment reports a
// property writer's refusal, which the writer says in a box.
class TMessageBoxWatch {
 public:
  TMessageBoxWatch();
  ~TMessageBoxWatch();
  TMessageBoxWatch(const TMessageBoxWatch&) = delete;
  TMessageBoxWatch& operator=(const TMessageBoxWatch&) = delete;
  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  friend int MessageDlg(const std::string&, TMsgDlgType, TMsgDlgButtons, int);
  TMessageBoxWatch* outer_;
  std::vector<std::string> messages_;
};

class TCommonDialog : public TComponent {
  LXV_CLASS(TCommonDialog, TComponent)
 public:
  explicit TCommonDialog(TComponent* owner) : TComponent(owner) {}
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }

 private:
  int helpContext_ = 0;
};

enum TFileEditStyle { fsEdit, fsComboBox };
LXV_ENUM(TFileEditStyle, "fsEdit", "fsComboBox")

class TOpenDialog : public TCommonDialog {
  LXV_CLASS(TOpenDialog, TCommonDialog)
 public:
  explicit TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}

  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& value) { defaultExt_ = value; }
  TFileEditStyle FileEditStyle() const { return fileEditStyle_; }
  void SetFileEditStyle(TFileEditStyle value) { fileEditStyle_ = value; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& value) { fileName_ = value; }
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& value) { filter_ = value; }
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int value) { filterIndex_ = value; }
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& value) { initialDir_ = value; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }

  // Shows the dialog; true when a file was chosen, whose full path FileName
  // then holds (a relative name is taken in InitialDir, or else the current
  // directory). A name chosen without an extension gets DefaultExt, when
  // there is one. The file need not exist.
  bool Execute();

 protected:
  virtual TFileDialogKind Kind() const { return TFileDialogKind::Open; }

 private:
  std::string defaultExt_;
  TFileEditStyle fileEditStyle_ = fsEdit;
  std::string fileName_;
  std::string filter_;
  int filterIndex_ = 1;
  std::string initialDir_;
  std::string title_;
};

class TSaveDialog : public TOpenDialog {
  LXV_CLASS(TSaveDialog, TOpenDialog)
 public:
  explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}

 protected:
  TFileDialogKind Kind() const override { return TFileDialogKind::Save; }
};

class TFontDialog : public TCommonDialog {
  LXV_CLASS(TFontDialog, TCommonDialog)
 public:
  explicit TFontDialog(TComponent* owner);

  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* value) { font_->Assign(value); }
  // Limits of the size offered, in points; 0: none.
  int MinFontSize() const { return minFontSize_; }
  void SetMinFontSize(int value) { minFontSize_ = value; }
  int MaxFontSize() const { return maxFontSize_; }
  void SetMaxFontSize(int value) { maxFontSize_ = value; }

  // Shows the dialog on a copy of Font; true when a font was chosen, which
  // Font then holds.
  bool Execute();

 private:
  std::unique_ptr<TFont> font_;
  int minFontSize_ = 0;
  int maxFontSize_ = 0;
};

}  // namespace platform

#pragma once
// TForm: a top-level windowed control and the root of a form file. A form is
// created empty, loaded from a form file (binary or text, told apart by
// content), or built from a form resource linked into a library; it is shown,
// or shown modally until a modal result ends it.
//
// The outer size adds a frame and a caption bar to the client area: a frame
// of 3 pixels on each side (bsSingle, bsDialog, bsToolWindow) or 4 (bsSizeable,
// bsSizeToolWin), none for bsNone; a caption bar of 19 pixels, 16 for the tool
// window styles, none for bsNone. A menu bar takes no room.
#include <string>
#include <string_view>

#include "platform/forms/controls.h"

namespace platform {

class TStream;
class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
LXV_ENUM(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin")
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
LXV_ENUM(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp")
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
LXV_ENUM(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter")

using TCloseQueryEvent = TEvent<TObject*, bool&>;

class TForm : public TWinControl {
  LXV_CLASS(TForm, TWinControl)
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  void BeforeDestruction() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value) { borderIcons_ = value; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  // Width and Height are stored while AutoScroll holds, the client size otherwise.
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }
  int ClientWidth() const override { return Width() - 2 * FrameWidth(); }
  void SetClientWidth(int value) { SetWidth(value + 2 * FrameWidth()); }
  int ClientHeight() const override { return Height() - 2 * FrameWidth() - CaptionHeight(); }
  void SetClientHeight(int value) { SetHeight(value + 2 * FrameWidth() + CaptionHeight()); }
  TPoint ClientOrigin() const override;
  int FrameWidth() const;
  int CaptionHeight() const;

  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value);
  // The height of a line of text in the form's font.
  int TextHeight() const;
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* value);

  TWinControl* ActiveControl() const { return active_; }
  // Moves the focus as SetFocus does; nullptr takes it away.
  void SetActiveControl(TWinControl* control);
  // Gives the focus to control (nullptr: to no control): the exit handler of
  // the control that had it runs first and may refuse by raising. Returns
  // whether the focus ended where asked.
  bool FocusControl(TWinControl* control);
  // The focus leaves `control`, or a child of it, which is hidden, disabled
  // or taken off the form: the exit handler of the focused control runs
  // first (not while the form loads or goes, nor when `notify` is false: the
  // control is past its destructor's start) and the next control in tab
  // order takes the focus.
  // The focus is off the control even when the handler raises.
  void ForgetFocus(const TControl* control, bool notify = true);
  // The next focusable control in tab order after `from`, depth first.
  TWinControl* FindNextControl(TWinControl* from, bool forward) const;

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  bool Modal() const { return modal_; }

  void Show();
  void Hide() { SetVisible(false); }
  // Shows the form and runs the back end's modal loop until ModalResult is
  // non-zero; hides the form again and returns the result.
  TModalResult ShowModal();
  // Closes a modal form with mrCancel, hides any other; OnCloseQuery may refuse.
  void Close();
  // The form becomes the active window (again): OnActivate.
  void Activate() { OnActivate(this); }
  void Deactivate() { OnDeactivate(this); }

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnHide;
  TNotifyEvent OnShow;

  // At design time (designing.h): the component the design environment
  // selected, which the form's window marks, and the clicks a person makes
  // on the window, with the component under the click and the point in
  // client coordinates.
  TComponent* DesignSelection() const { return designSelection_; }
  void SetDesignSelection(TComponent* component);
  // Something the window shows besides the controls changed (a component
  // without a place of its own came, went or moved): the window redraws.
  void DesignChanged() { Changed(TPeerChange::Design); }
  TEvent<TObject*, TComponent*, TPoint> OnDesignClick;

  // Reads a form stream or file (any of the form formats) into this form.
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const std::string& path);
  // Writes the form as a binary or text form file, replacing it atomically.
  void SaveToFile(const std::string& path, bool asText = false);

  // A new form of the class the file names (found in the class registry);
  // OnCreate fires once it is read.
  static TForm* CreateFromFile(const std::string& path, TComponent* owner);
  // A new form from the linked resource `name`, of the class the layout names.
  static TForm* CreateFromResource(const std::string& name, TComponent* owner);

  // The controls on the form, then the components it owns that have no parent.
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void DefineProperties(TFiler& filer) override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // For descendants whose layout is linked as a resource named after their
  // class in upper case: call at the end of the constructor. Reads the layout
  // into this form (binding its handlers by name), then fires OnCreate.
  // Does nothing while a reader constructs the form to read into it.
  // Raises EReadError when no such resource is linked.
  void InitFromResource();
  void InitFromResource(const std::string& name);
  bool IsFormSizeStored() const { return autoScroll_; }
  bool IsClientSizeStored() const { return !autoScroll_; }

 private:
  void PlaceOnScreen();
  void FocusFirst();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  bool autoScroll_ = true;
  int pixelsPerInch_;
  TMainMenu* menu_ = nullptr;
  TComponent* designSelection_ = nullptr;
  TWinControl* active_ = nullptr;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool destroyFired_ = false;
};

// The form shown modally last and not yet closed; nullptr when none is.
TForm* CurrentModalForm();
// How many modal forms are open, one inside another.
int ModalDepth();

// Reads a form file's content (binary, resource or text) into `root`, or,
// when root is nullptr, into a new component of the class it names.
TComponent* ReadComponentFromContent(std::string_view content, TComponent* root, TComponent* ownerOfNew);

}  // namespace platform

#pragma once
// The one seam between the controls and whatever shows them to a person.
// Controls never draw or wait themselves: they ask the installed back end to
// keep a peer (a window, a widget) in step with them, to run a modal loop, to
// show a standard dialog and to measure text. Without a display the headless
// back end (headless.h) serves a scriptable user.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/set.h"
#include "platform/rtti/published.h"

namespace platform {

class TControl;
class TFont;
class TForm;

// What changed on a control whose peer must follow. Design: what a form
// being designed shows besides its controls (designing.h).
enum class TPeerChange { Bounds, Text, Visible, Enabled, Font, Color, Items, Selection, Checked, Focus, Parent, Design };

// The back end's state for one control; the control owns it.
class TPeer {
 public:
  virtual ~TPeer() = default;
};

struct TTextExtent {
  int Width = 0;
  int Height = 0;
};

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
LXV_ENUM(TMsgDlgType, "mtWarning", "mtError", "mtInformation", "mtConfirmation", "mtCustom")
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbHelp };
LXV_ENUM(TMsgDlgBtn, "mbYes", "mbNo", "mbOK", "mbCancel", "mbAbort", "mbRetry", "mbIgnore", "mbAll", "mbHelp")
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

struct TMessageBoxRequest {
  std::string Caption;
  std::string Text;
  TMsgDlgType Type = mtInformation;
  TMsgDlgButtons Buttons{mbOK};
  int HelpContext = 0;
};

struct TInputQueryRequest {
  std::string Caption;
  std::string Prompt;
  std::string Value;  // the initial text in, the confirmed text out
};

enum class TFileDialogKind { Open, Save };

struct TFileDialogRequest {
  TFileDialogKind Kind = TFileDialogKind::Open;
  std::string Title;
  std::string Filter;  // "Description|pattern|Description|pattern"
  std::string DefaultExt;
  std::string InitialDir;
  std::string FileName;  // the proposed name in, the chosen name out
};

struct TFontDialogRequest {
  TFont* Font = nullptr;  // the proposed font in, the chosen font out
  int MinFontSize = 0;    // 0: no limit
  int MaxFontSize = 0;
};

class TBackEnd {
 public:
  virtual ~TBackEnd() = default;

  // A peer is made when a control first shows (its form is shown, or it joins
  // a parent that has a peer), updated on every visible change, and destroyed
  // when the control leaves its parent or is freed.
  virtual std::unique_ptr<TPeer> CreatePeer(TControl& control) = 0;
  virtual void UpdatePeer(TControl& control, TPeer& peer, TPeerChange change) = 0;
  virtual void DestroyPeer(TControl& control, std::unique_ptr<TPeer> peer) = 0;

  // Delivers the person's input to the controls (through the calls of
  // input.h) until form.ModalResult() is non-zero.
  virtual void RunModal(TForm& form) = 0;
  // Delivers the input that is already pending, without waiting for more
  // (Application.ProcessMessages).
  virtual void ProcessEvents() = 0;

  // The standard dialogs; each returns what the person chose.
  virtual int ShowMessageBox(const TMessageBoxRequest& box) = 0;  // a modal result (mrOk, mrYes, ...)
  virtual bool InputQuery(TInputQueryRequest& query) = 0;
  virtual bool ExecuteFileDialog(TFileDialogRequest& request) = 0;
  virtual bool ExecuteFontDialog(TFontDialogRequest& request) = 0;

  // The size of text drawn in a font; lines end at CR LF, CR or LF.
  virtual TTextExtent MeasureText(const TFont& font, std::string_view text) = 0;
};

// The installed back end; the headless one until another is installed.
TBackEnd& BackEnd();
std::shared_ptr<TBackEnd> SharedBackEnd();
// Installs a back end (nullptr: a new headless one) and returns the one it
// replaces. Install before creating forms: a peer stays with the back end
// that made it.
std::shared_ptr<TBackEnd> SetBackEnd(std::shared_ptr<TBackEnd> backEnd);

}  // namespace platform

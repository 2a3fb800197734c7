#pragma once
// The scriptable user: the person a headless run (a test, the demo without a
// display) puts in front of its forms and dialogs. A script is a queue of
// steps taken in order:
//  - form actions, taken when a form is modal (by the modal loop, or by
//    Application.ProcessMessages while a handler of the form waits): click a
//    control or a menu item by name, pick an entry, focus, type, press keys,
//    ask to close, switch away and back, let time pass, record a snapshot;
//  - answers, taken when a message box, an input query or a file or font
//    dialog appears.
// The user records what every box and dialog showed. A script that runs out
// while a modal form is open fails with EScriptError naming the form; so does
// a step that does not fit what is on the screen. A message box with only an
// OK button takes the next step only when that answers mrOk; otherwise it is
// acknowledged without one.
// An error raised by a step's handlers is reported as the framework's event
// loop does (Application.HandleException) and the script goes on.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/forms/backend.h"
#include "platform/forms/controls.h"

namespace platform {

class TForm;

class EScriptError : public Exception {
 public:
  using Exception::Exception;
};

// What a box or dialog showed and how the user answered.
struct TShownDialog {
  std::string Kind;     // "Message", "Input", "Open", "Save", "Font", "Snapshot"
  std::string Caption;  // caption or title (for a snapshot, the form's name)
  std::string Text;     // message, prompt, filter, font name or snapshot
  std::string Answer;   // "mrOk", "mrYes", ..., the text or name given; "" when cancelled
};

class TScriptedUser {
 public:
  // Form actions. Names are those of components on the modal form (or owned
  // by its components); In() makes the next steps insist on one form.
  TScriptedUser& In(std::string formName);
  TScriptedUser& Click(std::string name);
  TScriptedUser& Pick(std::string name, int index);
  TScriptedUser& Pick(std::string name, std::string entry);  // by the entry's text
  TScriptedUser& Focus(std::string name);
  TScriptedUser& Type(std::string text);
  TScriptedUser& Press(std::uint16_t key, TShiftState shift = {});
  TScriptedUser& Close();
  TScriptedUser& Reactivate();
  TScriptedUser& Wait(std::uint32_t milliseconds);
  TScriptedUser& Snapshot();
  TScriptedUser& Do(std::string what, std::function<void(TForm&)> action);

  // Answers.
  TScriptedUser& Answer(int modalResult);
  TScriptedUser& AnswerInput(std::string text);
  TScriptedUser& CancelInput();
  TScriptedUser& ChooseFile(std::string fileName);
  TScriptedUser& CancelFile();
  TScriptedUser& ChooseFont(std::function<void(TFont&)> edit, std::string description = "choose a font");
  TScriptedUser& CancelFont();

  std::size_t Pending() const { return steps_.size(); }
  // What the steps not yet taken would do ("click BtnOK"), in order.
  std::vector<std::string> PendingSteps() const;
  // Forgets the steps not yet taken; what was shown stays recorded.
  void DropPendingSteps() { steps_.clear(); }
  const std::vector<TShownDialog>& Shown() const { return shown_; }
  void Clear();

  // For the headless back end.
  void RunModal(TForm& form);
  void ProcessEvents();
  int MessageBox(const TMessageBoxRequest& box);
  bool InputQuery(TInputQueryRequest& query);
  bool FileDialog(TFileDialogRequest& request);
  bool FontDialog(TFontDialogRequest& request);

 private:
  enum class TKind { Action, Wait, Message, Input, File, Font };
  struct TStep {
    TKind Kind = TKind::Action;
    std::string Form;         // the form an action insists on; empty: any
    std::string Description;  // for error messages
    std::function<void(TForm&)> Act;
    std::uint32_t Milliseconds = 0;
    int Result = 0;
    bool Confirm = false;
    std::string Text;
    std::function<void(TFont&)> EditFont;
  };
  TScriptedUser& Add(TStep step);
  TScriptedUser& Action(std::string description, std::function<void(TForm&)> act);
  TScriptedUser& AnswerStep(TKind kind, bool confirm, std::string text, std::string description);
  // The next step, which must be an answer of `kind` to what `showing` describes.
  TStep TakeAnswer(TKind kind, const std::string& showing);
  bool CanRunActionNow() const;
  void RunStep(TStep& step, TForm& form);
  void Record(std::string kind, std::string caption, std::string text, std::string answer);

  std::deque<TStep> steps_;
  std::vector<TShownDialog> shown_;
  std::string formFilter_;
  std::vector<int> stepModalDepth_;  // the modal depth at which each running step began
};

}  // namespace platform

#include "platform/forms/user.h"

#include <chrono>
#include <thread>

#include "platform/base/scope_exit.h"
#include "platform/base/text.h"
#include "platform/forms/application.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/form.h"
#include "platform/forms/input.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/menus.h"
#include "platform/forms/notebook.h"
#include "platform/forms/simulated_clock.h"
#include "platform/forms/snapshot.h"

namespace platform {

namespace {

std::string FormLabel(const TForm& form) {
  return "'" + form.Name() + "' (" + form.ClassName() + ", caption '" + form.Caption() + "')";
}

TComponent* FindIn(const TComponent& root, std::string_view name) {
  if (TComponent* c = root.FindComponent(name)) return c;
  for (int i = 0; i < root.ComponentCount(); ++i)
    if (TComponent* c = FindIn(*root.Components(i), name)) return c;
  return nullptr;
}

TComponent& Find(TForm& form, const std::string& name) {
  if (SameText(form.Name(), name)) return form;
  TComponent* found = FindIn(form, name);
  if (found == nullptr) throw EScriptError("The scripted user finds no component " + name + " on form " + FormLabel(form));
  return *found;
}

// The texts a person can pick among in target.
std::vector<std::string> Entries(TComponent& target) {
  std::vector<std::string> out;
  const auto fromList = [&out](const TStrings* list) {
    for (int i = 0; i < list->Count(); ++i) out.emplace_back(list->Strings(i));
  };
  const auto fromMenu = [&out](const TMenuItem* item) {
    for (int i = 0; i < item->Count(); ++i) out.push_back(item->Items(i)->Caption());
  };
  if (auto* l = DynCast<TListBox>(&target)) fromList(l->Items());
  else if (auto* c = DynCast<TComboBox>(&target)) fromList(c->Items());
  else if (auto* r = DynCast<TRadioGroup>(&target)) fromList(r->Items());
  else if (auto* t = DynCast<TTabSet>(&target)) fromList(t->Tabs());
  else if (auto* n = DynCast<TTabbedNotebook>(&target)) {
    for (int i = 0; i < n->PageCount(); ++i) out.push_back(n->Pages(i)->Caption());
  } else if (auto* m = DynCast<TMenu>(&target)) fromMenu(m->Items());
  else if (auto* i = DynCast<TMenuItem>(&target)) fromMenu(i);
  else throw EScriptError("The scripted user cannot pick an entry of " + target.Name() + " (" + target.ClassName() + ")");
  return out;
}

const char* ResultName(int result) {
  static const char* const names[] = {"mrNone", "mrOk", "mrCancel", "mrAbort", "mrRetry",
                                      "mrIgnore", "mrYes", "mrNo", "mrAll"};
  return result >= 0 && result <= mrAll ? names[result] : "an unknown result";
}

}  // namespace

// --- building the script

TScriptedUser& TScriptedUser::Add(TStep step) {
  if (step.Kind == TKind::Action || step.Kind == TKind::Wait) step.Form = formFilter_;
  steps_.push_back(std::move(step));
  return *this;
}

TScriptedUser& TScriptedUser::Action(std::string description, std::function<void(TForm&)> act) {
  TStep step;
  step.Description = std::move(description);
  step.Act = std::move(act);
  return Add(std::move(step));
}

TScriptedUser& TScriptedUser::In(std::string formName) {
  formFilter_ = std::move(formName);
  return *this;
}

TScriptedUser& TScriptedUser::Click(std::string name) {
  return Action("click " + name, [name](TForm& form) {
    TComponent& target = Find(form, name);
    if (auto* item = DynCast<TMenuItem>(&target)) return UserChoose(*item);
    auto* control = DynCast<TControl>(&target);
    if (control == nullptr) throw EScriptError("The scripted user cannot click " + name + " (" + target.ClassName() + ")");
    UserClick(*control);
  });
}

TScriptedUser& TScriptedUser::Pick(std::string name, int index) {
  return Action("pick entry " + std::to_string(index) + " of " + name, [name, index](TForm& form) {
    TComponent& target = Find(form, name);
    if (index < 0 || index >= static_cast<int>(Entries(target).size()))
      throw EScriptError("The scripted user finds no entry " + std::to_string(index) + " in " + name);
    UserPick(target, index);
  });
}

TScriptedUser& TScriptedUser::Pick(std::string name, std::string entry) {
  return Action("pick '" + entry + "' in " + name, [name, entry](TForm& form) {
    TComponent& target = Find(form, name);
    const std::vector<std::string> entries = Entries(target);
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i] == entry) return UserPick(target, static_cast<int>(i));
    throw EScriptError("The scripted user finds no entry '" + entry + "' in " + name);
  });
}

TScriptedUser& TScriptedUser::Focus(std::string name) {
  return Action("focus " + name, [name](TForm& form) {
    auto* control = DynCast<TWinControl>(&Find(form, name));
    if (control == nullptr) throw EScriptError("The scripted user cannot focus " + name + ": it takes no focus");
    UserFocus(*control);
  });
}

TScriptedUser& TScriptedUser::Type(std::string text) {
  return Action("type '" + text + "'", [text](TForm& form) { UserType(form, text); });
}

TScriptedUser& TScriptedUser::Press(std::uint16_t key, TShiftState shift) {
  return Action("press key " + std::to_string(key), [key, shift](TForm& form) { UserKey(form, key, shift); });
}

TScriptedUser& TScriptedUser::Close() {
  return Action("close the form", [](TForm& form) { UserClose(form); });
}

TScriptedUser& TScriptedUser::Reactivate() {
  return Action("switch away and back", [](TForm& form) { UserReactivate(form); });
}

TScriptedUser& TScriptedUser::Wait(std::uint32_t milliseconds) {
  TStep step;
  step.Kind = TKind::Wait;
  step.Milliseconds = milliseconds;
  step.Description = "wait " + std::to_string(milliseconds) + " ms";
  return Add(std::move(step));
}

TScriptedUser& TScriptedUser::Snapshot() {
  return Action("record a snapshot", [this](TForm& form) { Record("Snapshot", form.Name(), FormSnapshot(form), ""); });
}

TScriptedUser& TScriptedUser::Do(std::string what, std::function<void(TForm&)> action) {
  return Action(std::move(what), std::move(action));
}

TScriptedUser& TScriptedUser::AnswerStep(TKind kind, bool confirm, std::string text, std::string description) {
  TStep step;
  step.Kind = kind;
  step.Confirm = confirm;
  step.Text = std::move(text);
  step.Description = std::move(description);
  return Add(std::move(step));
}

TScriptedUser& TScriptedUser::Answer(int modalResult) {
  TStep step;
  step.Kind = TKind::Message;
  step.Result = modalResult;
  step.Description = std::string("answer ") + ResultName(modalResult) + " to a message box";
  return Add(std::move(step));
}

TScriptedUser& TScriptedUser::AnswerInput(std::string text) {
  return AnswerStep(TKind::Input, true, text, "answer '" + text + "' to an input query");
}
TScriptedUser& TScriptedUser::CancelInput() { return AnswerStep(TKind::Input, false, "", "cancel an input query"); }
TScriptedUser& TScriptedUser::ChooseFile(std::string fileName) {
  return AnswerStep(TKind::File, true, fileName, "choose the file '" + fileName + "'");
}
TScriptedUser& TScriptedUser::CancelFile() { return AnswerStep(TKind::File, false, "", "cancel a file dialog"); }

TScriptedUser& TScriptedUser::ChooseFont(std::function<void(TFont&)> edit, std::string description) {
  TStep step;
  step.Kind = TKind::Font;
  step.Confirm = true;
  step.EditFont = std::move(edit);
  step.Description = std::move(description);
  return Add(std::move(step));
}
TScriptedUser& TScriptedUser::CancelFont() { return AnswerStep(TKind::Font, false, "", "cancel a font dialog"); }

std::vector<std::string> TScriptedUser::PendingSteps() const {
  std::vector<std::string> out;
  for (const TStep& step : steps_) out.push_back(step.Description);
  return out;
}

void TScriptedUser::Clear() {
  steps_.clear();
  shown_.clear();
  formFilter_.clear();
}

void TScriptedUser::Record(std::string kind, std::string caption, std::string text, std::string answer) {
  shown_.push_back(TShownDialog{std::move(kind), std::move(caption), std::move(text), std::move(answer)});
}

// --- running it

void TScriptedUser::RunStep(TStep& step, TForm& form) {
  if (!step.Form.empty() && !SameText(step.Form, form.Name()) && !SameText(step.Form, form.ClassName()))
    throw EScriptError("The scripted user's step (" + step.Description + ") is meant for form " + step.Form +
                       ", but the modal form is " + FormLabel(form));
  if (step.Kind == TKind::Wait) {
    if (TSimulatedClock* clock = TSimulatedClock::Active()) return clock->Advance(step.Milliseconds);
    return std::this_thread::sleep_for(std::chrono::milliseconds(step.Milliseconds));
  }
  stepModalDepth_.push_back(ModalDepth());
  TScopeExit pop([this] { stepModalDepth_.pop_back(); });
  try {
    step.Act(form);
  } catch (const EScriptError&) {
    throw;
  } catch (const Exception& error) {
    Application().HandleException(error);  // as the event loop reports a handler's error
  }
}

void TScriptedUser::RunModal(TForm& form) {
  while (form.ModalResult() == mrNone) {
    Application().RunQueuedWork();
    if (form.ModalResult() != mrNone) return;
    if (Application().Terminated()) return form.SetModalResult(mrCancel);
    if (steps_.empty())
      throw EScriptError("The scripted user has no step left while the modal form " + FormLabel(form) + " is open");
    if (steps_.front().Kind != TKind::Action && steps_.front().Kind != TKind::Wait)
      throw EScriptError("The scripted user's next step (" + steps_.front().Description +
                         ") answers a dialog, but the modal form " + FormLabel(form) + " is waiting for an action");
    TStep step = std::move(steps_.front());
    steps_.pop_front();
    RunStep(step, form);
  }
}

bool TScriptedUser::CanRunActionNow() const {
  const TForm* form = CurrentModalForm();
  if (form == nullptr || form->ModalResult() != mrNone) return false;
  // Inside a step only a modal form that the step opened takes further steps.
  return stepModalDepth_.empty() || ModalDepth() > stepModalDepth_.back();
}

void TScriptedUser::ProcessEvents() {
  bool ran = false;
  while (!steps_.empty() && CanRunActionNow()) {
    TForm& form = *CurrentModalForm();
    const TStep& head = steps_.front();
    if (head.Kind != TKind::Action && head.Kind != TKind::Wait) break;
    if (!head.Form.empty() && !SameText(head.Form, form.Name()) && !SameText(head.Form, form.ClassName())) break;
    TStep step = std::move(steps_.front());
    steps_.pop_front();
    ran = true;
    RunStep(step, form);
    if (step.Kind == TKind::Wait) break;  // time passed: the caller looks at its clock
  }
  if (!ran)
    if (TSimulatedClock* clock = TSimulatedClock::Active()) clock->Idle();
}

TScriptedUser::TStep TScriptedUser::TakeAnswer(TKind kind, const std::string& showing) {
  if (steps_.empty() || steps_.front().Kind != kind)
    throw EScriptError("The scripted user has no answer for " + showing +
                       (steps_.empty() ? std::string() : "; its next step is to " + steps_.front().Description));
  TStep step = std::move(steps_.front());
  steps_.pop_front();
  return step;
}

int TScriptedUser::MessageBox(const TMessageBoxRequest& box) {
  const std::string showing = "the message box \"" + box.Text + "\"";
  const bool answered = !steps_.empty() && steps_.front().Kind == TKind::Message;
  if (box.Buttons == TMsgDlgButtons{mbOK} && !(answered && steps_.front().Result == mrOk)) {
    Record("Message", box.Caption, box.Text, ResultName(mrOk));
    return mrOk;
  }
  const TStep step = TakeAnswer(TKind::Message, showing);
  bool offered = false;
  for (int b = mbYes; b <= mbHelp; ++b) {
    const auto button = static_cast<TMsgDlgBtn>(b);
    offered = offered || (box.Buttons.Contains(button) && ModalResultOf(button) == step.Result);
  }
  if (!offered)
    throw EScriptError(std::string("The scripted user answers ") + ResultName(step.Result) + " to " + showing +
                       ", which has no such button");
  Record("Message", box.Caption, box.Text, ResultName(step.Result));
  return step.Result;
}

bool TScriptedUser::InputQuery(TInputQueryRequest& query) {
  const TStep step = TakeAnswer(TKind::Input, "the input query \"" + query.Prompt + "\"");
  if (step.Confirm) query.Value = step.Text;
  Record("Input", query.Caption, query.Prompt, step.Confirm ? step.Text : "");
  return step.Confirm;
}

bool TScriptedUser::FileDialog(TFileDialogRequest& request) {
  const bool open = request.Kind == TFileDialogKind::Open;
  const TStep step = TakeAnswer(TKind::File, std::string(open ? "the open" : "the save") + " dialog \"" + request.Title + "\"");
  if (step.Confirm) request.FileName = step.Text;
  Record(open ? "Open" : "Save", request.Title, request.Filter, step.Confirm ? step.Text : "");
  return step.Confirm;
}

bool TScriptedUser::FontDialog(TFontDialogRequest& request) {
  const TStep step = TakeAnswer(TKind::Font, "the font dialog");
  const std::string proposed = request.Font->Name();
  if (step.Confirm && step.EditFont) step.EditFont(*request.Font);
  Record("Font", "", proposed, step.Confirm ? request.Font->Name() : "");
  return step.Confirm;
}

}  // namespace platform

#include "session.h"

#include <iomanip>
#include <ostream>

#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/base/text.h"
#include "platform/base/files.h"
#include "platform/classes/reader.h"
#include "platform/design/component_editor.h"
#include "platform/design/palette.h"
#include "platform/design/value_tools.h"
#include "platform/form_files/form_text.h"
#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/headless.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/menus.h"
#include "platform/forms/snapshot.h"
#include "platform/forms/std_controls.h"
#include "platform/forms/user.h"
#include "platform/rtti/class_registry.h"
#include "platform/streaming/streams.h"
#include "platform/rtti/published.h"

namespace lxvdesign {

using namespace platform;

std::vector<std::string> SplitWords(const std::string& line) {
  TQuotedWords split = SplitQuotedWords(line, " \t\r");
  if (split.Unclosed) throw Exception("Unclosed quote in: " + line);
  return std::move(split.Words);
}

namespace {
std::string JoinSteps(const std::vector<std::string>& steps) {
  std::string out;
  for (const std::string& step : steps) out += (out.empty() ? "" : "; ") + step;
  return out;
}
}  // namespace

namespace {
void PrintSnapshot(std::ostream& out, const TForm& form) {
  const std::string snapshot = FormSnapshot(form);
  out << snapshot << (snapshot.ends_with('\n') ? "" : "\n");
}
}  // namespace

TDesignSession::TDesignSession(std::ostream& out, TScriptedUser& user)
    : out_(out), user_(user), previousServices_(SetToolServices(this)) {}

TDesignSession::~TDesignSession() {
  CloseForm();
  SetToolServices(previousServices_);
}

void TDesignSession::RegisterStandardPage() {
  RegisterComponents("Standard", {TMainMenu::StaticClass(), TPopupMenu::StaticClass(), TLabel::StaticClass(),
                                  TEdit::StaticClass(), TMemo::StaticClass(), TButton::StaticClass(),
                                  TCheckBox::StaticClass(), TListBox::StaticClass(), TComboBox::StaticClass(),
                                  TRadioGroup::StaticClass(), TTabSet::StaticClass()});
}

void TDesignSession::PrintHelp(std::ostream& out) {
  out << "Commands (one per line; quote words with blanks, \"\" is an empty word):\n"
         "  new [NAME]                 start a new form (Form1)\n"
         "  open FILE                  open a form file for designing\n"
         "  save FILE [text]           save the form (binary unless 'text')\n"
         "  palette                    the palette pages, their classes and bitmaps\n"
         "  drop CLASS [LEFT TOP]      put a component of a palette class on the form\n"
         "                             (without them: at the last click on the form's window)\n"
         "  drop TMenuItem PARENT      add a menu item to a menu or to another item\n"
         "  delete NAME                take a component off the form\n"
         "  show                       the form's snapshot\n"
         "  components                 the components of the form\n"
         "  inspect NAME               the inspector rows of a component\n"
         "  values NAME PROP           the value list of a property\n"
         "  set NAME PROP VALUE        set a property through its editor\n"
         "  edit NAME PROP             run the property editor's Edit (its dialog)\n"
         "  verbs NAME                 the component editor's verbs\n"
         "  verb NAME INDEX            run a verb (a double click runs: verb NAME edit)\n"
         "  modified                   whether the designer was told of a change\n"
         "  check NAME PROP VALUE      fail unless the inspector shows VALUE\n"
         "  check modified yes|no      fail unless the designer's state is that\n"
         "  check-values NAME          the values of a component that cannot work (fails if any)\n"
         "  preview NAME VARIANT       samples made with a component's values (a locale for TLexivar)\n"
         "  user STEP ...              queue a step of the user who meets dialogs:\n"
         "                             click NAME, wait MS, close, reactivate, type TEXT,\n"
         "                             choose-file PATH, cancel-file, answer RESULT,\n"
         "                             pick NAME ENTRY, page NAME INDEX, focus NAME,\n"
         "                             press KEYCODE, input TEXT, cancel (an input query),\n"
         "                             font NAME [SIZE], cancel-font, snapshot (prints the form)\n"
         "                             Steps are for the next command: steps it leaves unused\n"
         "                             are an error.\n"
         "  shown                      the dialogs the user met, and the answers\n"
         "  help                       this text\n";
}

void TDesignSession::Run(const std::string& line) {
  const TArgs words = SplitWords(line);
  if (words.empty() || words[0][0] == '#') return;
  const std::string& command = words[0];
  const TArgs args(words.begin() + 1, words.end());
  if (command == "user") return RunCommand(command, args);
  try {
    RunCommand(command, args);
  } catch (const Exception& e) {
    if (user_.Pending() == 0) throw;
    const std::string unused = JoinSteps(user_.PendingSteps());
    user_.DropPendingSteps();
    throw Exception(std::string(e.what()) + " (user steps left unused: " + unused + ")");
  }
  DropUnusedSteps("by '" + command + "'");
}

void TDesignSession::Finish() { DropUnusedSteps("by the end of the script"); }

void TDesignSession::DropUnusedSteps(const std::string& when) {
  if (user_.Pending() == 0) return;
  const std::vector<std::string> unused = user_.PendingSteps();
  user_.DropPendingSteps();
  throw Exception(std::to_string(unused.size()) + " user step" + (unused.size() == 1 ? " was" : "s were") +
                  " not used " + when + ": " + JoinSteps(unused));
}

void TDesignSession::RunCommand(const std::string& command, const TArgs& args) {
  const auto need = [&](std::size_t count, const char* usage) {
    if (args.size() < count) throw Exception(std::string("Usage: ") + usage);
  };
  if (command == "help") return PrintHelp(out_);
  if (command == "new") return New(args);
  if (command == "open") return need(1, "open FILE"), Open(args);
  if (command == "save") return need(1, "save FILE [text]"), Save(args);
  if (command == "palette") return Palette();
  if (command == "drop") return need(1, "drop CLASS [LEFT TOP] | drop TMenuItem PARENT"), Drop(args);
  if (command == "show") return Show();
  if (command == "preview") return need(2, "preview NAME VARIANT"), Preview(args);
  if (command == "check-values") return need(1, "check-values NAME"), CheckValues(args);
  if (command == "components") return Components();
  if (command == "inspect") return need(1, "inspect NAME"), Inspect(Component(args[0]));
  if (command == "delete") return need(1, "delete NAME"), Delete(args);
  if (command == "values") return need(2, "values NAME PROP"), Values(args);
  if (command == "set") return need(2, "set NAME PROP VALUE"), Set(args);
  if (command == "edit") return need(2, "edit NAME PROP"), Edit(args);
  if (command == "verbs") return need(1, "verbs NAME"), Verbs(args);
  if (command == "verb") return need(2, "verb NAME INDEX"), Verb(args);
  if (command == "modified") return Modified();
  if (command == "check") return need(2, "check NAME PROP VALUE | check modified yes|no"), Check(args);
  if (command == "user") return need(1, "user STEP ..."), User(args);
  if (command == "shown") {
    for (const TShownDialog& d : user_.Shown())
      out_ << d.Kind << " \"" << d.Caption << "\": " << d.Text << " -> " << d.Answer << "\n";
    return;
  }
  throw Exception("Unknown command '" + command + "' (help lists them)");
}

void TDesignSession::Design(TForm* form, const std::string& fileName) {
  CloseForm();
  form_ = form;
  designer_ = std::make_unique<TDesigner>(form);
  projectName_ = fileName;
  lastClick_.reset();
  designer_->OnModified = [this](TObject*) { form_->DesignChanged(); };
  form->OnDesignClick = [this](TObject*, TComponent* component, TPoint at) { Clicked(*component, at); };
  // With windows the form shows as one (its Visible stays as designed);
  // headless peers hold nothing.
  form->CreatePeers();
}

void TDesignSession::Clicked(TComponent& component, TPoint at) {
  lastClick_ = at;
  form_->SetDesignSelection(&component);
  Inspect(component);
  out_.flush();
}

void TDesignSession::CloseForm() {
  designer_.reset();
  if (form_ != nullptr) form_->Free();
  form_ = nullptr;
}

void TDesignSession::New(const TArgs& args) {
  auto* form = new TForm(&Application());
  form->SetDesigning(true);
  try {
    form->SetName(args.empty() ? "Form1" : args[0]);
  } catch (...) {
    form->Free();
    throw;
  }
  Design(form, "");
  out_ << "New form " << form->Name() << "\n";
}

void TDesignSession::Open(const TArgs& args) {
  // Designing from the start, so that what the reader creates is designed too
  // and Loaded runs as it does in a design environment.
  auto* form = static_cast<TForm*>(TComponent::Construct(TForm::StaticClass(), &Application(), {csDesigning}));
  try {
    // The form's code is not here: its events keep their handlers' names.
    TSourcePositions positions;
    TMemoryStream stream{FormContentToBinary(ReadFileBytes(args[0], kMaxFormFileBytes), positions)};
    TReader reader(stream);
    reader.SetSourcePositions(&positions);
    reader.DesignTime = true;
    reader.ReadRootComponent(form);
  } catch (...) {
    form->Free();
    throw;
  }
  Design(form, args[0]);
  out_ << "Opened " << args[0] << ": form " << form->Name() << " with " << form->ComponentCount()
       << " components\n";
}

void TDesignSession::Save(const TArgs& args) {
  const bool asText = args.size() > 1 && args[1] == "text";
  RequireForm().SaveToFile(args[0], asText);
  if (projectName_.empty()) projectName_ = args[0];
  designer_->ClearModified();
  out_ << "Saved " << args[0] << (asText ? " (text)" : "") << "\n";
}

void TDesignSession::Palette() {
  for (const TPalettePage& page : PalettePages()) {
    out_ << page.Name << ":\n";
    for (TClass cls : page.Classes) {
      out_ << "  " << cls->Name << "  bitmap " << UpperCase(cls->Name) << ": ";
      if (const auto bytes = FindBitmapResource(cls->Name)) {
        const TBitmapInfo info = ReadBitmapInfo(*bytes);
        out_ << info.Width << "x" << info.Height << ", " << info.BitsPerPixel << " bits per pixel";
        if (info.Colors > 0) out_ << ", " << info.Colors << " colours";
        out_ << "\n";
      } else {
        out_ << "none\n";
      }
    }
  }
}

void TDesignSession::Drop(const TArgs& args) {
  TForm& form = RequireForm();
  const TClass menuItem = GetClass(args[0]);
  if (menuItem != nullptr && menuItem->InheritsFrom(TMenuItem::StaticClass())) return DropMenuItem(menuItem, args);
  const TPalettePage* page = FindPalettePage(args[0]);
  if (page == nullptr) throw Exception("No class " + args[0] + " on the palette");
  if (args.size() != 1 && args.size() != 3) throw Exception("Usage: drop CLASS [LEFT TOP] (both coordinates or none)");
  const TClass cls = GetClass(args[0]);
  const TPoint at = lastClick_.value_or(TPoint{});
  const int left = args.size() > 2 ? StrToInt(args[1]) : at.X;
  const int top = args.size() > 2 ? StrToInt(args[2]) : at.Y;
  auto* component = static_cast<TComponent*>(cls->Construct(&form));
  try {
    component->SetName(designer_->UniqueName(cls->Name));
    if (auto* control = DynCast<TControl>(component)) {
      control->SetParent(&form);
      control->SetLeft(left);
      control->SetTop(top);
    } else {
      component->SetDesignInfo(static_cast<std::int32_t>(static_cast<std::uint32_t>(top) << 16 |
                                                         (static_cast<std::uint32_t>(left) & 0xFFFFu)));
    }
  } catch (...) {
    component->Free();
    throw;
  }
  form.SetDesignSelection(component);
  designer_->Modified();
  out_ << "Dropped " << component->Name() << ": " << cls->Name << " from page " << page->Name << "\n";
}

void TDesignSession::DropMenuItem(TClass cls, const TArgs& args) {
  if (args.size() != 2) throw Exception("Usage: drop " + args[0] + " PARENT (a menu or a menu item)");
  TComponent& parent = Component(args[1]);
  TMenuItem* into = nullptr;
  if (auto* menu = DynCast<TMenu>(&parent)) into = menu->Items();
  else into = DynCast<TMenuItem>(&parent);
  if (into == nullptr) throw Exception(args[1] + " (" + parent.ClassName() + ") is neither a menu nor a menu item");
  auto* item = static_cast<TMenuItem*>(cls->Construct(&RequireForm()));
  try {
    item->SetName(designer_->UniqueName(cls->Name));
    item->SetCaption(item->Name());
    into->Add(item);
  } catch (...) {
    item->Free();
    throw;
  }
  designer_->Modified();
  out_ << "Dropped " << item->Name() << ": " << cls->Name << " into " << parent.Name() << "\n";
}

void TDesignSession::Components() {
  TForm& form = RequireForm();
  out_ << form.Name() << ": " << form.ClassName() << "\n";
  for (int i = 0; i < form.ComponentCount(); ++i)
    out_ << "  " << form.Components(i)->Name() << ": " << form.Components(i)->ClassName() << "\n";
}

void TDesignSession::Delete(const TArgs& args) {
  TComponent& component = Component(args[0]);
  if (&component == form_) throw Exception("The form cannot be deleted; new or open starts another");
  const std::string name = component.Name();
  component.Free();
  designer_->Modified();
  out_ << "Deleted " << name << "\n";
}

void TDesignSession::Inspect(TComponent& component) {
  out_ << component.Name() << ": " << component.ClassName() << "\n";
  for (const TPropInfo* prop : component.ClassType()->AllProperties()) {
    TOwned<TPropertyEditor> editor = CreatePropertyEditor(designer_.get(), {&component}, *prop);
    out_ << "  " << std::left << std::setw(16) << prop->Name << " " << std::setw(30) << editor->GetValue() << " "
         << AttributesToString(editor->GetAttributes()) << " " << editor->ClassName() << "\n";
  }
}

void TDesignSession::Values(const TArgs& args) {
  PropertyEditor(args[0], args[1])->GetValues([this](const std::string& v) { out_ << v << "\n"; });
}

void TDesignSession::Set(const TArgs& args) {
  TOwned<TPropertyEditor> editor = PropertyEditor(args[0], args[1]);
  if (editor->GetAttributes().Contains(paReadOnly)) throw Exception(args[1] + " cannot be typed over");
  const std::string value = args.size() > 2 ? args[2] : "";
  // A writer says its refusal in a message box and keeps the old value; the
  // editor still reported a change, which did not happen.
  const bool wasModified = designer_->IsModified();
  TMessageBoxWatch refusals;
  try {
    editor->SetValue(value);
  } catch (...) {
    if (!wasModified) designer_->ClearModified();
    throw;
  }
  if (!refusals.Messages().empty()) {
    if (!wasModified) designer_->ClearModified();
    throw EPropertyError(args[0] + "." + editor->GetName() + " refused '" + value + "': " +
                         JoinSteps(refusals.Messages()));
  }
  out_ << args[0] << "." << editor->GetName() << " = " << editor->GetValue() << "\n";
}

void TDesignSession::Edit(const TArgs& args) {
  TOwned<TPropertyEditor> editor = PropertyEditor(args[0], args[1]);
  editor->Edit();
  out_ << args[0] << "." << editor->GetName() << " = " << editor->GetValue() << "\n";
}

void TDesignSession::Verbs(const TArgs& args) {
  TOwned<TComponentEditor> editor = CreateComponentEditor(&Component(args[0]), designer_.get());
  for (int i = 0; i < editor->GetVerbCount(); ++i) out_ << i << " " << editor->GetVerb(i) << "\n";
}

void TDesignSession::Verb(const TArgs& args) {
  TOwned<TComponentEditor> editor = CreateComponentEditor(&Component(args[0]), designer_.get());
  if (args[1] == "edit") return editor->Edit();
  const int count = editor->GetVerbCount();
  int index = -1;
  if (!TryStrToInt(args[1], index) || index < 0 || index >= count)
    throw Exception("Usage: verb NAME INDEX|edit; " + args[0] +
                    (count == 0 ? std::string(" has no verbs") : " has verbs 0 to " + std::to_string(count - 1)));
  out_ << "Running " << editor->GetVerb(index) << "\n";
  editor->ExecuteVerb(index);
}

void TDesignSession::Modified() {
  RequireForm();
  out_ << (designer_->IsModified() ? "modified" : "not modified") << "\n";
}

void TDesignSession::Check(const TArgs& args) {
  RequireForm();
  if (args[0] == "modified") {
    const bool expected = args[1] == "yes";
    if (designer_->IsModified() != expected)
      throw Exception(std::string("Check failed: the form is ") + (expected ? "not " : "") + "modified");
    return;
  }
  const std::string expected = args.size() > 2 ? args[2] : "";
  const std::string shown = PropertyEditor(args[0], args[1])->GetValue();
  if (shown != expected)
    throw Exception("Check failed: " + args[0] + "." + args[1] + " shows '" + shown + "', not '" + expected + "'");
}

void TDesignSession::User(const TArgs& args) {
  platform::ScriptedUser();  // raises when a person sits at real windows
  const std::string& step = args[0];
  const auto arg = [&]() -> const std::string& {
    if (args.size() < 2) throw Exception("Usage: user " + step + " ARGUMENT");
    return args[1];
  };
  if (step == "click") user_.Click(arg());
  else if (step == "pick") {
    if (args.size() < 3) throw Exception("Usage: user pick NAME ENTRY");
    user_.Pick(args[1], args[2]);
  } else if (step == "page") user_.Pick(arg(), StrToInt(args.size() > 2 ? args[2] : ""));
  else if (step == "focus") user_.Focus(arg());
  else if (step == "press") user_.Press(static_cast<std::uint16_t>(StrToInt(arg())));
  else if (step == "wait") user_.Wait(static_cast<std::uint32_t>(StrToInt(arg())));
  else if (step == "close") user_.Close();
  else if (step == "reactivate") user_.Reactivate();
  else if (step == "type") user_.Type(arg());
  else if (step == "choose-file") user_.ChooseFile(arg());
  else if (step == "cancel-file") user_.CancelFile();
  else if (step == "answer") user_.Answer(StrToInt(arg()));
  else if (step == "input") user_.AnswerInput(arg());
  else if (step == "cancel") user_.CancelInput();
  else if (step == "font") {
    const std::string name = arg();
    const int size = args.size() > 2 ? StrToInt(args[2]) : 0;
    user_.ChooseFont(
        [name, size](TFont& font) {
          font.SetName(name);
          if (size > 0) font.SetSize(size);
        },
        "choose the font '" + name + "'" + (size > 0 ? " of " + std::to_string(size) + " points" : ""));
  } else if (step == "cancel-font") user_.CancelFont();
  else if (step == "snapshot")
    user_.Do("print a snapshot", [this](TForm& form) { PrintSnapshot(out_, form); });
  else throw Exception("Unknown user step '" + step + "'");
}

void TDesignSession::Show() { PrintSnapshot(out_, RequireForm()); }

void TDesignSession::Preview(const TArgs& args) {
  TComponent& component = Component(args[0]);
  const TValueTools* tools = FindValueTools(component);
  if (tools == nullptr || !tools->Preview) throw Exception(component.ClassName() + " offers no preview");
  const std::vector<std::string> lines = tools->Preview(component, args[1]);
  out_ << component.Name() << " " << args[1] << ":\n";
  for (const std::string& line : lines) out_ << "  " << line << "\n";
}

void TDesignSession::CheckValues(const TArgs& args) {
  TComponent& component = Component(args[0]);
  const TValueTools* tools = FindValueTools(component);
  if (tools == nullptr || !tools->Check) throw Exception(component.ClassName() + " offers no value checks");
  const std::vector<std::string> problems = tools->Check(component);
  for (const std::string& line : problems) out_ << line << "\n";
  if (!problems.empty())
    throw Exception("Check failed: " + std::to_string(problems.size()) + " value" + (problems.size() == 1 ? "" : "s") +
                    " of " + component.Name() + " cannot work");
  out_ << component.Name() << ": every value can work\n";
}

TForm& TDesignSession::RequireForm() const {
  if (form_ == nullptr) throw Exception("No form is open (new or open FILE)");
  return *form_;
}

TComponent& TDesignSession::Component(const std::string& name) const {
  RequireForm();
  TComponent* component = designer_->GetComponent(name);
  if (component == nullptr) throw Exception("No component " + name + " on " + form_->Name());
  return *component;
}

TOwned<TPropertyEditor> TDesignSession::PropertyEditor(const std::string& component, const std::string& prop) {
  TComponent& c = Component(component);
  const TPropInfo* info = c.ClassType()->FindProperty(prop);
  if (info == nullptr) throw Exception(c.ClassName() + " has no published property " + prop);
  return CreatePropertyEditor(designer_.get(), {&c}, *info);
}

}  // namespace lxvdesign

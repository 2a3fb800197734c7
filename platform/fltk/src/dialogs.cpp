// Message boxes, the input query and the file dialogs as toolkit windows.

#include <algorithm>
#include <map>

#include "backend.h"
#include "peers.h"
#include "platform/base/text.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>

namespace platform {

namespace {

constexpr int kButtonWidth = 75, kButtonHeight = 25, kGap = 8;

const char* ButtonCaption(TMsgDlgBtn button) {
  switch (button) {
    case mbYes: return "&Yes";
    case mbNo: return "&No";
    case mbOK: return "OK";
    case mbCancel: return "Cancel";
    case mbAbort: return "&Abort";
    case mbRetry: return "&Retry";
    case mbIgnore: return "&Ignore";
    case mbAll: return "&All";
    case mbHelp: return "&Help";
  }
  return "";
}

const char* IconText(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return "!";
    case mtError: return "X";
    case mtInformation: return "i";
    case mtConfirmation: return "?";
    case mtCustom: break;
  }
  return nullptr;
}

// What closing a box without a button gives: Cancel, else the only button.
int ClosedResult(const TMsgDlgButtons& buttons, const std::vector<TMsgDlgBtn>& shown) {
  if (buttons.Contains(mbCancel) || shown.size() != 1) return mrCancel;
  return ModalResultOf(shown.front());
}

struct TBoxState {
  Fl_Window* Window = nullptr;
  int Result = mrNone;
  std::map<const Fl_Widget*, int> Results;  // what each button answers
};

void Answered(Fl_Widget* button, void* data) {
  auto* state = static_cast<TBoxState*>(data);
  state->Result = state->Results.at(button);
  state->Window->hide();
}

std::string PlainText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i] == '\r' ? '\n' : text[i];
  return out;
}

}  // namespace

int RunMessageBox(const TMessageBoxRequest& box) {
  std::vector<TMsgDlgBtn> shown;
  for (TMsgDlgBtn b : {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbHelp})
    if (box.Buttons.Contains(b)) shown.push_back(b);
  if (shown.empty()) shown.push_back(mbOK);

  const std::string text = PlainText(box.Text);
  const Fl_Font face = CoveringFace(FL_HELVETICA, text);
  fl_font(face, FL_NORMAL_SIZE);
  int textWidth = 0, textHeight = 0;
  fl_measure(text.c_str(), textWidth, textHeight, 0);
  const int buttonsWidth = static_cast<int>(shown.size()) * (kButtonWidth + kGap) - kGap;
  const int left = IconText(box.Type) != nullptr ? 60 : 16;
  const int width = std::max({textWidth + left + 20, buttonsWidth + 2 * 16, 240});
  const int height = std::max(textHeight, 34) + 16 + kButtonHeight + 2 * 16;

  Fl_Group* const saved = Fl_Group::current();
  Fl_Group::current(nullptr);
  Fl_Double_Window window(width, height);
  window.copy_label(box.Caption.c_str());
  TBoxState state{&window, ClosedResult(box.Buttons, shown), {}};
  if (const char* icon = IconText(box.Type)) {
    auto* mark = new Fl_Box(16, 16, 34, 34, icon);
    mark->box(FL_OVAL_BOX);
    mark->color(box.Type == mtError ? FL_RED : box.Type == mtWarning ? FL_YELLOW : FL_BLUE);
    mark->labelcolor(box.Type == mtWarning ? FL_BLACK : FL_WHITE);
    mark->labelfont(FL_HELVETICA_BOLD);
    mark->labelsize(20);
  }
  auto* message = new Fl_Box(left, 16, width - left - 16, std::max(textHeight, 34));
  message->copy_label(text.c_str());
  message->labelfont(face);
  message->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  int x = (width - buttonsWidth) / 2;
  for (TMsgDlgBtn b : shown) {
    auto* button = new Fl_Button(x, height - 16 - kButtonHeight, kButtonWidth, kButtonHeight, ButtonCaption(b));
    button->callback(Answered, &state);
    state.Results[button] = ModalResultOf(b);
    x += kButtonWidth + kGap;
  }
  window.end();
  Fl_Group::current(saved);
  window.position((Fl::w() - width) / 2, (Fl::h() - height) / 2);
  RunWindow(window);
  return state.Result;
}

bool RunInputQuery(TInputQueryRequest& query) {
  Fl_Group* const saved = Fl_Group::current();
  Fl_Group::current(nullptr);
  Fl_Double_Window window(320, 120);
  window.copy_label(query.Caption.c_str());
  auto* prompt = new Fl_Box(16, 10, 288, 20);
  prompt->copy_label(query.Prompt.c_str());
  prompt->labelfont(CoveringFace(FL_HELVETICA, query.Prompt));
  prompt->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
  auto* input = new Fl_Input(16, 34, 288, 24);
  input->value(query.Value.c_str());
  input->textfont(CoveringFace(FL_HELVETICA, query.Value));
  TBoxState state{&window, mrCancel, {}};
  auto* ok = new Fl_Return_Button(148, 78, kButtonWidth, kButtonHeight, "OK");
  ok->callback(Answered, &state);
  state.Results[ok] = mrOk;
  auto* cancel = new Fl_Button(229, 78, kButtonWidth, kButtonHeight, "Cancel");
  cancel->callback(Answered, &state);
  state.Results[cancel] = mrCancel;
  window.end();
  Fl_Group::current(saved);
  window.position((Fl::w() - window.w()) / 2, (Fl::h() - window.h()) / 2);
  RunWindow(window);
  if (state.Result != mrOk) return false;
  query.Value = input->value();
  return true;
}

// "Text files|*.txt;*.dfm|All|*.*" as the chooser's patterns:
// "Text files (*.{txt,dfm})\tAll (*)".
std::string ChooserPattern(const std::string& filter) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t bar; (bar = filter.find('|', start)) != std::string::npos; start = bar + 1)
    parts.push_back(filter.substr(start, bar - start));
  parts.push_back(filter.substr(start));
  std::string out;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    std::vector<std::string> masks;
    std::size_t from = 0;
    for (std::size_t semi; (semi = parts[i + 1].find(';', from)) != std::string::npos; from = semi + 1)
      masks.push_back(parts[i + 1].substr(from, semi - from));
    masks.push_back(parts[i + 1].substr(from));
    std::string pattern;
    const auto any = [&masks](const char* mask) { return std::find(masks.begin(), masks.end(), mask) != masks.end(); };
    if (any("*.*") || any("*")) {
      pattern = "*";
    } else if (masks.size() == 1) {
      pattern = masks.front();
    } else {
      pattern = "{";
      for (std::size_t m = 0; m < masks.size(); ++m) pattern += (m ? "," : "") + masks[m];
      pattern += "}";
    }
    if (!out.empty()) out += '\t';
    out += parts[i] + " (" + pattern + ")";
  }
  return out.empty() ? "*" : out;
}

bool RunFileDialog(TFileDialogRequest& request) {
  const bool save = request.Kind == TFileDialogKind::Save;
  const std::string title = !request.Title.empty() ? request.Title : save ? "Save As" : "Open";
  const std::string directory = !request.InitialDir.empty() ? request.InitialDir : ".";
  Fl_Group* const saved = Fl_Group::current();
  Fl_Group::current(nullptr);
  // The framework's open dialog, like its save dialog, takes the name of a
  // file that does not exist yet unless told otherwise.
  Fl_File_Chooser chooser(directory.c_str(), ChooserPattern(request.Filter).c_str(), Fl_File_Chooser::CREATE,
                          title.c_str());
  Fl_Group::current(saved);
  chooser.preview(0);
  if (!request.FileName.empty()) chooser.value(request.FileName.c_str());
  chooser.show();
  while (chooser.shown()) Fl::wait();
  const char* chosen = chooser.value();
  if (chosen == nullptr || *chosen == '\0') return false;
  request.FileName = chosen;
  return true;
}

}  // namespace platform

// The font dialog: the installed families, sizes and styles, with a sample.
// The toolkit has no dialog of its own for this.

#include <algorithm>

#include "backend.h"
#include "peers.h"
#include "platform/base/text.h"
#include "platform/forms/graphics.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Return_Button.H>

namespace platform {

namespace {

constexpr const char* kStyles[] = {"Regular", "Italic", "Bold", "Bold Italic"};

class TFontDialogWindow {
 public:
  TFontDialogWindow(TFont& font, int minSize, int maxSize) : font_(font) {
    Fl_Group* const saved = Fl_Group::current();
    Fl_Group::current(nullptr);
    window_ = new Fl_Double_Window(460, 330, "Font");
    families_ = AddList(12, 220, "&Font:");
    styles_ = AddList(240, 120, "Font st&yle:");
    sizes_ = AddList(368, 80, "&Size:");
    sample_ = new Fl_Box(12, 226, 436, 50, "AaBbYyZz");
    sample_->box(FL_DOWN_BOX);
    ok_ = new Fl_Return_Button(292, 292, 75, 25, "OK");
    ok_->callback(Answered, this);
    auto* cancel = new Fl_Button(373, 292, 75, 25, "Cancel");
    cancel->callback(Answered, this);
    window_->end();
    Fl_Group::current(saved);

    for (const std::string& family : InstalledFamilies()) families_->add(family.c_str());
    SelectText(*families_, FamilyInstalled(font.Name()) ? font.Name() : DefaultSansFamily());
    for (const char* style : kStyles) styles_->add(style);
    const bool bold = font.Style().Contains(fsBold), italic = font.Style().Contains(fsItalic);
    styles_->select((bold ? 2 : 0) + (italic ? 1 : 0) + 1);
    for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
      if ((minSize == 0 || size >= minSize) && (maxSize == 0 || size <= maxSize))
        sizes_->add(std::to_string(size).c_str());
    if (!SelectText(*sizes_, std::to_string(font.Size())) && sizes_->size() > 0) sizes_->select(1);
    ShowSample();
  }
  ~TFontDialogWindow() { delete window_; }
  TFontDialogWindow(const TFontDialogWindow&) = delete;
  TFontDialogWindow& operator=(const TFontDialogWindow&) = delete;

  bool Run() {
    window_->position((Fl::w() - window_->w()) / 2, (Fl::h() - window_->h()) / 2);
    RunWindow(*window_);
    if (!confirmed_) return false;
    TFont chosen;
    Apply(chosen);
    font_.Assign(&chosen);
    return true;
  }

 private:
  Fl_Hold_Browser* AddList(int x, int w, const char* caption) {
    auto* list = new Fl_Hold_Browser(x, 28, w, 190, caption);
    list->align(FL_ALIGN_TOP_LEFT);
    list->callback(Changed, this);
    return list;
  }
  static bool SelectText(Fl_Hold_Browser& list, const std::string& text) {
    for (int line = 1; line <= list.size(); ++line) {
      if (CompareText(list.text(line), text) == 0) {
        list.select(line);
        list.topline(line);
        return true;
      }
    }
    return false;
  }
  // The dialog's choice applied to a copy of the proposed font.
  void Apply(TFont& font) const {
    font.Assign(&font_);
    if (families_->value() > 0) font.SetName(families_->text(families_->value()));
    if (sizes_->value() > 0) font.SetSize(std::atoi(sizes_->text(sizes_->value())));
    TFontStyles style = font_.Style() - TFontStyles{fsBold, fsItalic};
    const int chosenStyle = styles_->value() - 1;
    if (chosenStyle & 1) style.Include(fsItalic);
    if (chosenStyle & 2) style.Include(fsBold);
    font.SetStyle(style);
  }
  void ShowSample() {
    TFont font;
    Apply(font);
    const TFlFont shown = FlFontOf(font);
    sample_->labelfont(shown.Face);
    sample_->labelsize(std::min<int>(shown.Size, 40));
    sample_->redraw();
  }
  static void Changed(Fl_Widget*, void* data) { static_cast<TFontDialogWindow*>(data)->ShowSample(); }
  static void Answered(Fl_Widget* button, void* data) {
    auto* dialog = static_cast<TFontDialogWindow*>(data);
    dialog->confirmed_ = button == dialog->ok_;
    dialog->window_->hide();
  }

  TFont& font_;
  Fl_Double_Window* window_;
  Fl_Hold_Browser* families_;
  Fl_Hold_Browser* styles_;
  Fl_Hold_Browser* sizes_;
  Fl_Box* sample_;
  Fl_Widget* ok_;
  bool confirmed_ = false;
};

}  // namespace

bool RunFontDialog(TFontDialogRequest& request) {
  if (request.Font == nullptr) return false;
  TFontDialogWindow dialog(*request.Font, request.MinFontSize, request.MaxFontSize);
  return dialog.Run();
}

}  // namespace platform

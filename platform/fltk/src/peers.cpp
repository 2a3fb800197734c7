// Widgets for forms and the standard controls; the list controls are in
// list_peers.cpp. A widget shows its control and hands a person's input to
// the calls of input.h; it never changes the control's state itself.

#include "form_window.h"
#include "platform/forms/designing.h"
#include "platform/forms/form.h"
#include "platform/forms/input.h"
#include "platform/forms/menus.h"
#include "platform/forms/notebook.h"
#include "platform/forms/std_controls.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Multiline_Input.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

namespace platform {

namespace {

constexpr int kMenuBarHeight = 25;

// Buttons, check boxes and labels: a press and a release inside is a click.
template <class W, bool kShowsPress>
class TClickWidget : public W, public TControlLink {
 public:
  TClickWidget(int x, int y, int w, int h) : W(x, y, w, h) {}
  int handle(int event) override {
    switch (event) {
      case FL_PUSH:
        if constexpr (kShowsPress) this->value(1);
        return 1;
      case FL_DRAG:
        if constexpr (kShowsPress) this->value(Fl::event_inside(this) ? 1 : 0);
        return 1;
      case FL_RELEASE:
        if constexpr (kShowsPress) this->value(0);
        if (TControl* control = Control; control != nullptr && Fl::event_inside(this))
          Act([control] { UserClick(*control); });
        return 1;
      case FL_KEYBOARD: case FL_KEYUP: case FL_SHORTCUT:
        return 0;  // the form handles keys
      default:
        return W::handle(event);
    }
  }
};
using TButtonWidget = TClickWidget<Fl_Button, true>;
using TCheckWidget = TClickWidget<Fl_Check_Button, false>;
// Text drawn from the left edge of the bounds (a box's label keeps a margin),
// over the parent's surface, past the bounds when a stored width is too
// narrow for the font here.
class TLabelWidget : public TClickWidget<Fl_Box, false> {
 public:
  TLabelWidget(int x, int y, int w, int h) : TClickWidget(x, y, w, h) { box(FL_NO_BOX); }
  void draw() override { draw_label(x(), y(), w(), h(), align()); }
};

// Edits and memos: the control edits its text; the widget shows it.
template <class W>
class TTextWidget : public W, public TControlLink {
 public:
  TTextWidget(int x, int y, int w, int h) : W(x, y, w, h) {}
  int handle(int event) override {
    TControl* control = Control;
    switch (event) {
      case FL_PUSH:
        if (control != nullptr) Act([control] { UserClick(*control); });
        return 1;
      case FL_DRAG: case FL_RELEASE:
        return 1;
      case FL_KEYBOARD: case FL_KEYUP: case FL_SHORTCUT:
        return 0;
      case FL_PASTE:
        if (TForm* form = control != nullptr ? control->ParentForm() : nullptr) {
          const std::string text(Fl::event_text(), static_cast<std::size_t>(Fl::event_length()));
          Act([form, text] { UserType(*form, text); });
        }
        return 1;
      default:
        return W::handle(event);
    }
  }
};

// A parent of controls: a tab page, a group box, anything windowed.
class TContainerWidget : public Fl_Group, public TControlLink {
 public:
  TContainerWidget(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
    resizable(nullptr);
    box(FL_FLAT_BOX);
    labeltype(FL_NO_LABEL);  // a tab page's title is on its tab
  }
  int handle(int event) override {
    if (event == FL_KEYBOARD || event == FL_KEYUP) return 0;
    return Fl_Group::handle(event);
  }
};

class TGroupBoxWidget : public TContainerWidget {
 public:
  using TContainerWidget::TContainerWidget;
  void draw() override {
    if (damage() & ~FL_DAMAGE_CHILD) DrawCaptionFrame(*this);
    draw_children();
  }
};

class TBevelWidget : public Fl_Box, public TControlLink {
 public:
  TBevelWidget(int x, int y, int w, int h) : Fl_Box(x, y, w, h) {}
  void draw() override {
    auto* bevel = DynCast<TBevel>(Control);
    if (bevel == nullptr) return;
    const bool lowered = bevel->Style() == bsLowered;
    const Fl_Color dark = FL_DARK3, light = FL_LIGHT3;
    const Fl_Color first = lowered ? dark : light, second = lowered ? light : dark;
    auto line = [](Fl_Color color, int x1, int y1, int x2, int y2) {
      fl_color(color);
      fl_line(x1, y1, x2, y2);
    };
    const int r = x() + w() - 1, b = y() + h() - 1;
    switch (bevel->Shape()) {
      case bsBox: fl_draw_box(lowered ? FL_THIN_DOWN_FRAME : FL_THIN_UP_FRAME, x(), y(), w(), h(), color()); break;
      case bsFrame: fl_draw_box(lowered ? FL_ENGRAVED_FRAME : FL_EMBOSSED_FRAME, x(), y(), w(), h(), color()); break;
      case bsTopLine: line(first, x(), y(), r, y()); line(second, x(), y() + 1, r, y() + 1); break;
      case bsBottomLine: line(first, x(), b - 1, r, b - 1); line(second, x(), b, r, b); break;
      case bsLeftLine: line(first, x(), y(), x(), b); line(second, x() + 1, y(), x() + 1, b); break;
      case bsRightLine: line(first, r - 1, y(), r - 1, b); line(second, r, y(), r, b); break;
    }
  }
};

// The memo shows its lines joined by LF; offsets into the text lose the CRs.
std::string Displayed(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  return out;
}

int DisplayedOffset(const std::string& text, int offset) {
  int shown = 0;
  for (int i = 0; i < offset && i < static_cast<int>(text.size()); ++i)
    if (!(text[static_cast<std::size_t>(i)] == '\r' && text[static_cast<std::size_t>(i) + 1] == '\n')) ++shown;
  return shown;
}

Fl_Widget* MakeStandardWidget(TControl& control) {
  const int w = control.Width(), h = control.Height();
  if (Is<TButton>(&control)) return new TButtonWidget(0, 0, w, h);
  if (Is<TCheckBox>(&control)) return new TCheckWidget(0, 0, w, h);
  if (Is<TLabel>(&control)) return new TLabelWidget(0, 0, w, h);
  if (Is<TMemo>(&control)) return new TTextWidget<Fl_Multiline_Input>(0, 0, w, h);
  if (Is<TCustomEdit>(&control)) return new TTextWidget<Fl_Input>(0, 0, w, h);
  if (Is<TBevel>(&control)) return new TBevelWidget(0, 0, w, h);
  if (Is<TGroupBox>(&control)) return new TGroupBoxWidget(0, 0, w, h);
  if (Fl_Widget* list = MakeListWidget(control)) return list;
  if (Is<TWinControl>(&control)) return new TContainerWidget(0, 0, w, h);
  return new TLabelWidget(0, 0, w, h);
}

Fl_Align LabelAlign(const TLabel& label) {
  Fl_Align align = FL_ALIGN_INSIDE | FL_ALIGN_TOP;
  if (label.Alignment() == taLeftJustify) align |= FL_ALIGN_LEFT;
  if (label.Alignment() == taRightJustify) align |= FL_ALIGN_RIGHT;
  if (label.WordWrap()) align |= FL_ALIGN_WRAP;
  return align;
}

// A widget draws its label, and an edit its text, in one face each: faces
// that have glyphs for every character shown.
void CoverText(TControl& control, Fl_Widget& widget) {
  const Fl_Font face = FlFontOf(*control.Font()).Face;
  widget.labelfont(CoveringFace(face, widget.label() != nullptr ? widget.label() : ""));
  if (auto* input = dynamic_cast<Fl_Input_*>(&widget)) input->textfont(CoveringFace(face, input->value()));
}

void ShowText(TControl& control, Fl_Widget& widget) {
  if (auto* memo = DynCast<TMemo>(&control)) {
    auto& input = static_cast<Fl_Input_&>(widget);
    input.value(Displayed(memo->Text()).c_str());
    input.wrap(memo->WordWrap() ? 1 : 0);
  } else if (Is<TCustomEdit>(&control)) {
    static_cast<Fl_Input_&>(widget).value(control.Text().c_str());
  } else if (auto* form = DynCast<TForm>(&control)) {
    static_cast<Fl_Window&>(widget).copy_label(form->Caption().c_str());
  } else if (auto* label = DynCast<TLabel>(&control)) {
    widget.copy_label(LabelText(label->Caption(), label->ShowAccelChar()).c_str());
    widget.align(LabelAlign(*label));
    if (Fl_Group* parent = widget.parent()) parent->redraw();  // the old text goes
  } else if (!UpdateListWidget(control, widget, TPeerChange::Text)) {
    widget.copy_label(LabelText(control.Caption()).c_str());
  }
  CoverText(control, widget);
  widget.redraw();
}

void ShowSelection(TControl& control, Fl_Widget& widget) {
  auto* edit = DynCast<TCustomEdit>(&control);
  if (edit == nullptr) return void(UpdateListWidget(control, widget, TPeerChange::Selection));
  const std::string& text = edit->Text();
  const int start = DisplayedOffset(text, edit->SelStart());
  const int end = DisplayedOffset(text, edit->SelStart() + edit->SelLength());
  static_cast<Fl_Input_&>(widget).position(end, start);
}

void ShowFont(TControl& control, Fl_Widget& widget) {
  const TFlFont font = FlFontOf(*control.Font());
  widget.labelsize(font.Size);
  widget.labelcolor(FlColorOf(control.Font()->Color()));
  CoverText(control, widget);
  if (auto* input = dynamic_cast<Fl_Input_*>(&widget)) {
    input->textsize(font.Size);
    input->textcolor(widget.labelcolor());
  }
  UpdateListWidget(control, widget, TPeerChange::Font);
  widget.redraw();
}

void ShowState(TControl& control, Fl_Widget& widget) {
  if (auto* check = DynCast<TCheckBox>(&control)) static_cast<Fl_Button&>(widget).value(check->State() != cbUnchecked);
  if (auto* edit = DynCast<TCustomEdit>(&control)) static_cast<Fl_Input_&>(widget).readonly(edit->ReadOnly());
}

// A form being designed shows while it has a window, whatever its Visible
// (a property of the form designed, stored as set).
bool Designed(const TForm* form) { return form != nullptr && form->HasState(csDesigning); }

void ShowVisible(TControl& control, Fl_Widget& widget) {
  auto* form = DynCast<TForm>(&control);
  if (form != nullptr && form->Visible() && !static_cast<Fl_Window&>(widget).shown()) {
    // Modal or not is told to the toolkit before each showing.
    auto& window = static_cast<Fl_Window&>(widget);
    window.clear_modal_states();
    if (form->Modal()) window.set_modal();
  }
  if (control.Visible() || Designed(form)) {
    widget.show();
  } else {
    widget.hide();
  }
  if (Fl_Group* parent = widget.parent()) parent->redraw();
}

}  // namespace

void DrawCaptionFrame(Fl_Widget& widget) {
  const int x = widget.x(), y = widget.y(), w = widget.w(), h = widget.h();
  fl_rectf(x, y, w, h, widget.color());
  fl_font(widget.labelfont(), widget.labelsize());
  const int top = y + fl_height() / 2;
  fl_draw_box(FL_ENGRAVED_FRAME, x, top, w, h - (top - y), widget.color());
  const char* caption = widget.label();
  if (caption == nullptr || *caption == '\0') return;
  int tw = 0, th = 0;
  fl_measure(caption, tw, th, 0);
  fl_rectf(x + 6, y, tw + 4, fl_height(), widget.color());
  fl_color(widget.active_r() ? widget.labelcolor() : fl_inactive(widget.labelcolor()));
  fl_draw(caption, x + 8, y, tw, fl_height(), FL_ALIGN_LEFT | FL_ALIGN_INSIDE, nullptr, 0);
}

TWidgetPeer::~TWidgetPeer() {
  if (auto* link = dynamic_cast<TControlLink*>(widget_)) link->Control = nullptr;
  if (Fl_Group* parent = widget_->parent()) {
    parent->remove(widget_);
    parent->redraw();
  }
  // Later: the widget may be the one whose handler is running.
  widget_->hide();
  Fl::delete_widget(widget_);
}

Fl_Widget* WidgetOfPeer(const TControl& control) {
  auto* peer = dynamic_cast<TWidgetPeer*>(control.Peer());
  return peer != nullptr ? peer->Widget() : nullptr;
}

int MenuBarHeight(const TForm& form) { return form.Menu() != nullptr ? kMenuBarHeight : 0; }

void PlaceWidget(TControl& control) {
  if (Fl_Widget* widget = WidgetOfPeer(control)) PlaceWidget(control, *widget);
}

void PlaceWidget(TControl& control, Fl_Widget& shown) {
  Fl_Widget* widget = &shown;
  if (auto* form = DynCast<TForm>(&control)) {
    const TPoint origin = form->ClientOrigin();
    widget->resize(origin.X, origin.Y, form->ClientWidth(), form->ClientHeight() + MenuBarHeight(*form));
  } else if (control.Parent() != nullptr) {
    const TForm* form = control.ParentForm();
    const TPoint parent = control.Parent()->ClientOrigin();
    const TPoint window = form != nullptr ? form->ClientOrigin() : TPoint{};
    const int menu = form != nullptr ? MenuBarHeight(*form) : 0;
    widget->resize(parent.X - window.X + control.Left(), parent.Y - window.Y + menu + control.Top(), control.Width(),
                   control.Height());
  }
  if (auto* windowed = DynCast<TWinControl>(&control))
    for (int i = 0; i < windowed->ControlCount(); ++i) PlaceWidget(*windowed->Controls(i));
  if (widget->parent() != nullptr) widget->parent()->redraw();
}

std::unique_ptr<TPeer> MakePeer(TControl& control) {
  Fl_Group* const saved = Fl_Group::current();
  Fl_Group::current(nullptr);
  Fl_Widget* widget = nullptr;
  auto* form = DynCast<TForm>(&control);
  if (form != nullptr) {
    widget = new TFormWindow(*form, MenuBarHeight(*form));
  } else {
    widget = MakeStandardWidget(control);
    if (auto* link = dynamic_cast<TControlLink*>(widget)) link->Control = &control;
    Fl_Widget* parentWidget = control.Parent() != nullptr ? WidgetOfPeer(*control.Parent()) : nullptr;
    if (auto* group = dynamic_cast<Fl_Group*>(parentWidget)) group->add(widget);
  }
  Fl_Group::current(saved);
  auto peer = std::make_unique<TWidgetPeer>(widget);
  for (TPeerChange change : {TPeerChange::Font, TPeerChange::Color, TPeerChange::Items, TPeerChange::Text,
                             TPeerChange::Selection, TPeerChange::Checked, TPeerChange::Enabled,
                             TPeerChange::Bounds})
    UpdateWidget(control, *widget, change);
  if (form == nullptr || form->Visible() || Designed(form)) ShowVisible(control, *widget);
  return peer;
}

void UpdateWidget(TControl& control, Fl_Widget& widget, TPeerChange change) {
  switch (change) {
    case TPeerChange::Bounds: return PlaceWidget(control, widget);
    case TPeerChange::Text: return ShowText(control, widget);
    case TPeerChange::Visible: return ShowVisible(control, widget);
    case TPeerChange::Enabled:
      if (control.Enabled()) {
        widget.activate();
      } else {
        widget.deactivate();
      }
      return widget.redraw();
    case TPeerChange::Font: return ShowFont(control, widget);
    case TPeerChange::Color:
      if (!Is<TCustomEdit>(&control)) widget.color(FlColorOf(control.Color()));
      return widget.redraw();
    case TPeerChange::Items: UpdateListWidget(control, widget, change); return;
    case TPeerChange::Selection: return ShowSelection(control, widget);
    case TPeerChange::Checked: return ShowState(control, widget);
    case TPeerChange::Design: return widget.redraw();
    case TPeerChange::Focus: case TPeerChange::Parent: return;
  }
}

// The form's window.

namespace {
std::set<TFormWindow*>& Windows() {
  // Never destroyed: windows whose deletion the toolkit deferred go at exit,
  // after the statics.
  static auto* windows = new std::set<TFormWindow*>;
  return *windows;
}

std::uint16_t VirtualKeyOf(int key) {
  switch (key) {
    case FL_BackSpace: return VK_BACK;
    case FL_Tab: return VK_TAB;
    case FL_Enter: case FL_KP_Enter: return VK_RETURN;
    case FL_Escape: return VK_ESCAPE;
    case ' ': return VK_SPACE;
    case FL_Page_Up: return VK_PRIOR;
    case FL_Page_Down: return VK_NEXT;
    case FL_End: return VK_END;
    case FL_Home: return VK_HOME;
    case FL_Left: return VK_LEFT;
    case FL_Up: return VK_UP;
    case FL_Right: return VK_RIGHT;
    case FL_Down: return VK_DOWN;
    case FL_Delete: return VK_DELETE;
    default: return 0;
  }
}

// A key pressed in the window, as UserKey or UserType delivers it; false when
// the form has no use for it (a shortcut of the menu bar).
bool KeyToForm(TForm& form) {
  TShiftState shift;
  if (Fl::event_state(FL_SHIFT)) shift.Include(ssShift);
  if (Fl::event_state(FL_CTRL)) shift.Include(ssCtrl);
  if (Fl::event_state(FL_ALT)) shift.Include(ssAlt);
  if (const std::uint16_t key = VirtualKeyOf(Fl::event_key())) {
    Act([&form, key, shift] { UserKey(form, key, shift); });
    return true;
  }
  if (Fl::event_length() == 0 || shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return false;
  const std::string text(Fl::event_text(), static_cast<std::size_t>(Fl::event_length()));
  Act([&form, text] { UserType(form, text); });
  return true;
}

// Takes the close box (and the window menu) away where the window manager
// honours the Motif hints.
void RemoveCloseBox(Fl_Window& window) {
  struct {
    unsigned long flags, functions, decorations;
    long inputMode;
    unsigned long status;
  } hints{3, 1 | 4, 2 | 8, 0, 0};  // functions: resize off, move; decorations: border, title
  const Atom atom = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(fl_display, fl_xid(&window), atom, atom, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&hints), 5);
}
}  // namespace

TFormWindow::TFormWindow(TForm& form, int menuHeight)
    : Fl_Double_Window(form.ClientWidth(), form.ClientHeight() + menuHeight) {
  Control = &form;
  resizable(nullptr);
  callback(Closed);
  if (menuHeight > 0) {
    bar_ = new Fl_Menu_Bar(0, 0, w(), menuHeight);
    bar_->box(FL_FLAT_BOX);
  }
  end();
  if (form.BorderStyle() == bsNone) border(0);
  if (form.BorderStyle() != bsSizeable && form.BorderStyle() != bsSizeToolWin) {
    size_range(w(), h(), w(), h());
  }
  Windows().insert(this);
}

TFormWindow::~TFormWindow() { Windows().erase(this); }

const std::set<TFormWindow*>& TFormWindow::All() { return Windows(); }

TForm* TFormWindow::Form() const { return static_cast<TForm*>(Control); }

void TFormWindow::Closed(Fl_Widget* widget, void*) {
  if (TForm* form = static_cast<TFormWindow*>(widget)->Form()) Act([form] { UserClose(*form); });
}

// While the form is designed a click selects and nothing else acts: no
// widget, key or menu of the window sees the input.
int TFormWindow::HandleDesigning(TForm& form, int event) {
  switch (event) {
    case FL_PUSH: {
      const TPoint at{Fl::event_x(), Fl::event_y() - MenuBarHeight(form)};
      Act([&form, at] { UserDesignClick(form, at); });
      return 1;
    }
    case FL_DRAG: case FL_RELEASE: case FL_MOUSEWHEEL: case FL_KEYBOARD: case FL_KEYUP: case FL_SHORTCUT:
      return 1;
    default:
      return Fl_Double_Window::handle(event);
  }
}

void TFormWindow::draw() {
  Fl_Double_Window::draw();
  if (TForm* form = Form(); form != nullptr && form->HasState(csDesigning))
    DrawDesignSurface(*form, MenuBarHeight(*form));
}

int TFormWindow::handle(int event) {
  TForm* form = Form();
  if (form != nullptr && form->HasState(csDesigning)) return HandleDesigning(*form, event);
  // A key comes as a shortcut when no widget of the window has the toolkit's
  // focus; it is the form's all the same.
  const bool focusHere = Fl::focus() != nullptr && Fl::focus()->window() == this;
  if (form != nullptr && (event == FL_KEYBOARD || (event == FL_SHORTCUT && !focusHere)) && KeyToForm(*form))
    return 1;
  return Fl_Double_Window::handle(event);
}

// A menu given to the form or taken from it after the window was made: the
// bar comes or goes, and the window and the controls below it follow.
void TFormWindow::FollowMenu(TForm& form) {
  if ((form.Menu() != nullptr) == (bar_ != nullptr)) return;
  if (bar_ == nullptr) {
    begin();
    bar_ = new Fl_Menu_Bar(0, 0, w(), kMenuBarHeight);
    bar_->box(FL_FLAT_BOX);
    end();
    menu_ = TMenuArray();
  } else {
    remove(bar_);
    Fl::delete_widget(bar_);
    bar_ = nullptr;
  }
  if (form.BorderStyle() != bsSizeable && form.BorderStyle() != bsSizeToolWin) {
    const int height = form.ClientHeight() + MenuBarHeight(form);
    size_range(w(), height, w(), height);
  }
  PlaceWidget(form, *this);
  redraw();
}

void TFormWindow::Sync() {
  TForm* form = Form();
  if (form == nullptr) return;
  FollowMenu(*form);
  if (bar_ != nullptr) {
    bar_->resize(0, 0, w(), bar_->h());
    if (form->Menu() != nullptr) menu_.Build(*form->Menu()->Items());
    if (menu_.Changed()) {
      bar_->menu(menu_.Items());
      bar_->redraw();
    }
  }
  if (!shown()) return;
  if (form->BorderIcons().Contains(biSystemMenu) == false && !closeBoxRemoved_) {
    RemoveCloseBox(*this);
    closeBoxRemoved_ = true;
  }
  // One widget has the toolkit's focus: it follows the modal form, if any.
  if (CurrentModalForm() != nullptr && CurrentModalForm() != form) return;
  TWinControl* active = form->ActiveControl();
  Fl_Widget* focus = active != nullptr ? WidgetOfPeer(*active) : nullptr;
  if (focus != nullptr && focus->visible_r() && Fl::focus() != focus) Fl::focus(focus);
}

void TFormWindow::DrawAll() {
  damage(FL_DAMAGE_ALL);
  for (int i = 0; i < children(); ++i) child(i)->damage(FL_DAMAGE_ALL);
  draw();
  clear_damage();
}

}  // namespace platform

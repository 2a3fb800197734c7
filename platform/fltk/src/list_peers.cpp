// Widgets for the list box, combo box, radio group, tab set and notebook.

#include <cmath>

#include "peers.h"
#include "platform/forms/input.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/notebook.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_draw.H>

namespace platform {

namespace {

std::vector<std::string> Texts(const TStrings& strings) {
  std::vector<std::string> texts;
  for (int i = 0; i < strings.Count(); ++i) texts.emplace_back(strings.Strings(i));
  return texts;
}

class TListWidget : public Fl_Browser, public TControlLink {
 public:
  TListWidget(int x, int y, int w, int h) : Fl_Browser(x, y, w, h) {
    type(FL_MULTI_BROWSER);
    format_char(0);
  }
  int handle(int event) override {
    auto* list = DynCast<TListBox>(Control);
    switch (event) {
      case FL_PUSH: {
        if (Fl_Group::handle(event)) return 1;  // a scroll bar
        if (list == nullptr) return 1;
        void* item = find_item(Fl::event_y());
        const int index = item != nullptr ? lineno(item) - 1 : -1;
        const bool twice = Fl::event_clicks() != 0;
        Act([list, index, twice] {
          if (index < 0) return UserFocus(*list);
          UserPick(*list, index);
          if (twice && list->Usable()) list->OnDblClick(list);
        });
        return 1;
      }
      case FL_DRAG: case FL_RELEASE:
        return 1;
      case FL_KEYBOARD: case FL_KEYUP: case FL_SHORTCUT:
        return 0;
      default:
        return Fl_Browser::handle(event);
    }
  }
  void Refill(const TListBox& list) {
    clear();
    std::string all;
    for (const std::string& text : Texts(*list.Items())) {
      add(text.c_str());
      all += text;
    }
    textfont(CoveringFace(BaseFace, all));  // one face draws every row
    ShowSelection(list);
  }
  void ShowSelection(const TListBox& list) {
    for (int i = 0; i < list.Items()->Count(); ++i) select(i + 1, list.Selected(i) ? 1 : 0);
    if (list.Items()->Count() > 0) topline(list.TopIndex() + 1);
  }
  Fl_Font BaseFace = FL_HELVETICA;  // the control's font, before covering the rows
};

class TComboWidget : public Fl_Choice, public TControlLink {
 public:
  TComboWidget(int x, int y, int w, int h) : Fl_Choice(x, y, w, h) { down_box(FL_BORDER_BOX); }
  int handle(int event) override {
    auto* combo = DynCast<TComboBox>(Control);
    switch (event) {
      case FL_PUSH: {
        if (combo == nullptr) return 1;
        Act([combo] { UserClick(*combo); });  // the focus, then OnDropDown
        if (Control == nullptr || !combo->Usable()) return 1;
        Refill(*combo);
        if (combo->Items()->Count() == 0) return 1;
        const Fl_Menu_Item* picked = menu()->pulldown(x(), y(), w(), h(), mvalue(), this);
        if (picked != nullptr && Control != nullptr) {
          const int index = static_cast<int>(picked - menu());
          Act([combo, index] { UserPick(*combo, index); });
        }
        return 1;
      }
      case FL_KEYBOARD: case FL_KEYUP: case FL_SHORTCUT:
        return 0;
      default:
        return Fl_Choice::handle(event);
    }
  }
  void Refill(const TComboBox& combo) {
    std::vector<std::string> texts;
    for (const std::string& text : Texts(*combo.Items())) texts.push_back(LabelText(text, false));
    items_.BuildTexts(texts, combo.ItemIndex(), textfont());
    if (items_.Changed()) menu(items_.Items());
    if (combo.ItemIndex() >= 0 && combo.ItemIndex() < size() - 1) {
      value(combo.ItemIndex());
    } else {
      value(static_cast<const Fl_Menu_Item*>(nullptr));
    }
    redraw();
  }

 private:
  TMenuArray items_;
};

class TRadioButtonWidget : public Fl_Round_Button {
 public:
  TRadioButtonWidget(int x, int y, int w, int h, TRadioGroup* group, int index)
      : Fl_Round_Button(x, y, w, h), group_(group), index_(index) {}
  int handle(int event) override {
    switch (event) {
      case FL_PUSH: case FL_DRAG:
        return 1;
      case FL_RELEASE: {
        auto* link = dynamic_cast<TControlLink*>(parent());
        if (link != nullptr && link->Control != nullptr && Fl::event_inside(this))
          Act([group = group_, index = index_] { UserPick(*group, index); });
        return 1;
      }
      case FL_KEYBOARD: case FL_KEYUP: case FL_SHORTCUT:
        return 0;
      default:
        return Fl_Round_Button::handle(event);
    }
  }

 private:
  TRadioGroup* group_;
  int index_;
};

class TRadioGroupWidget : public Fl_Group, public TControlLink {
 public:
  TRadioGroupWidget(int x, int y, int w, int h) : Fl_Group(x, y, w, h) { resizable(nullptr); }
  void draw() override {
    if (damage() & ~FL_DAMAGE_CHILD) DrawCaptionFrame(*this);
    draw_children();
  }
  int handle(int event) override {
    if (event == FL_KEYBOARD || event == FL_KEYUP) return 0;
    return Fl_Group::handle(event);
  }
  void Refill(TRadioGroup& group) {
    clear();
    const int count = group.Items()->Count(), columns = group.Columns();
    const int rows = std::max(1, (count + columns - 1) / columns);
    const int top = y() + 16, rowHeight = std::max(1, (h() - 20) / rows);
    const int columnWidth = std::max(1, (w() - 16) / columns);
    for (int i = 0; i < count; ++i) {
      auto* button = new TRadioButtonWidget(x() + 8 + (i / rows) * columnWidth, top + (i % rows) * rowHeight,
                                            columnWidth, std::min(rowHeight, 24), &group, i);
      button->copy_label(LabelText(std::string(group.Items()->Strings(i))).c_str());
      button->labelfont(CoveringFace(BaseFace, button->label()));
      button->labelsize(labelsize());
      add(button);
    }
    ShowSelection(group);
  }
  Fl_Font BaseFace = FL_HELVETICA;  // the control's font, before covering the captions
  void ShowSelection(const TRadioGroup& group) {
    for (int i = 0; i < children(); ++i) static_cast<Fl_Button*>(child(i))->value(i == group.ItemIndex());
    redraw();
  }
};

// A row of tabs along the top of a widget; the current one stands out.
struct TTabRow {
  static constexpr int kHeight = 22;
  std::vector<std::string> Titles;
  int Current = -1;
  TFlFont Font;

  std::vector<int> Widths() const {
    std::vector<int> widths;
    for (const std::string& title : Titles) {
      fl_font(CoveringFace(Font.Face, title), Font.Size);
      int w = 0, h = 0;
      fl_measure(title.c_str(), w, h, 0);
      widths.push_back(w + 16);
    }
    return widths;
  }
  int At(int x0, int x) const {
    const std::vector<int> widths = Widths();
    for (std::size_t i = 0; i < widths.size(); ++i) {
      if (x >= x0 && x < x0 + widths[i]) return static_cast<int>(i);
      x0 += widths[i];
    }
    return -1;
  }
  void Draw(int x, int y, Fl_Color color, bool active) const {
    const std::vector<int> widths = Widths();
    for (std::size_t i = 0; i < widths.size(); ++i) {
      const bool current = static_cast<int>(i) == Current;
      const int top = current ? y : y + 2;
      fl_draw_box(FL_UP_BOX, x, top, widths[i], kHeight + (current ? 2 : 0) - (top - y), color);
      fl_font(CoveringFace(Font.Face, Titles[i]), Font.Size);
      fl_color(active ? FL_FOREGROUND_COLOR : FL_INACTIVE_COLOR);
      fl_draw(Titles[i].c_str(), x, top, widths[i], kHeight - (top - y), FL_ALIGN_CENTER, nullptr, 0);
      x += widths[i];
    }
  }
};

class TTabSetWidget : public Fl_Widget, public TControlLink {
 public:
  TTabSetWidget(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {}
  TTabRow Row;
  void draw() override {
    if (auto* tabs = DynCast<TTabSet>(Control)) {
      Row.Titles = Texts(*tabs->Tabs());
      Row.Current = tabs->TabIndex();
    }
    fl_rectf(x(), y(), w(), h(), color());
    Row.Draw(x(), y(), color(), active_r());
  }
  int handle(int event) override {
    auto* tabs = DynCast<TTabSet>(Control);
    if (event != FL_PUSH) return event == FL_RELEASE ? 1 : 0;
    if (tabs != nullptr) {
      Row.Titles = Texts(*tabs->Tabs());
      Row.Current = tabs->TabIndex();
    }
    const int index = Row.At(x(), Fl::event_x());
    if (tabs != nullptr && index >= 0) Act([tabs, index] { UserPick(*tabs, index); });
    return 1;
  }
};

class TNotebookWidget : public Fl_Group, public TControlLink {
 public:
  TNotebookWidget(int x, int y, int w, int h) : Fl_Group(x, y, w, h) { resizable(nullptr); }
  TTabRow Row;
  void draw() override {
    // Pages may have joined since the last change of the notebook.
    if (auto* notebook = DynCast<TTabbedNotebook>(Control)) ShowTabs(*notebook);
    if (damage() & ~FL_DAMAGE_CHILD) {
      fl_rectf(x(), y(), w(), h(), color());
      fl_draw_box(FL_UP_BOX, x(), y() + TTabRow::kHeight, w(), h() - TTabRow::kHeight, color());
      Row.Draw(x(), y(), color(), active_r());
    }
    draw_children();
  }
  int handle(int event) override {
    auto* notebook = DynCast<TTabbedNotebook>(Control);
    if (event == FL_KEYBOARD || event == FL_KEYUP) return 0;
    if (event == FL_PUSH && Fl::event_y() < y() + TTabRow::kHeight) {
      if (notebook != nullptr) ShowTabs(*notebook);
      const int index = Row.At(x(), Fl::event_x());
      if (notebook != nullptr && index >= 0) Act([notebook, index] { UserPick(*notebook, index); });
      return 1;
    }
    return Fl_Group::handle(event);
  }
  void ShowTabs(const TTabbedNotebook& notebook) {
    Row.Titles.clear();
    for (int i = 0; i < notebook.PageCount(); ++i) Row.Titles.push_back(notebook.Pages(i)->Caption());
    Row.Current = notebook.PageIndex();
    Row.Font = FlFontOf(*notebook.TabFont());
  }
};

}  // namespace

Fl_Widget* MakeListWidget(TControl& control) {
  const int w = control.Width(), h = control.Height();
  if (Is<TListBox>(&control)) return new TListWidget(0, 0, w, h);
  if (Is<TComboBox>(&control)) return new TComboWidget(0, 0, w, h);
  if (Is<TRadioGroup>(&control)) return new TRadioGroupWidget(0, 0, w, h);
  if (Is<TTabSet>(&control)) return new TTabSetWidget(0, 0, w, h);
  if (Is<TTabbedNotebook>(&control)) return new TNotebookWidget(0, 0, w, h);
  return nullptr;
}

bool UpdateListWidget(TControl& control, Fl_Widget& widget, TPeerChange change) {
  const bool all = change == TPeerChange::Items || change == TPeerChange::Font;
  if (auto* list = DynCast<TListBox>(&control)) {
    auto& browser = static_cast<TListWidget&>(widget);
    if (change == TPeerChange::Font) {
      const TFlFont font = FlFontOf(*control.Font());
      browser.BaseFace = font.Face;
      browser.textsize(font.Size);
    }
    if (all) browser.Refill(*list);
    if (change == TPeerChange::Selection) browser.ShowSelection(*list);
    browser.redraw();
    return true;
  }
  if (auto* combo = DynCast<TComboBox>(&control)) {
    auto& choice = static_cast<TComboWidget&>(widget);
    if (change == TPeerChange::Font) {
      const TFlFont font = FlFontOf(*control.Font());
      choice.textfont(font.Face);
      choice.textsize(font.Size);
    }
    choice.Refill(*combo);
    return true;
  }
  if (auto* radio = DynCast<TRadioGroup>(&control)) {
    auto& group = static_cast<TRadioGroupWidget&>(widget);
    if (change == TPeerChange::Font) group.BaseFace = FlFontOf(*control.Font()).Face;
    if (change == TPeerChange::Text) group.copy_label(LabelText(radio->Caption()).c_str());
    if (all) group.Refill(*radio);
    if (change == TPeerChange::Selection) group.ShowSelection(*radio);
    return true;
  }
  if (auto* tabs = DynCast<TTabSet>(&control)) {
    auto& row = static_cast<TTabSetWidget&>(widget);
    row.Row.Titles = Texts(*tabs->Tabs());
    row.Row.Current = tabs->TabIndex();
    row.Row.Font = FlFontOf(*control.Font());
    row.redraw();
    return true;
  }
  if (Is<TTabbedNotebook>(&control)) {
    widget.redraw();
    return true;
  }
  return false;
}

}  // namespace platform

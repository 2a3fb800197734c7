// Menus as the toolkit's item arrays: the menu bar of a form, a combo box's
// drop-down list, pop-up menus.

#include "peers.h"
#include "platform/fltk/windowing.h"
#include "platform/forms/input.h"
#include "platform/forms/menus.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>

namespace platform {

namespace {
void ItemChosen(Fl_Widget*, void* data) {
  auto* item = static_cast<TMenuItem*>(data);
  Act([item] { UserChoose(*item); });
}
}  // namespace

void TMenuArray::Flatten(const TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (item->Caption() == "-") {  // a separator: a line under the entry above
      if (!building_.empty() && !building_.back().End) building_.back().Flags |= FL_MENU_DIVIDER;
      continue;
    }
    int flags = 0;
    if (item->RadioItem()) flags |= FL_MENU_RADIO;
    else if (item->Checked()) flags |= FL_MENU_TOGGLE;
    if (item->Checked()) flags |= FL_MENU_VALUE;
    if (!item->Enabled()) flags |= FL_MENU_INACTIVE;
    if (!item->Visible()) flags |= FL_MENU_INVISIBLE;
    if (item->Count() > 0) flags |= FL_SUBMENU;
    building_.push_back({item->Caption(), flags, item, false});
    if (item->Count() > 0) {
      Flatten(*item);
      building_.push_back({{}, 0, nullptr, true});
    }
  }
}

void TMenuArray::Build(const TMenuItem& root) {
  building_.clear();
  Flatten(root);
  building_.push_back({{}, 0, nullptr, true});
  Publish(std::move(building_), FL_HELVETICA);
}

void TMenuArray::BuildTexts(const std::vector<std::string>& texts, int current, Fl_Font face) {
  std::vector<TEntry> entries;
  for (std::size_t i = 0; i < texts.size(); ++i)
    entries.push_back({texts[i], static_cast<int>(i) == current ? FL_MENU_VALUE : 0, nullptr, false});
  entries.push_back({{}, 0, nullptr, true});
  Publish(std::move(entries), face);
}

void TMenuArray::Publish(std::vector<TEntry> entries, Fl_Font face) {
  changed_ = entries != entries_ || face != face_;
  if (!changed_) return;
  face_ = face;
  entries_ = std::move(entries);
  items_.assign(entries_.size(), Fl_Menu_Item{});
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].End) continue;  // all zero: the end of a (sub)menu
    Fl_Menu_Item& item = items_[i];
    item.text = entries_[i].Label.c_str();
    item.flags = entries_[i].Flags;
    // A face of 0 and size 0 stand for the menu's own text font.
    if (const Fl_Font drawn = CoveringFace(face, entries_[i].Label); drawn != face) item.labelfont_ = drawn;
    if (entries_[i].Item != nullptr) {
      item.callback_ = ItemChosen;
      item.user_data_ = entries_[i].Item;
    }
  }
}

const Fl_Menu_Item* TMenuArray::Items() const { return items_.data(); }

void PopupMenuAtMouse(TPopupMenu& menu) {
  menu.Popup();
  TMenuArray array;
  array.Build(*menu.Items());
  if (menu.Items()->Count() == 0) return;
  if (const Fl_Menu_Item* chosen = array.Items()->popup(Fl::event_x(), Fl::event_y())) chosen->do_callback(nullptr);
}

}  // namespace platform

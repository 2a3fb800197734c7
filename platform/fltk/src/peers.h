#pragma once
// What the windowing back end's parts share: the peer that owns a widget,
// the link from a widget back to its control, placement, fonts and colours,
// and running a person's input as the event loop of the framework does.
#include <FL/Enumerations.H>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/backend.h"
#include "platform/forms/controls.h"

class Fl_Group;
class Fl_Widget;
struct Fl_Menu_Item;

namespace platform {

class TFont;
class TMenuItem;

// Mixed into every widget that shows a control; cleared when the peer goes,
// so input arriving afterwards is dropped.
struct TControlLink {
  TControl* Control = nullptr;
  virtual ~TControlLink() = default;
};

class TWidgetPeer : public TPeer {
 public:
  explicit TWidgetPeer(Fl_Widget* widget) : widget_(widget) {}
  ~TWidgetPeer() override;
  TWidgetPeer(const TWidgetPeer&) = delete;
  TWidgetPeer& operator=(const TWidgetPeer&) = delete;
  Fl_Widget* Widget() const { return widget_; }

 private:
  Fl_Widget* widget_;
};

Fl_Widget* WidgetOfPeer(const TControl& control);
// Makes the widget for a control (a window for a form) inside its parent's
// widget, and brings it in step with the control.
std::unique_ptr<TPeer> MakePeer(TControl& control);
// Brings the peer's widget in step with one change of the control.
void UpdateWidget(TControl& control, Fl_Widget& widget, TPeerChange change);
// Widgets for the list controls, tab set and notebook (list_peers.cpp).
Fl_Widget* MakeListWidget(TControl& control);
bool UpdateListWidget(TControl& control, Fl_Widget& widget, TPeerChange change);

// Places a control's widget where the control's bounds say, relative to its
// window (controls are placed below the form's menu bar), and its children.
void PlaceWidget(TControl& control);
void PlaceWidget(TControl& control, Fl_Widget& widget);
// The height of a form's menu bar: 0 without a menu.
int MenuBarHeight(const TForm& form);

// Draws a frame with the widget's label set into its top edge (group
// boxes, radio groups).
void DrawCaptionFrame(Fl_Widget& widget);

// Runs input handling; an error it raises is reported as the framework's
// event loop does (Application.HandleException).
void Act(const std::function<void()>& action);

// Fonts and colours.
struct TFlFont {
  Fl_Font Face = FL_HELVETICA;
  Fl_Fontsize Size = 13;
};
TFlFont FlFontOf(const TFont& font);
// The face to draw a text with: `face` when its font has a glyph for every
// character, else a face of the same style whose font fontconfig finds
// covering them (the most of them, when none covers all).
Fl_Font CoveringFace(Fl_Font face, std::string_view text);
// The font families fontconfig lists, sorted, each once.
std::vector<std::string> InstalledFamilies();
bool FamilyInstalled(const std::string& family);
// The family fontconfig gives for "sans": the one shown for a name that is
// not installed.
std::string DefaultSansFamily();
Fl_Color FlColorOf(TColor color);
// A caption as an FLTK label: "&" marks the accelerator in both; a label that
// shows no accelerator doubles it.
std::string LabelText(const std::string& caption, bool accelerator = true);

// A menu as the toolkit's item array: built from a menu item's children;
// Changed() tells whether it differs from what was built last.
class TMenuArray {
 public:
  void Build(const TMenuItem& root);
  bool Changed() const { return changed_; }
  const Fl_Menu_Item* Items() const;
  // Choices from a list of texts (a combo box's drop-down).
  // An entry whose text the menu's face `face` cannot draw gets a face of
  // its own.
  void BuildTexts(const std::vector<std::string>& texts, int current, Fl_Font face = FL_HELVETICA);

 private:
  struct TEntry {
    std::string Label;
    int Flags = 0;
    TMenuItem* Item = nullptr;
    bool End = false;
    bool operator==(const TEntry&) const = default;
  };
  void Flatten(const TMenuItem& parent);
  void Publish(std::vector<TEntry> entries, Fl_Font face);
  std::vector<TEntry> entries_;
  std::vector<TEntry> building_;
  std::vector<Fl_Menu_Item> items_;
  Fl_Font face_ = FL_HELVETICA;
  bool changed_ = false;
};

}  // namespace platform

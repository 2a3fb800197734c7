#pragma once
// The window of a form: the form's client area, with its main menu as a menu
// bar above it. Keys go to the form (UserKey, UserType), the close box and
// the window manager's close to UserClose.
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>

#include <set>

#include "peers.h"

namespace platform {

class TFormWindow : public Fl_Double_Window, public TControlLink {
 public:
  TFormWindow(TForm& form, int menuHeight);
  ~TFormWindow() override;
  int handle(int event) override;
  void draw() override;
  // Brings the menu bar and the focus in step with the form.
  void Sync();
  // Draws the whole window into the current drawing surface (a picture).
  void DrawAll();
  TForm* Form() const;

  // The windows of the forms that have one.
  static const std::set<TFormWindow*>& All();

 private:
  static void Closed(Fl_Widget* widget, void*);
  int HandleDesigning(TForm& form, int event);
  void FollowMenu(TForm& form);
  Fl_Menu_Bar* bar_ = nullptr;
  TMenuArray menu_;
  bool closeBoxRemoved_ = false;
};

// Draws over a designed form's controls its icons and the mark of its
// selection (design_surface.cpp); `menuHeight` is the menu bar's.
void DrawDesignSurface(TForm& form, int menuHeight);

}  // namespace platform

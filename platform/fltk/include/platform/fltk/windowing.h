#pragma once
// Real windows for forms, on the FLTK toolkit. A program calls
// UseWindowsWhenDisplayed() once at startup, before it creates forms: with a
// display, every form it shows becomes a window whose widgets follow the
// controls, and a person's clicks and keys reach the controls through the
// calls of platform/forms/input.h, as the scripted user's steps do. Without a
// display (or when asked to stay headless) nothing changes.
#include <string>
#include <string_view>
#include <vector>

class Fl_Widget;

namespace platform {

class TControl;
class TForm;
class TPopupMenu;

// Installs the windowing back end unless `headless` is asked, LXV_HEADLESS is
// set to anything but "0", or no display can be opened ($DISPLAY). Returns
// whether windows are in use.
bool UseWindowsWhenDisplayed(bool headless = false);
// Whether the installed back end is the windowing one.
bool WindowsInUse();

// Runs the toolkit's loop, so that the windows answer a person, until the
// file descriptor `fd` has input to read (or is at its end).
void RunWindowsUntilReadable(int fd);

// The widget that shows a control; nullptr while it has none.
Fl_Widget* WidgetOf(const TControl& control);

// The family fontconfig draws a toolkit face (Fl_Font) with, and whether that
// font has a glyph for every character of a text (blanks aside).
std::string FamilyOfFace(int face);
bool FaceCovers(int face, std::string_view text);

// Opens a pop-up menu at the mouse (OnPopup first); an item chosen is chosen
// as UserChoose does.
void PopupMenuAtMouse(TPopupMenu& menu);

// What a form's window shows (its client area with the menu bar), drawn
// afresh: rows of RGB pixels, top first. Raises EInvalidOperation when the
// form has no window.
struct TPicture {
  int Width = 0;
  int Height = 0;
  std::vector<unsigned char> Rgb;
};
TPicture PictureOfForm(TForm& form);
// Writes a picture as a PNG file; raises Exception naming the path when it
// cannot.
void SavePicture(const TPicture& picture, const std::string& path);
void SaveFormImage(TForm& form, const std::string& path);

}  // namespace platform

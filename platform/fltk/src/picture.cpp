// Pictures of forms: the window drawn into an off-screen image, read back
// and written as a PNG file.
#include <png.h>

#include <cstdio>
#include <memory>

#include "form_window.h"
#include "platform/base/exceptions.h"
#include "platform/fltk/windowing.h"
#include "platform/forms/form.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

namespace platform {

namespace {
void WritePng(const std::string& path, const unsigned char* rgb, int width, int height) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) throw Exception("Cannot write the picture " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw Exception("Cannot write the picture " + path);
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(rgb + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
}
}  // namespace

TPicture PictureOfForm(TForm& form) {
  auto* window = dynamic_cast<TFormWindow*>(WidgetOf(form));
  if (window == nullptr || !window->shown())
    throw EInvalidOperation("Form " + form.Name() + " has no window to picture");
  window->Sync();
  const int w = window->w(), h = window->h();
  window->make_current();  // gives the drawing functions a context on this display
  Fl_Offscreen offscreen = fl_create_offscreen(w, h);
  std::unique_ptr<unsigned char[]> rgb;
  {
    fl_begin_offscreen(offscreen);
    window->DrawAll();
    rgb.reset(fl_read_image(nullptr, 0, 0, w, h));
    fl_end_offscreen();
  }
  fl_delete_offscreen(offscreen);
  if (!rgb) throw EInvalidOperation("Form " + form.Name() + ": its picture could not be read");
  TPicture picture{w, h, {}};
  picture.Rgb.assign(rgb.get(), rgb.get() + static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
  return picture;
}

void SavePicture(const TPicture& picture, const std::string& path) {
  WritePng(path, picture.Rgb.data(), picture.Width, picture.Height);
}

void SaveFormImage(TForm& form, const std::string& path) { SavePicture(PictureOfForm(form), path); }

}  // namespace platform

// formconv: converts a form file between the binary and the text format at
// the stream level; without a flag the direction follows the input's content.
#include "formconv.h"

#include <iostream>
#include <string>
#include <string_view>

#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/form_files/form_text.h"

namespace {

enum class TDirection { Auto, ToText, ToBinary };

int Usage() {
  std::cerr << "usage: formconv [--to-text|--to-binary] IN OUT\n";
  return 2;
}

// The input is decoded once, whatever its format, which also checks a binary
// input before it is copied.
std::string Convert(const std::string& content, TDirection direction) {
  const platform::TFormContent form = platform::FormContentToDocument(content);
  if (direction == TDirection::Auto)
    direction = form.Format == platform::TFormFormat::Text ? TDirection::ToBinary : TDirection::ToText;
  return direction == TDirection::ToBinary ? form.Binary : platform::FormatFormText(form.Document);
}

int Fail(const char* file, const std::exception& e) {
  std::cerr << "formconv: " << file << ": " << e.what() << "\n";
  return 1;
}

}  // namespace

int FormconvMain(int argc, char** argv) {
  TDirection direction = TDirection::Auto;
  int first = 1;
  if (argc == 4) {
    const std::string_view flag = argv[1];
    if (flag == "--to-text") direction = TDirection::ToText;
    else if (flag == "--to-binary") direction = TDirection::ToBinary;
    else return Usage();
    first = 2;
  } else if (argc != 3) {
    return Usage();
  }
  const char* input = argv[first];
  const char* output = argv[first + 1];
  std::string converted;
  try {
    converted = Convert(platform::ReadFileBytes(input, platform::kMaxFormFileBytes), direction);
  } catch (const platform::Exception& e) {
    return Fail(input, e);
  } catch (const std::bad_alloc& e) {
    return Fail(input, e);
  }
  try {
    platform::WriteFileAtomically(output, converted);
  } catch (const platform::Exception& e) {
    return Fail(output, e);
  }
  return 0;
}

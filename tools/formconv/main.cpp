// formconv [--to-text|--to-binary] IN OUT
// Converts a form file between the binary and the text format at the stream
// level; without a flag the direction follows the input's content.
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

std::string Convert(const std::string& content, TDirection direction) {
  using platform::TFormFormat;
  const TFormFormat format = platform::TestFormFormat(content);
  if (direction == TDirection::Auto) direction = format == TFormFormat::Text ? TDirection::ToBinary : TDirection::ToText;
  const std::string binary = platform::FormContentToBinary(content);
  if (direction == TDirection::ToBinary) {
    platform::DecodeBinaryForm(binary);  // a binary input is checked before it is copied
    return binary;
  }
  return platform::FormatFormText(platform::DecodeBinaryForm(binary));
}

}  // namespace

int main(int argc, char** argv) {
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
  try {
    const std::string output = Convert(platform::ReadFileBytes(argv[first]), direction);
    platform::WriteFileAtomically(argv[first + 1], output);
  } catch (const platform::Exception& e) {
    std::cerr << "formconv: " << argv[first] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}

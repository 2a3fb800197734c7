// formconv: converts a form file between the binary and the text format at
// the stream level; without a flag the direction follows the input's content.
#include "formconv.h"

#include <iostream>
#include <string>
#include <string_view>

#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/form_files/form_text.h"

namespace {

enum class TDirection { Auto, ToText, ToBinary };

int Usage() {
  std::cerr << "usage: formconv [--to-text|--to-binary] IN OUT\n";
  return 2;
}

// An identifier as the text reader takes one, at most 255 characters.
bool IsIdent(std::string_view name) {
  if (name.empty() || name.size() > 255 || !platform::IsIdentStart(name.front())) return false;
  for (const char c : name)
    if (!platform::IsIdentChar(c)) return false;
  return true;
}

// Identifiers joined by dots, at most 255 characters in all.
bool IsDottedIdent(std::string_view name) {
  if (name.size() > 255) return false;
  for (std::size_t start = 0;;) {
    const std::size_t dot = name.find('.', start);
    if (!IsIdent(name.substr(start, dot - start))) return false;
    if (dot == std::string_view::npos) return true;
    start = dot + 1;
  }
}

// A property name must not start with a word that ends the properties of an
// object.
bool IsPropertyName(std::string_view name) {
  const std::string_view first = name.substr(0, name.find('.'));
  for (const char* word : {"object", "inherited", "inline", "end"})
    if (platform::SameText(first, word)) return false;
  return IsDottedIdent(name);
}

[[noreturn]] void RefuseName(const std::string& path, const char* what, std::string_view name) {
  throw platform::EWriteError("the text form cannot hold the " + std::string(what) + " \"" + std::string(name) +
                              "\" of object " + path);
}

void CheckValueNames(const platform::TFormValue& value, const std::string& path) {
  if (value.Type == platform::vaIdent && !IsDottedIdent(value.Str)) RefuseName(path, "identifier value", value.Str);
  for (const std::string& element : value.Names)
    if (!IsIdent(element)) RefuseName(path, "set element", element);
  for (const platform::TFormValue& item : value.List) CheckValueNames(item, path);
  for (const platform::TFormItem& item : value.Items)
    for (const platform::TFormProperty& prop : item.Properties) {
      if (!IsPropertyName(prop.Name)) RefuseName(path, "collection property name", prop.Name);
      CheckValueNames(prop.Value, path);
    }
}

// Refuses what the text form would write but not read back: names of
// objects, classes and properties that are no identifiers.
void CheckTextNames(const platform::TFormObject& object, const std::string& parentPath) {
  const std::string path = parentPath.empty() ? object.Name : parentPath + "." + object.Name;
  const std::string shown = path.empty() ? "(no name) of class " + object.ClassName : path;
  if (!object.Name.empty() && !IsIdent(object.Name)) RefuseName(shown, "name", object.Name);
  if (!IsIdent(object.ClassName)) RefuseName(shown, "class name", object.ClassName);
  for (const platform::TFormProperty& prop : object.Properties) {
    if (!IsPropertyName(prop.Name)) RefuseName(shown, "property name", prop.Name);
    CheckValueNames(prop.Value, shown);
  }
  for (const platform::TFormObject& child : object.Children) CheckTextNames(child, path);
}

// The input is decoded once, whatever its format, which also checks a binary
// input before it is copied.
std::string Convert(const std::string& content, TDirection direction) {
  const platform::TFormContent form = platform::FormContentToDocument(content);
  if (direction == TDirection::Auto)
    direction = form.Format == platform::TFormFormat::Text ? TDirection::ToBinary : TDirection::ToText;
  if (direction == TDirection::ToBinary) return form.Binary;
  CheckTextNames(form.Document, "");
  return platform::FormatFormText(form.Document);
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
  platform::RemoveTemporariesOnSignal();
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

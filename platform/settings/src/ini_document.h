#pragma once
// The text of one INI file as lines, so that a change rewrites one value and
// keeps everything else (comments, unknown lines, order) as it stood.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::settings {

class TIniDocument {
 public:
  explicit TIniDocument(std::string_view text);

  std::optional<std::string> Value(std::string_view section, std::string_view name) const;
  // Replaces the value, or adds it at the end of its section (a missing
  // section is added at the end of the file).
  void SetValue(std::string_view section, std::string_view name, std::string_view value);
  std::string Text() const;

 private:
  // Index of the line holding `name` in `section`, or where a new entry of
  // that section goes (npos when the section does not exist).
  struct TPlace {
    std::size_t entry = std::string::npos;
    std::size_t sectionEnd = std::string::npos;
  };
  TPlace Find(std::string_view section, std::string_view name) const;

  std::vector<std::string> lines_;
};

}  // namespace platform::settings

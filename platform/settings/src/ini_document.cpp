#include "ini_document.h"

#include "platform/base/text.h"

namespace platform::settings {
namespace {

// "[name]" (blanks around it allowed) gives name.
std::optional<std::string_view> SectionHeader(std::string_view line) {
  const std::string trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
  const std::size_t open = line.find('[');
  const std::size_t close = line.rfind(']');
  return line.substr(open + 1, close - open - 1);
}

bool IsEntryOf(std::string_view line, std::string_view name) {
  const std::size_t eq = line.find('=');
  return eq != std::string_view::npos && SameText(Trim(line.substr(0, eq)), name);
}

}  // namespace

TIniDocument::TIniDocument(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines_.emplace_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

TIniDocument::TPlace TIniDocument::Find(std::string_view section, std::string_view name) const {
  TPlace place;
  bool inside = section.empty();  // entries before any header belong to ""
  if (inside) place.sectionEnd = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (const auto header = SectionHeader(lines_[i])) {
      inside = SameText(*header, section);
      if (inside) place.sectionEnd = i + 1;
      continue;
    }
    if (!inside) continue;
    if (IsEntryOf(lines_[i], name)) place.entry = i;
    if (!Trim(lines_[i]).empty()) place.sectionEnd = i + 1;
  }
  return place;
}

std::optional<std::string> TIniDocument::Value(std::string_view section, std::string_view name) const {
  const TPlace place = Find(section, name);
  if (place.entry == std::string::npos) return std::nullopt;
  const std::string& line = lines_[place.entry];
  return line.substr(line.find('=') + 1);
}

void TIniDocument::SetValue(std::string_view section, std::string_view name, std::string_view value) {
  std::string entry = std::string(name) + "=" + std::string(value);
  const TPlace place = Find(section, name);
  if (place.entry != std::string::npos) {
    lines_[place.entry] = std::move(entry);
  } else if (place.sectionEnd != std::string::npos) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(place.sectionEnd), std::move(entry));
  } else {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(entry));
  }
}

std::string TIniDocument::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\n";
  return text;
}

}  // namespace platform::settings

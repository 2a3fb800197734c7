#pragma once
// The framework's Format: "%[index:][-][width][.precision]type" with the
// types d u x e f g n m p s (either case) and "%%". Index, width and
// precision may be "*", taken from the next argument. After an indexed
// specifier the unindexed ones go on from the following argument.
// A bad pattern, a missing argument or one of the wrong kind raises
// EConvertError "Format 'PATTERN' invalid or incompatible with argument".
// e f g n m read the separators and currency settings of FormatSettings(),
// or of the record given.
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace platform {

struct TFormatSettings;

// One argument of Format. Text is copied, so a TVarRec never dangles.
class TVarRec {
 public:
  enum class TKind { Integer, Int64, UInt64, Extended, Char, String, Pointer };

  // Signed integers up to 32 bits are Integer (so %x of -1 is FFFFFFFF);
  // wider or unsigned 32-bit ones keep their value as Int64.
  template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>)
  TVarRec(T value) {  // NOLINT: implicit by design, as an array of const
    if constexpr (std::is_signed_v<T> && sizeof(T) <= 4) {
      kind_ = TKind::Integer;
      integer_ = value;
    } else if constexpr (std::is_signed_v<T> || sizeof(T) <= 4) {
      kind_ = TKind::Int64;
      integer_ = static_cast<std::int64_t>(value);
    } else {
      kind_ = TKind::UInt64;
      integer_ = static_cast<std::int64_t>(value);
    }
  }
  template <std::floating_point T>
  TVarRec(T value) : kind_(TKind::Extended), extended_(static_cast<double>(value)) {}
  TVarRec(bool) = delete;  // no Format type accepts a Boolean
  TVarRec(char value) : kind_(TKind::Char), text_(1, value) {}
  TVarRec(const char* value) : kind_(TKind::String), text_(value ? value : "") {}
  TVarRec(std::string_view value) : kind_(TKind::String), text_(value) {}
  TVarRec(std::string value) : kind_(TKind::String), text_(std::move(value)) {}
  TVarRec(const void* value) : kind_(TKind::Pointer), pointer_(value) {}
  TVarRec(std::nullptr_t) : kind_(TKind::Pointer) {}

  TKind Kind() const { return kind_; }
  bool IsInteger() const { return kind_ <= TKind::UInt64; }
  std::int64_t Int() const { return integer_; }  // UInt64: the bit pattern
  double Extended() const { return extended_; }
  const std::string& Text() const { return text_; }  // String and Char
  const void* Pointer() const { return pointer_; }

 private:
  TKind kind_;
  std::int64_t integer_ = 0;
  double extended_ = 0;
  std::string text_;
  const void* pointer_ = nullptr;
};

std::string Format(std::string_view pattern, std::span<const TVarRec> args);
std::string Format(std::string_view pattern, std::initializer_list<TVarRec> args);
std::string Format(std::string_view pattern, std::span<const TVarRec> args, const TFormatSettings& settings);
std::string Format(std::string_view pattern, std::initializer_list<TVarRec> args, const TFormatSettings& settings);

}  // namespace platform

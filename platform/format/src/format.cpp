#include "platform/format/format.h"

#include <cstdint>

#include "format_internal.h"
#include "platform/base/exceptions.h"

namespace platform {
namespace {

// Widths and precisions beyond this are taken for a broken pattern rather
// than honoured with a gigantic result.
constexpr std::int64_t kMaxField = 1'000'000;

std::string UnsignedDigits(std::uint64_t value, unsigned base) {
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789ABCDEF"[value % base]);
    value /= base;
  } while (value != 0);
  return digits;
}

// Left-pads the digits of a number with zeros to `precision` digits; the
// sign stays in front.
std::string ZeroPad(std::string digits, int precision, bool negative) {
  if (static_cast<int>(digits.size()) < precision) digits.insert(0, precision - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

struct TSpecifier {
  bool left = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

class TFormatter {
 public:
  TFormatter(std::string_view pattern, std::span<const TVarRec> args, const TFormatSettings& settings)
      : pattern_(pattern), args_(args), settings_(settings) {}

  std::string Run() {
    while (pos_ < pattern_.size()) {
      const std::size_t percent = pattern_.find('%', pos_);
      result_.append(pattern_.substr(pos_, percent - pos_));
      if (percent == std::string_view::npos) break;
      pos_ = percent + 1;
      if (Peek() == '%') {
        result_.push_back('%');
        ++pos_;
        continue;
      }
      const TSpecifier specifier = ParseSpecifier();
      Append(Convert(specifier, NextArgument()), specifier);
    }
    return std::move(result_);
  }

 private:
  [[noreturn]] void Fail() const {
    throw EConvertError("Format '" + std::string(pattern_) + "' invalid or incompatible with argument");
  }

  char Peek() const { return pos_ < pattern_.size() ? pattern_[pos_] : '\0'; }

  const TVarRec& NextArgument() {
    if (argIndex_ >= args_.size()) Fail();
    return args_[argIndex_++];
  }

  // Digits or "*" (the next argument, an integer). False when neither is there.
  bool ReadNumber(std::int64_t& number) {
    if (Peek() == '*') {
      ++pos_;
      const TVarRec& arg = NextArgument();
      if (arg.Kind() != TVarRec::TKind::Integer) Fail();
      number = arg.Int();
    } else if (Peek() >= '0' && Peek() <= '9') {
      number = 0;
      while (Peek() >= '0' && Peek() <= '9') {
        number = number * 10 + (pattern_[pos_++] - '0');
        if (number > kMaxField) Fail();
      }
    } else {
      return false;
    }
    if (number > kMaxField || number < -kMaxField) Fail();
    return true;
  }

  TSpecifier ParseSpecifier() {
    TSpecifier specifier;
    std::int64_t number = 0;
    bool haveNumber = ReadNumber(number);
    if (haveNumber && Peek() == ':') {
      if (number < 0) Fail();
      argIndex_ = static_cast<std::size_t>(number);
      ++pos_;
      haveNumber = false;
    }
    if (!haveNumber && Peek() == '-') {
      specifier.left = true;
      ++pos_;
    }
    if (haveNumber || ReadNumber(number)) {
      // A negative width from "*" left-justifies, as in C.
      specifier.left = specifier.left || number < 0;
      specifier.width = static_cast<int>(number < 0 ? -number : number);
    }
    if (Peek() == '.') {
      ++pos_;
      if (!ReadNumber(number)) number = 0;
      specifier.precision = number < 0 ? -1 : static_cast<int>(number);
    }
    specifier.type = Peek();
    if (specifier.type == '\0') Fail();
    ++pos_;
    return specifier;
  }

  std::string Convert(const TSpecifier& specifier, const TVarRec& arg) const {
    using K = TVarRec::TKind;
    switch (specifier.type | 0x20) {  // either case
      case 'd': {
        if (!arg.IsInteger()) Fail();
        if (arg.Kind() == K::UInt64) return ZeroPad(UnsignedDigits(arg.Int(), 10), specifier.precision, false);
        const std::uint64_t magnitude = arg.Int() < 0 ? 0 - static_cast<std::uint64_t>(arg.Int()) : arg.Int();
        return ZeroPad(UnsignedDigits(magnitude, 10), specifier.precision, arg.Int() < 0);
      }
      case 'u':
      case 'x': {
        if (!arg.IsInteger()) Fail();
        std::uint64_t pattern = static_cast<std::uint64_t>(arg.Int());
        if (arg.Kind() == K::Integer) pattern &= 0xFFFFFFFFu;  // the 32-bit pattern
        return ZeroPad(UnsignedDigits(pattern, (specifier.type | 0x20) == 'x' ? 16 : 10), specifier.precision, false);
      }
      case 'e':
      case 'f':
      case 'g':
      case 'n':
      case 'm':
        if (arg.Kind() != K::Extended) Fail();
        return detail::FloatArgument(static_cast<char>(specifier.type | 0x20), arg.Extended(), specifier.precision,
                                     settings_);
      case 'p':
        if (arg.Kind() != K::Pointer) Fail();
        return ZeroPad(UnsignedDigits(reinterpret_cast<std::uintptr_t>(arg.Pointer()), 16),
                       2 * sizeof(void*), false);
      case 's':
        if (arg.Kind() != K::String && arg.Kind() != K::Char) Fail();
        return Truncate(arg.Text(), specifier.precision);
      default:
        Fail();
    }
  }

  // Cuts text to at most `precision` bytes, never inside a UTF-8 sequence.
  static std::string Truncate(const std::string& text, int precision) {
    if (precision < 0 || text.size() <= static_cast<std::size_t>(precision)) return text;
    std::size_t end = precision;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
  }

  void Append(const std::string& text, const TSpecifier& specifier) {
    const std::size_t fill = specifier.width > static_cast<int>(text.size()) ? specifier.width - text.size() : 0;
    if (!specifier.left) result_.append(fill, ' ');
    result_ += text;
    if (specifier.left) result_.append(fill, ' ');
  }

  std::string_view pattern_;
  std::span<const TVarRec> args_;
  const TFormatSettings& settings_;
  std::size_t pos_ = 0;
  std::size_t argIndex_ = 0;
  std::string result_;
};

}  // namespace

std::string Format(std::string_view pattern, std::span<const TVarRec> args) {
  return Format(pattern, args, detail::ProcessFormatSettings());
}

std::string Format(std::string_view pattern, std::initializer_list<TVarRec> args) {
  return Format(pattern, std::span<const TVarRec>(args.begin(), args.size()));
}

std::string Format(std::string_view pattern, std::span<const TVarRec> args, const TFormatSettings& settings) {
  return TFormatter(pattern, args, settings).Run();
}

std::string Format(std::string_view pattern, std::initializer_list<TVarRec> args, const TFormatSettings& settings) {
  return Format(pattern, std::span<const TVarRec>(args.begin(), args.size()), settings);
}

}  // namespace platform

// Parsing the text form format into the class-free form document.
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/streaming/form_codec.h"
#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/form_files/form_text.h"
#include "platform/streaming/source_positions.h"
#include "platform/base/text.h"

namespace platform {

namespace {

class TTextParser {
 public:
  TTextParser(std::string_view text, int generation) : s_(text), generation_(generation) {
    if (s_.substr(0, 3) == "\xEF\xBB\xBF") i_ = 3;
  }

  TFormObject Form() {
    TFormObject o = Object(0);
    SkipBlanks();
    if (i_ < s_.size()) Error("unexpected text after the final end");
    return o;
  }

 private:
  [[noreturn]] void Error(const std::string& what) const {
    const TTextPosition at = TTextCursor(s_).At(i_);
    throw EReadError("Form text error at line " + std::to_string(at.Line) + ", column " + std::to_string(at.Column) +
                     ": " + what);
  }

  char Peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }
  bool AtEnd() const { return i_ >= s_.size(); }
  std::string Found() const {
    if (AtEnd()) return "the end of the text";
    const char c = s_[i_];
    if (static_cast<unsigned char>(c) < 32) return "character #" + std::to_string(static_cast<unsigned char>(c));
    return "'" + std::string(1, c) + "'";
  }

  void SkipBlanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\r' || s_[i_] == '\n')) ++i_;
  }

  void Expect(char c) {
    SkipBlanks();
    if (Peek() != c) Error(std::string("expected '") + c + "' but found " + Found());
    ++i_;
  }

  std::string Ident() {
    SkipBlanks();
    if (!IsIdentStart(Peek())) Error("expected an identifier but found " + Found());
    const std::size_t start = i_;
    while (IsIdentChar(Peek())) ++i_;
    return std::string(s_.substr(start, i_ - start));
  }

  // A word ahead, without consuming it.
  std::string_view PeekWord() {
    SkipBlanks();
    std::size_t k = i_;
    while (k < s_.size() && IsIdentChar(s_[k])) ++k;
    return s_.substr(i_, k - i_);
  }

  // An identifier with dots, blanks allowed around them.
  std::string DottedName() {
    std::string name = Ident();
    for (;;) {
      const std::size_t save = i_;
      SkipBlanks();
      if (Peek() != '.') {
        i_ = save;
        return name;
      }
      ++i_;
      name += "." + Ident();
    }
  }

  void Nest(int depth) {
    if (depth > formcodec::kMaxDepth) Error("nested deeper than " + std::to_string(formcodec::kMaxDepth) + " levels");
  }

  static bool IsObjectWord(std::string_view w) {
    return SameText(w, "object") || SameText(w, "inherited") || SameText(w, "inline");
  }

  TFormObject Object(int depth) {
    Nest(depth);
    TFormObject o;
    SkipBlanks();
    o.TextAt = i_;
    const std::string keyword = Ident();
    if (SameText(keyword, "inherited")) o.Flags = ffInherited;
    else if (SameText(keyword, "inline")) o.Flags = ffInline;
    else if (!SameText(keyword, "object")) Error("expected object, inherited or inline but found " + keyword);
    const std::string first = Ident();
    SkipBlanks();
    if (Peek() == ':') {
      ++i_;
      o.Name = first;
      o.ClassName = Ident();
    } else {
      o.ClassName = first;
    }
    SkipBlanks();
    if (Peek() == '[') {
      ++i_;
      o.Position = SmallInteger();
      Expect(']');
    }
    for (std::string_view w = PeekWord(); !IsObjectWord(w) && !SameText(w, "end"); w = PeekWord())
      o.Properties.push_back(Property(depth));
    while (IsObjectWord(PeekWord())) o.Children.push_back(Object(depth + 1));
    if (!SameText(Ident(), "end")) {
      Error("expected end");
    }
    return o;
  }

  TFormProperty Property(int depth) {
    SkipBlanks();
    if (!IsIdentStart(Peek())) Error("expected a property name, object or end but found " + Found());
    TFormProperty p;
    p.TextAt = i_;
    p.Name = DottedName();
    if (p.Name.size() > 255) Error("property name longer than 255 characters");
    Expect('=');
    p.Value = Value(depth);
    return p;
  }

  std::int64_t SmallInteger() {
    SkipBlanks();
    const TFormValue v = Number();
    if (v.Type != vaInt8 && v.Type != vaInt16 && v.Type != vaInt32) Error("expected a 32-bit integer");
    return v.Int;
  }

  TFormValue Value(int depth) {
    SkipBlanks();
    const std::size_t at = i_;
    TFormValue v = ValueHere(depth);
    v.TextAt = at;
    return v;
  }

  TFormValue ValueHere(int depth) {
    const char c = Peek();
    if (c == '\'' || c == '#') return String();
    if (c == '-' || c == '$' || IsAsciiDigit(c)) return Number();
    if (c == '[') return Set();
    if (c == '(') return List(depth + 1);
    if (c == '<') return Collection(depth + 1);
    if (c == '{') return Binary();
    if (!IsIdentStart(c)) Error("expected a value but found " + Found());
    TFormValue v;
    const std::string name = DottedName();
    if (name.size() > 255) Error("identifier longer than 255 characters");
    if (SameText(name, "True")) v.Type = vaTrue;
    else if (SameText(name, "False")) v.Type = vaFalse;
    else if (SameText(name, "nil")) v.Type = vaNil;
    else {
      v.Type = vaIdent;
      v.Str = name;
    }
    return v;
  }

  struct TUnit {
    std::uint32_t Code;
    bool FromNumber;  // written as #n
  };

  void StringToken(std::vector<TUnit>& units) {
    if (Peek() != '\'' && Peek() != '#') Error("expected a string after '+' but found " + Found());
    while (Peek() == '\'' || Peek() == '#') {
      if (Peek() == '#') {
        ++i_;
        std::uint32_t code = 0;
        const bool hex = Peek() == '$';
        if (hex) ++i_;
        const std::size_t start = i_;
        for (int d; (d = hex ? HexDigitValue(Peek()) : (IsAsciiDigit(Peek()) ? Peek() - '0' : -1)) >= 0; ++i_) {
          code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
          if (code > 0xFFFF) Error("character code above 65535");
        }
        if (i_ == start) Error("expected a character code after '#' but found " + Found());
        units.push_back({code, true});
        continue;
      }
      ++i_;
      for (;;) {
        if (AtEnd() || Peek() == '\r' || Peek() == '\n') Error("unterminated string");
        if (Peek() == '\'') {
          if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
            units.push_back({'\'', false});
            i_ += 2;
            continue;
          }
          ++i_;
          break;
        }
        units.push_back({static_cast<unsigned char>(s_[i_++]), false});
      }
    }
  }

  TFormValue String() {
    std::vector<TUnit> units;
    StringToken(units);
    for (;;) {
      const std::size_t save = i_;
      SkipBlanks();
      if (Peek() != '+') {
        i_ = save;
        break;
      }
      ++i_;
      SkipBlanks();
      StringToken(units);
    }
    bool wide = false;
    for (const TUnit& u : units) wide = wide || (u.FromNumber && u.Code > 127);
    if (wide && generation_ < 4) {
      for (const TUnit& u : units)
        if (u.Code > 255) Error("character code " + std::to_string(u.Code) + " needs a wide string");
      wide = false;
    }
    TFormValue v;
    if (wide) {
      v.Type = vaWString;
      for (const TUnit& u : units) v.Wide += static_cast<char16_t>(u.Code);
    } else {
      for (const TUnit& u : units) v.Str += static_cast<char>(u.Code);
      v.Type = v.Str.size() <= 255 ? vaString : vaLString;
    }
    return v;
  }

  TFormValue Number() {
    TFormValue v;
    const std::size_t start = i_;
    const bool negative = Peek() == '-';
    if (negative) ++i_;
    std::uint64_t magnitude = 0;
    if (Peek() == '$') {
      if (negative) Error("a hexadecimal number takes no sign");
      ++i_;
      const std::size_t digits = i_;
      for (int d; (d = HexDigitValue(Peek())) >= 0; ++i_) {
        if (magnitude >> 60) Error("hexadecimal number too large");
        magnitude = magnitude * 16 + static_cast<unsigned>(d);
      }
      if (i_ == digits) Error("expected hexadecimal digits but found " + Found());
    } else {
      if (!IsAsciiDigit(Peek())) Error("expected a number but found " + Found());
      while (IsAsciiDigit(Peek())) ++i_;
      const bool fraction = Peek() == '.';
      std::size_t k = i_ + (fraction ? 1 : 0);
      while (fraction && k < s_.size() && IsAsciiDigit(s_[k])) ++k;
      const bool exponent = k < s_.size() && (s_[k] == 'e' || s_[k] == 'E') && k + 1 < s_.size() &&
                            (IsAsciiDigit(s_[k + 1]) || ((s_[k + 1] == '+' || s_[k + 1] == '-') && k + 2 < s_.size() && IsAsciiDigit(s_[k + 2])));
      const char after = k < s_.size() ? s_[k] : '\0';
      const bool suffix = after == 's' || after == 'S' || after == 'c' || after == 'C' || after == 'd' || after == 'D';
      if (fraction || exponent || suffix) return Float(start, k, exponent);
      for (std::size_t d = negative ? start + 1 : start; d < i_; ++d) {
        const unsigned digit = static_cast<unsigned>(s_[d] - '0');
        if (magnitude > (std::numeric_limits<std::uint64_t>::max() - digit) / 10) Error("number too large");
        magnitude = magnitude * 10 + digit;
      }
    }
    if (IsIdentChar(Peek()) || Peek() == '.') Error("malformed number");
    if (negative && magnitude > (std::uint64_t{1} << 63)) Error("number too small");
    const auto value = static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude);
    v.Int = value;
    v.Type = IntegerValueType(value);
    if (v.Type == vaInt64 && generation_ < 4) Error("integer " + std::to_string(value) + " out of the 32-bit range");
    return v;
  }

  TFormValue Float(std::size_t start, std::size_t end, bool exponent) {
    i_ = end;
    if (exponent) {
      i_ += 1;
      if (Peek() == '+' || Peek() == '-') ++i_;
      while (IsAsciiDigit(Peek())) ++i_;
    }
    std::string text(s_.substr(start, i_ - start));
    if (!text.empty() && text.back() == '.') text.pop_back();
    long double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) Error("malformed number " + text);
    TFormValue v;
    const char suffix = static_cast<char>(Peek() | 0x20);
    if (suffix == 's' || suffix == 'c' || suffix == 'd') ++i_;
    if (IsIdentChar(Peek()) || Peek() == '.') Error("malformed number");
    if (generation_ >= 4 && suffix == 's') {
      v.Type = vaSingle;
      v.Float = static_cast<float>(value);
    } else if (generation_ >= 4 && suffix == 'c') {
      if (!(std::fabs(value) < 9.2e14L)) Error("currency value out of range");
      v.Type = vaCurrency;
      v.Int = std::llround(value * 10000);
    } else if (generation_ >= 4 && suffix == 'd') {
      v.Type = vaDate;
      v.Float = static_cast<double>(value);
    } else {
      v.Type = vaExtended;
      v.Extended = formcodec::FloatToExtended(value);
    }
    return v;
  }

  TFormValue Set() {
    ++i_;
    TFormValue v;
    v.Type = vaSet;
    SkipBlanks();
    if (Peek() == ']') {
      ++i_;
      return v;
    }
    for (;;) {
      v.Names.push_back(Ident());
      if (v.Names.back().size() > 255) Error("set element longer than 255 characters");
      SkipBlanks();
      if (Peek() == ']') break;
      Expect(',');
    }
    ++i_;
    return v;
  }

  TFormValue List(int depth) {
    Nest(depth);
    ++i_;
    TFormValue v;
    v.Type = vaList;
    for (SkipBlanks(); Peek() != ')'; SkipBlanks()) {
      if (AtEnd()) Error("unterminated list");
      v.List.push_back(Value(depth));
    }
    ++i_;
    return v;
  }

  TFormValue Collection(int depth) {
    Nest(depth);
    ++i_;
    TFormValue v;
    v.Type = vaCollection;
    for (SkipBlanks(); Peek() != '>'; SkipBlanks()) {
      if (!SameText(Ident(), "item")) Error("expected item or '>'");
      TFormItem item;
      SkipBlanks();
      if (Peek() == '[') {
        ++i_;
        item.Order = SmallInteger();
        Expect(']');
      }
      while (!SameText(PeekWord(), "end")) item.Properties.push_back(Property(depth));
      Ident();
      v.Items.push_back(std::move(item));
    }
    ++i_;
    return v;
  }

  TFormValue Binary() {
    ++i_;
    TFormValue v;
    v.Type = vaBinary;
    for (SkipBlanks(); Peek() != '}'; SkipBlanks()) {
      const int high = HexDigitValue(Peek());
      if (high < 0) Error("expected hexadecimal digits but found " + Found());
      ++i_;
      const int low = HexDigitValue(Peek());
      if (low < 0) Error("expected the second digit of a byte but found " + Found());
      ++i_;
      v.Str += static_cast<char>(high * 16 + low);
    }
    ++i_;
    return v;
  }

  std::string_view s_;
  std::size_t i_ = 0;
  int generation_;
};

}  // namespace

TFormObject ParseFormText(std::string_view text, int generation) { return TTextParser(text, generation).Form(); }

}  // namespace platform

// The class-free form document as text, in the framework's layout.
#include <charconv>
#include <cmath>

#include "platform/streaming/form_codec.h"
#include "platform/base/exceptions.h"
#include "platform/form_files/form_text.h"

namespace platform {

namespace {

constexpr std::size_t kPiece = 64;     // characters of a string per line
constexpr std::size_t kHexLine = 32;   // bytes of binary data per line
constexpr char kLineEnd[] = "\r\n";

// A character code in the quoting of strings: printable codes inside quoted
// runs, control characters as #n.
class TQuoter {
 public:
  explicit TQuoter(std::string& out) : out_(out) {}
  ~TQuoter() { Close(); }
  void Put(std::uint32_t code, bool printable) {
    if (printable) {
      if (!open_) out_ += '\'';
      open_ = true;
      if (code == '\'') out_ += '\'';
      out_ += static_cast<char>(code);  // bytes from 128 up as they stand
    } else {
      Close();
      out_ += '#';
      out_ += std::to_string(code);
    }
  }
  void Close() {
    if (open_) out_ += '\'';
    open_ = false;
  }

 private:
  std::string& out_;
  bool open_ = false;
};

bool IsControl(std::uint32_t c) { return c < 32 || c == 127; }

std::string QuoteBytes(std::string_view s) {
  if (s.empty()) return "''";
  std::string out;
  TQuoter q(out);
  for (unsigned char c : s) q.Put(c, !IsControl(c));
  q.Close();
  return out;
}

std::string QuoteWide(std::u16string_view s) {
  if (s.empty()) return "''";
  std::string out;
  TQuoter q(out);
  for (char16_t c : s) q.Put(c, c >= 32 && c < 127);
  q.Close();
  return out;
}

// Pieces of at most kPiece bytes, not cutting a UTF-8 sequence.
std::vector<std::string_view> SplitBytes(std::string_view s) {
  std::vector<std::string_view> pieces;
  while (s.size() > kPiece) {
    std::size_t cut = kPiece;
    for (int back = 0; back < 3 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80; ++back) --cut;
    pieces.push_back(s.substr(0, cut));
    s.remove_prefix(cut);
  }
  pieces.push_back(s);
  return pieces;
}

std::string Indent(int level) { return std::string(static_cast<std::size_t>(level) * 2, ' '); }

std::string ExponentTidy(std::string s) {
  const std::size_t e = s.find_first_of("eE");
  if (e == std::string::npos) {
    if (s.find('.') == std::string::npos) s += ".0";
    return s;
  }
  std::string mantissa = s.substr(0, e);
  std::string exponent = s.substr(e + 1);
  std::string sign;
  if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
    if (exponent[0] == '-') sign = "-";
    exponent.erase(0, 1);
  }
  const std::size_t nz = exponent.find_first_not_of('0');
  exponent = nz == std::string::npos ? "0" : exponent.substr(nz);
  return mantissa + "E" + sign + exponent;
}

template <class F>
std::string ShortestDigits(F value) {
  if (!std::isfinite(value)) throw EWriteError("The float value " + std::to_string(static_cast<double>(value)) + " cannot be written as text");
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ExponentTidy(std::string(buffer, result.ptr));
}

std::string CurrencyText(std::int64_t scaled) {
  const bool negative = scaled < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  std::string fraction = std::to_string(magnitude % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string text = (negative ? "-" : "") + std::to_string(magnitude / 10000);
  if (!fraction.empty()) text += "." + fraction;
  return text + "c";
}

std::string HexBytes(std::string_view bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

class TTextWriter {
 public:
  std::string out;

  void Object(const TFormObject& o, int level) {
    out += Indent(level);
    out += (o.Flags & ffInline) ? "inline " : (o.Flags & ffInherited) ? "inherited " : "object ";
    if (!o.Name.empty()) out += o.Name + ": ";
    out += o.ClassName;
    if (o.Position) out += " [" + std::to_string(*o.Position) + "]";
    out += kLineEnd;
    Properties(o.Properties, level + 1);
    for (const TFormObject& child : o.Children) Object(child, level + 1);
    out += Indent(level) + "end" + kLineEnd;
  }

  void Properties(const std::vector<TFormProperty>& properties, int level) {
    for (const TFormProperty& p : properties) {
      out += Indent(level) + p.Name + " = ";
      Value(p.Value, level);
      out += kLineEnd;
    }
  }

  // Writes a value that starts on the current line; continuation lines go
  // one level deeper than `level`.
  void Value(const TFormValue& v, int level) {
    switch (v.Type) {
      case vaString:
      case vaLString: return Pieces(SplitBytes(v.Str), level, [](std::string_view s) { return QuoteBytes(s); });
      case vaWString: {
        std::vector<std::u16string_view> pieces;
        std::u16string_view rest = v.Wide;
        while (rest.size() > kPiece) {
          pieces.push_back(rest.substr(0, kPiece));
          rest.remove_prefix(kPiece);
        }
        pieces.push_back(rest);
        return Pieces(pieces, level, [](std::u16string_view s) { return QuoteWide(s); });
      }
      case vaList:
        out += '(';
        for (const TFormValue& item : v.List) {
          out += kLineEnd + Indent(level + 1);
          Value(item, level + 1);
        }
        out += ')';
        return;
      case vaCollection: return Collection(v, level);
      case vaBinary: {
        out += '{';
        for (std::size_t i = 0; i < v.Str.size(); i += kHexLine)
          out += kLineEnd + Indent(level + 1) + HexBytes(std::string_view(v.Str).substr(i, kHexLine));
        out += '}';
        return;
      }
      default: out += FormValueToString(v);
    }
  }

  template <class Piece, class Quote>
  void Pieces(const std::vector<Piece>& pieces, int level, Quote quote) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      if (i != 0) out += std::string(" +") + kLineEnd + Indent(level + 1);
      out += quote(pieces[i]);
    }
  }

  void Collection(const TFormValue& v, int level) {
    out += '<';
    for (std::size_t i = 0; i < v.Items.size(); ++i) {
      const TFormItem& item = v.Items[i];
      out += kLineEnd + Indent(level + 1) + "item";
      if (item.Order) out += " [" + std::to_string(*item.Order) + "]";
      out += kLineEnd;
      Properties(item.Properties, level + 2);
      out += Indent(level + 1) + "end";
    }
    out += '>';
  }
};

}  // namespace

std::string FormValueToString(const TFormValue& v) {
  switch (v.Type) {
    case vaNull: return "Null";
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: return std::to_string(v.Int);
    case vaExtended: return ShortestDigits(formcodec::ExtendedToFloat(v.Extended));
    case vaSingle: return ShortestDigits(static_cast<float>(v.Float)) + "s";
    case vaDate: return ShortestDigits(v.Float) + "d";
    case vaCurrency: return CurrencyText(v.Int);
    case vaString:
    case vaLString: return QuoteBytes(v.Str);
    case vaWString: return QuoteWide(v.Wide);
    case vaIdent: return v.Str;
    case vaBinary: return "{" + HexBytes(v.Str) + "}";
    case vaSet: {
      std::string out = "[";
      for (std::size_t i = 0; i < v.Names.size(); ++i) out += (i ? ", " : "") + v.Names[i];
      return out + "]";
    }
    case vaList: {
      std::string out = "(";
      for (std::size_t i = 0; i < v.List.size(); ++i) out += (i ? " " : "") + FormValueToString(v.List[i]);
      return out + ")";
    }
    case vaCollection: {
      std::string out = "<";
      for (const TFormItem& item : v.Items) {
        out += " item";
        for (const TFormProperty& p : item.Properties) out += " " + p.Name + " = " + FormValueToString(p.Value);
        out += " end";
      }
      return out + (v.Items.empty() ? ">" : " >");
    }
  }
  return "?";
}

std::string FormatFormText(const TFormObject& object) {
  TTextWriter writer;
  writer.Object(object, 0);
  return std::move(writer.out);
}

}  // namespace platform

#include "pattern.h"

#include <array>
#include <string_view>
#include <vector>

namespace platform::detail {
namespace {

struct TToken {
  char16_t Letter = 0;  // 0 for literal text
  int Count = 0;
  icu::UnicodeString Literal;
};

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool IsBlank(char16_t c) { return c == u' ' || c == 0x00A0 || c == 0x202F || c == 0x2009; }

std::vector<TToken> Tokenize(const icu::UnicodeString& pattern) {
  std::vector<TToken> tokens;
  icu::UnicodeString literal;
  auto flush = [&] {
    if (!literal.isEmpty()) tokens.push_back({0, 0, literal});
    literal.remove();
  };
  bool quoted = false;
  const int length = pattern.length();
  for (int i = 0; i < length; ++i) {
    const char16_t c = pattern[i];
    if (c == u'\'') {
      if (i + 1 < length && pattern[i + 1] == u'\'') {
        literal.append(c);
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if (!quoted && IsAsciiLetter(c)) {
      flush();
      int count = 1;
      while (i + 1 < length && pattern[i + 1] == c) ++count, ++i;
      tokens.push_back({c, count, {}});
    } else {
      literal.append(c);
    }
  }
  flush();
  return tokens;
}

std::string Repeat(char c, int count) { return std::string(static_cast<std::size_t>(count), c); }

// The picture letters for one ICU field; empty for fields Windows lacks.
std::string PictureField(char16_t letter, int count) {
  switch (letter) {
    case u'G': return "gg";
    case u'y': case u'u': case u'U': case u'r': return "yyyy";
    case u'M': case u'L': return Repeat('M', count >= 4 ? 4 : count);
    case u'd': return Repeat('d', count > 2 ? 2 : count);
    case u'E': return count == 4 ? "dddd" : "ddd";
    case u'c': case u'e': return count < 3 ? "" : count == 4 ? "dddd" : "ddd";
    case u'h': case u'K': return Repeat('h', count > 2 ? 2 : count);
    case u'H': case u'k': return Repeat('H', count > 2 ? 2 : count);
    case u'm': return Repeat('m', count > 2 ? 2 : count);
    case u's': return Repeat('s', count > 2 ? 2 : count);
    case u'a': case u'b': case u'B': return "tt";
    default: return "";
  }
}

// Literal text for a picture: narrow no-break spaces become blanks, bidi
// marks go, and runs the formatting routines could misread are quoted.
std::string PictureLiteral(const icu::UnicodeString& text) {
  icu::UnicodeString cleaned;
  for (int i = 0; i < text.length(); ++i) {
    const char16_t c = text[i];
    if (IsBidiMark(c)) continue;
    cleaned.append(c == 0x202F ? char16_t(u' ') : c);
  }
  std::string utf8;
  cleaned.toUTF8String(utf8);
  bool needsQuotes = false;
  for (unsigned char c : utf8)
    if (c >= 0x80 || IsAsciiLetter(c) || c == '\'' || c == '"') needsQuotes = true;
  if (!needsQuotes) return utf8;
  const char quote = utf8.find('\'') == std::string::npos ? '\'' : '"';
  std::string quotedText(1, quote);
  for (char c : utf8)
    if (c != quote) quotedText += c;
  return quotedText + quote;
}

std::string Trim(const icu::UnicodeString& text) {
  int begin = 0, end = text.length();
  while (begin < end && (IsBlank(text[begin]) || IsBidiMark(text[begin]))) ++begin;
  while (end > begin && (IsBlank(text[end - 1]) || IsBidiMark(text[end - 1]))) --end;
  icu::UnicodeString inner;
  for (int i = begin; i < end; ++i)
    if (!IsBidiMark(text[i])) inner.append(text[i]);
  std::string utf8;
  return inner.toUTF8String(utf8);
}

bool IsIn(char16_t letter, std::u16string_view set) {
  return letter != 0 && set.find(letter) != std::u16string_view::npos;
}

}  // namespace

bool IsBidiMark(char16_t c) { return c == 0x200E || c == 0x200F || c == 0x061C; }

std::string PictureFromIcuPattern(const icu::UnicodeString& pattern) {
  std::string picture;
  for (const TToken& token : Tokenize(pattern))
    picture += token.Letter ? PictureField(token.Letter, token.Count) : PictureLiteral(token.Literal);
  const auto begin = picture.find_first_not_of(' ');
  if (begin == std::string::npos) return "";
  return picture.substr(begin, picture.find_last_not_of(' ') - begin + 1);
}

std::string LiteralAfterField(const icu::UnicodeString& pattern, std::u16string_view fields) {
  const std::vector<TToken> tokens = Tokenize(pattern);
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (!IsIn(tokens[i].Letter, fields)) continue;
    if (i + 1 < tokens.size() && tokens[i + 1].Letter == 0) return Trim(tokens[i + 1].Literal);
    return "";
  }
  return "";
}

std::string TimeSeparatorOf(const icu::UnicodeString& pattern) {
  const std::vector<TToken> tokens = Tokenize(pattern);
  std::string separator;
  std::size_t last = tokens.size();  // the clock field before, none yet
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (!IsIn(tokens[i].Letter, u"HhKkms")) continue;
    if (last < tokens.size()) {
      const std::string between = i == last + 2 && tokens[last + 1].Letter == 0 ? Trim(tokens[last + 1].Literal) : "";
      if (between.empty() || (!separator.empty() && between != separator)) return ":";
      separator = between;
    }
    last = i;
  }
  return separator.empty() ? ":" : separator;
}

char16_t FirstField(const icu::UnicodeString& pattern, std::u16string_view fields) {
  for (const TToken& token : Tokenize(pattern))
    if (IsIn(token.Letter, fields)) return token.Letter;
  return 0;
}

bool FieldComesBefore(const icu::UnicodeString& pattern, std::u16string_view first,
                      std::u16string_view second) {
  for (const TToken& token : Tokenize(pattern)) {
    if (IsIn(token.Letter, first)) return true;
    if (IsIn(token.Letter, second)) return false;
  }
  return false;
}

bool HasLeadingZero(const icu::UnicodeString& decimalPattern) {
  const int point = decimalPattern.indexOf(u'.');
  if (point < 0) return decimalPattern.indexOf(u'0') >= 0;
  return point > 0 && decimalPattern[point - 1] == u'0';
}

namespace {

// The pattern reduced to S (symbol), N (number), "-", "(", ")" and blanks.
std::string CurrencyShape(const icu::UnicodeString& subpattern) {
  std::string shape;
  auto add = [&shape](char c) {
    if ((c == 'S' || c == 'N' || c == ' ') && !shape.empty() && shape.back() == c) return;
    shape += c;
  };
  for (int i = 0; i < subpattern.length(); ++i) {
    const char16_t c = subpattern[i];
    if (c == 0x00A4) add('S');
    else if (c == u'#' || c == u',' || c == u'.' || c == u'@' || (c >= u'0' && c <= u'9')) add('N');
    else if (c == u'-' || c == u'(' || c == u')') add(static_cast<char>(c));
    else if (IsBlank(c)) add(' ');
  }
  const auto begin = shape.find_first_not_of(' ');
  if (begin == std::string::npos) return "";
  return shape.substr(begin, shape.find_last_not_of(' ') - begin + 1);
}

constexpr std::array<std::string_view, 16> kNegativeShapes = {
    "(SN)", "-SN",  "S-N",  "SN-",  "(NS)", "-NS",  "N-S",   "NS-",
    "-N S", "-S N", "N S-", "S N-", "S -N", "N- S", "(S N)", "(N S)"};

}  // namespace

TCurrencyCodes CurrencyCodesFromPattern(const icu::UnicodeString& pattern) {
  const int split = pattern.indexOf(u';');
  const icu::UnicodeString positive = split < 0 ? pattern : pattern.tempSubString(0, split);
  const std::string shape = CurrencyShape(positive);
  const auto symbol = shape.find('S'), number = shape.find('N');
  TCurrencyCodes codes;
  if (symbol != std::string::npos && number != std::string::npos) {
    const bool symbolFirst = symbol < number;
    const bool spaced = shape.find(' ', std::min(symbol, number)) < std::max(symbol, number);
    codes.Positive = (symbolFirst ? 0 : 1) + (spaced ? 2 : 0);
  }
  const std::string negative =
      split < 0 ? "-" + shape : CurrencyShape(pattern.tempSubString(split + 1));
  constexpr std::array<int, 4> kPlainMinus = {1, 5, 9, 8};  // -SN, -NS, -S N, -N S
  codes.Negative = kPlainMinus[static_cast<std::size_t>(codes.Positive)];
  for (std::size_t i = 0; i < kNegativeShapes.size(); ++i)
    if (kNegativeShapes[i] == negative) codes.Negative = static_cast<int>(i);
  return codes;
}

TCurrencyCodes WithBlankBesideSymbol(TCurrencyCodes codes) {
  // Negative shapes where symbol and number touch, and their spaced forms;
  // "S-N" and "N-S" keep the minus between them.
  constexpr std::array<std::pair<int, int>, 6> kSpaced = {{{0, 14}, {1, 9}, {3, 11}, {4, 15}, {5, 8}, {7, 10}}};
  if (codes.Positive < 2) codes.Positive += 2;
  for (const auto& [touching, spaced] : kSpaced)
    if (codes.Negative == touching) {
      codes.Negative = spaced;
      break;
    }
  return codes;
}

}  // namespace platform::detail

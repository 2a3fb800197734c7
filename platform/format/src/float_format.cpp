#include <algorithm>
#include <cmath>
#include <vector>

#include "float_decimal.h"
#include "platform/format/float_format.h"
#include "platform/format/format_settings.h"

namespace platform {
namespace {

using detail::TDecimal;

// One section of a number picture, read once.
struct TSection {
  struct TPart {
    enum TKind { Literal, IntegerPlace, Point, FractionPlace, Exponent } Kind;
    std::string Text;  // Literal: the text; Exponent: letter and sign
    int Count = 0;     // Exponent: least number of digits
  };
  std::vector<TPart> Parts;
  int IntegerPlaces = 0, MinIntegerDigits = 0;
  int FractionPlaces = 0, MinFractionDigits = 0;
  bool Groups = false;
  bool Scientific = false;
};

std::vector<std::string_view> SplitSections(std::string_view picture) {
  std::vector<std::string_view> sections;
  std::size_t start = 0;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    if (picture[i] == '\'' || picture[i] == '"') {
      i = std::min(picture.find(picture[i], i + 1), picture.size());
    } else if (picture[i] == ';' && sections.size() < 2) {
      sections.push_back(picture.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(picture.substr(start));
  return sections;
}

TSection ReadSection(std::string_view text) {
  TSection section;
  bool afterPoint = false;
  auto literal = [&section](std::string_view piece) {
    if (section.Parts.empty() || section.Parts.back().Kind != TSection::TPart::Literal)
      section.Parts.push_back({TSection::TPart::Literal, "", 0});
    section.Parts.back().Text.append(piece);
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'' || c == '"') {
      const std::size_t close = std::min(text.find(c, i + 1), text.size());
      literal(text.substr(i + 1, close - i - 1));
      i = close;
    } else if ((c == '0' || c == '#') && !section.Scientific) {
      if (afterPoint) {
        ++section.FractionPlaces;
        if (c == '0') section.MinFractionDigits = section.FractionPlaces;
        section.Parts.push_back({TSection::TPart::FractionPlace, "", 0});
      } else {
        ++section.IntegerPlaces;
        section.Parts.push_back({TSection::TPart::IntegerPlace, std::string(1, c), 0});
      }
    } else if (c == '.' && !afterPoint && !section.Scientific) {
      afterPoint = true;
      section.Parts.push_back({TSection::TPart::Point, "", 0});
    } else if (c == ',' && !section.Scientific) {
      section.Groups = true;
    } else if ((c == 'E' || c == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-') &&
               !section.Scientific) {
      int zeros = 0;
      std::size_t j = i + 2;
      for (; j < text.size() && text[j] == '0'; ++j) ++zeros;
      section.Parts.push_back({TSection::TPart::Exponent, std::string(text.substr(i, 2)), std::min(zeros, 4)});
      section.Scientific = true;
      i = j - 1;
    } else {
      literal(text.substr(i, 1));
    }
  }
  // Integer digits are forced from the first 0 place onwards.
  int place = 0;
  for (const auto& part : section.Parts) {
    if (part.Kind != TSection::TPart::IntegerPlace) continue;
    if (part.Text == "0") {
      section.MinIntegerDigits = section.IntegerPlaces - place;
      break;
    }
    ++place;
  }
  return section;
}

class TNumberWriter {
 public:
  TNumberWriter(const TSection& section, const TFormatSettings& settings) : section_(section), settings_(settings) {}

  // The decimal form of |value| as this section will show it.
  TDecimal Rounded(double value) const {
    TDecimal decimal = detail::ToDecimal(std::fabs(value));
    if (section_.Scientific)
      return detail::RoundSignificant(decimal, std::max(section_.IntegerPlaces, 1) + section_.FractionPlaces);
    return detail::RoundDecimals(decimal, section_.FractionPlaces);
  }

  std::string Write(const TDecimal& decimal) {
    int exponent = 0;
    if (section_.Scientific) {
      const int places = std::max(section_.IntegerPlaces, 1);
      exponent = decimal.IsZero() ? 0 : decimal.Exponent - places;
      std::string digits = decimal.IsZero() ? "0" : decimal.Digits;
      digits.resize(static_cast<std::size_t>(places + section_.FractionPlaces), '0');
      integer_ = digits.substr(0, static_cast<std::size_t>(places));
      fraction_ = digits.substr(static_cast<std::size_t>(places));
    } else {
      integer_ = decimal.IntegerPart();
      fraction_ = decimal.FractionPart(section_.FractionPlaces);
    }
    if (static_cast<int>(integer_.size()) < section_.MinIntegerDigits)
      integer_.insert(0, static_cast<std::size_t>(section_.MinIntegerDigits) - integer_.size(), '0');
    const std::size_t keep = fraction_.find_last_not_of('0');
    fraction_.resize(std::max<std::size_t>(keep == std::string::npos ? 0 : keep + 1,
                                           static_cast<std::size_t>(section_.MinFractionDigits)));
    WriteParts(exponent);
    return std::move(out_);
  }

 private:
  void WriteParts(int exponent) {
    int integerPlace = 0, fractionPlace = 0;
    bool integerWritten = false;
    for (const auto& part : section_.Parts) {
      switch (part.Kind) {
        case TSection::TPart::Literal: out_ += part.Text; break;
        case TSection::TPart::IntegerPlace: WriteIntegerPlace(integerPlace++); integerWritten = true; break;
        case TSection::TPart::Point:
          if (!integerWritten) WriteAllInteger();
          integerWritten = true;
          if (!fraction_.empty()) out_ += settings_.DecimalSeparator;
          break;
        case TSection::TPart::FractionPlace:
          if (fractionPlace < static_cast<int>(fraction_.size())) out_ += fraction_[static_cast<std::size_t>(fractionPlace)];
          ++fractionPlace;
          break;
        case TSection::TPart::Exponent: WriteExponent(part, exponent); break;
      }
    }
  }

  // Place k of n shows digit k - n + length; the first place also shows every
  // digit the picture has no place for.
  void WriteIntegerPlace(int place) {
    const int length = static_cast<int>(integer_.size());
    const int last = place - section_.IntegerPlaces + length;
    for (int digit = place == 0 ? 0 : last; digit <= last; ++digit)
      if (digit >= 0) WriteIntegerDigit(digit);
  }

  void WriteAllInteger() {
    for (int digit = 0; digit < static_cast<int>(integer_.size()); ++digit) WriteIntegerDigit(digit);
  }

  void WriteIntegerDigit(int digit) {
    out_ += integer_[static_cast<std::size_t>(digit)];
    const int fromRight = static_cast<int>(integer_.size()) - 1 - digit;
    if (section_.Groups && fromRight > 0 && fromRight % 3 == 0) out_ += settings_.ThousandSeparator;
  }

  void WriteExponent(const TSection::TPart& part, int exponent) {
    out_ += part.Text[0];
    if (exponent < 0) out_ += '-';
    else if (part.Text[1] == '+') out_ += '+';
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < part.Count) digits.insert(0, static_cast<std::size_t>(part.Count) - digits.size(), '0');
    out_ += digits;
  }

  const TSection& section_;
  const TFormatSettings& settings_;
  std::string integer_, fraction_, out_;
};

}  // namespace

std::string FormatFloat(std::string_view picture, double value, const TFormatSettings& settings) {
  if (picture.empty() || !std::isfinite(value)) return FloatToStr(value, settings);
  const std::vector<std::string_view> texts = SplitSections(picture);
  std::vector<TSection> sections;
  for (std::string_view text : texts) sections.push_back(ReadSection(text));
  const TSection& first = sections[0];
  const TDecimal rounded = TNumberWriter(first, settings).Rounded(value);
  if (rounded.IsZero() && sections.size() == 3 && !texts[2].empty())
    return TNumberWriter(sections[2], settings).Write(TNumberWriter(sections[2], settings).Rounded(0));
  if (value < 0 && sections.size() >= 2 && !texts[1].empty()) {
    TNumberWriter writer(sections[1], settings);
    return writer.Write(writer.Rounded(value));
  }
  const std::string text = TNumberWriter(first, settings).Write(rounded);
  return value < 0 && !rounded.IsZero() ? detail::WithMinus(text) : text;
}

std::string FormatFloat(std::string_view picture, double value) {
  return FormatFloat(picture, value, FormatSettings());
}

}  // namespace platform

#pragma once
// Readings of ICU date, time and number patterns in Windows terms.
#include <unicode/unistr.h>

#include <string>
#include <string_view>

namespace platform::detail {

// A date or time pattern as a Windows picture (UTF-8): "EEEE, MMMM d, y"
// gives "dddd, MMMM d, yyyy". Literal runs that hold letters or non-ASCII
// text are quoted; time zones and other fields without a picture letter are
// dropped.
std::string PictureFromIcuPattern(const icu::UnicodeString& pattern);

// The literal text after the first field whose letter is in `fields`, up to
// the next field: unquoted, without bidi marks, trimmed (UTF-8).
std::string LiteralAfterField(const icu::UnicodeString& pattern, std::u16string_view fields);

// The time separator of a time pattern: the literal between its hour,
// minute and second fields when it is the same between each two, else ":"
// ("HH 'h' mm 'min' ss 's'" has none).
std::string TimeSeparatorOf(const icu::UnicodeString& pattern);

// The letter of the first field whose letter is in `fields`, or 0.
char16_t FirstField(const icu::UnicodeString& pattern, std::u16string_view fields);

// Whether a field of `first` stands before every field of `second`.
bool FieldComesBefore(const icu::UnicodeString& pattern, std::u16string_view first,
                      std::u16string_view second);

// Whether the decimal pattern puts a 0 just before the decimal point.
bool HasLeadingZero(const icu::UnicodeString& decimalPattern);

// ICURRENCY (0-3) and INEGCURR (0-15) of a currency pattern.
struct TCurrencyCodes {
  int Positive = 0;
  int Negative = 0;
};
TCurrencyCodes CurrencyCodesFromPattern(const icu::UnicodeString& pattern);
// The codes with a blank between symbol and number wherever they touch.
TCurrencyCodes WithBlankBesideSymbol(TCurrencyCodes codes);

bool IsBidiMark(char16_t c);

}  // namespace platform::detail

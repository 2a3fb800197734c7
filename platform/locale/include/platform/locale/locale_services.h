#pragma once
// The national-language services the component calls, with the contracts of
// their Windows ANSI namesakes. Answers come from the installed locale
// provider (locale_provider.h); by default that is the ICU-backed one.
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

using DWORD = std::uint32_t;
using BOOL = int;
using LCID = std::uint32_t;
using LCTYPE = std::uint32_t;
using LOCALE_ENUMPROCA = BOOL (*)(char* localeText);

// Reserved identifiers that stand for the defaults.
inline constexpr LCID LOCALE_NEUTRAL = 0x0000;
inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
inline constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
// The locale used when the environment names none or one we cannot map.
inline constexpr LCID LOCALE_FALLBACK_LCID = 0x0409;

inline constexpr LCTYPE LOCALE_SNATIVELANGNAME = 4;
inline constexpr LCTYPE LOCALE_SNATIVECTRYNAME = 8;
inline constexpr LCTYPE LOCALE_SLIST = 12;
inline constexpr LCTYPE LOCALE_SDECIMAL = 14;
inline constexpr LCTYPE LOCALE_STHOUSAND = 15;
inline constexpr LCTYPE LOCALE_ILZERO = 18;
inline constexpr LCTYPE LOCALE_SCURRENCY = 20;
inline constexpr LCTYPE LOCALE_ICURRDIGITS = 25;
inline constexpr LCTYPE LOCALE_ICURRENCY = 27;
inline constexpr LCTYPE LOCALE_INEGCURR = 28;
inline constexpr LCTYPE LOCALE_SDATE = 29;
inline constexpr LCTYPE LOCALE_STIME = 30;
inline constexpr LCTYPE LOCALE_SSHORTDATE = 31;
inline constexpr LCTYPE LOCALE_SLONGDATE = 32;
inline constexpr LCTYPE LOCALE_ITIME = 35;
inline constexpr LCTYPE LOCALE_S1159 = 40;
inline constexpr LCTYPE LOCALE_S2359 = 41;
inline constexpr LCTYPE LOCALE_SDAYNAME1 = 42;         // Monday .. SDAYNAME7 = 48, Sunday
inline constexpr LCTYPE LOCALE_SABBREVDAYNAME1 = 49;   // .. 55
inline constexpr LCTYPE LOCALE_SMONTHNAME1 = 56;       // January .. 67
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME1 = 68; // .. 79
inline constexpr LCTYPE LOCALE_SENGLANGUAGE = 0x1001;
inline constexpr LCTYPE LOCALE_SENGCOUNTRY = 0x1002;
inline constexpr LCTYPE LOCALE_STIMEFORMAT = 0x1003;
inline constexpr LCTYPE LOCALE_ITIMEMARKPOSN = 0x1005;
// This system's own: the locale's name of the era of the common years, as a
// date writes it ("AD", "n. Chr.").
inline constexpr LCTYPE LOCALE_SERANAME = 0x7001;
// Or-ed into a day or month name type (SDAYNAME1 .. SABBREVMONTHNAME12):
// the name as it stands inside a date, where the plain type gives it as it
// stands alone - the genitive "января" for "январь", "sestdiena" for
// "Sestdiena". Where a language has one form the answers are equal. Any
// other type with this flag fails.
inline constexpr LCTYPE LOCALE_RETURN_GENITIVE_NAMES = 0x10000000u;
// Flags that may be or-ed into an LCTYPE; both are accepted and ignored
// (there are no user overrides, and answers are always UTF-8).
inline constexpr LCTYPE LOCALE_NOUSEROVERRIDE = 0x80000000u;
inline constexpr LCTYPE LOCALE_USE_CP_ACP = 0x40000000u;

inline constexpr DWORD LCID_INSTALLED = 1;
inline constexpr DWORD LCID_SUPPORTED = 2;
inline constexpr DWORD LCID_ALTERNATE_SORTS = 4;

// Copies the answer and its terminating zero into `data` and returns the
// number of bytes written. With `size` 0 it only returns the number of bytes
// the answer needs. Returns 0 - leaving `data` untouched - for an unknown
// locale or LCTYPE, a null `data` with a non-zero size, a negative size, or a
// buffer too small for the answer and its zero. Text is UTF-8; the
// single-character settings (SLIST, SDECIMAL, STHOUSAND, SDATE, STIME) are
// always one byte.
int GetLocaleInfoA(LCID locale, LCTYPE type, char* data, int size);
// The answer GetLocaleInfoA copies, without the copy (nullopt where it would
// fail for want of the locale or the type). The text stays valid while the
// provider in use lives.
std::optional<std::string_view> LocaleInfoView(LCID locale, LCTYPE type);

LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();
// The locale an identifier stands for: LOCALE_NEUTRAL and LOCALE_USER_DEFAULT
// the user's default, LOCALE_SYSTEM_DEFAULT the system's, any other itself.
LCID ResolveDefaultLCID(LCID locale);

// The calling thread's locale; the user's default until SetThreadLocale is
// called on that thread. Never touches the C library's locale. Returns 0 and
// changes nothing for a locale the provider does not know.
BOOL SetThreadLocale(LCID locale);
LCID GetThreadLocale();

// Calls `callback` synchronously with every supported LCID, ascending, each
// once, as 8 upper-case hexadecimal digits; stops when it returns 0. `flags`
// must contain LCID_INSTALLED or LCID_SUPPORTED (alternate sorts are not
// listed). Returns 0 for a null callback or bad flags, else non-zero.
BOOL EnumSystemLocalesA(LOCALE_ENUMPROCA callback, DWORD flags);

}  // namespace platform

// Default locales from the POSIX environment and the system locale files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/locale/icu/icu_provider.h"
#include "platform/locale/locale_provider.h"

using namespace platform;

namespace {

// Sets (or, with nullopt, removes) an environment variable for one scope.
class TEnvironmentVariable {
 public:
  TEnvironmentVariable(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) previous_ = old;
    value ? setenv(name, value->c_str(), 1) : unsetenv(name);
  }
  ~TEnvironmentVariable() { previous_ ? setenv(name_, previous_->c_str(), 1) : unsetenv(name_); }
  TEnvironmentVariable(const TEnvironmentVariable&) = delete;
  TEnvironmentVariable& operator=(const TEnvironmentVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> previous_;
};

struct TLocaleEnvironment {
  TEnvironmentVariable All, Time, Lang;
  TLocaleEnvironment(std::optional<std::string> all, std::optional<std::string> time, std::optional<std::string> lang)
      : All("LC_ALL", std::move(all)), Time("LC_TIME", std::move(time)), Lang("LANG", std::move(lang)) {}
};

class TTemporaryFile {
 public:
  explicit TTemporaryFile(const std::string& content)
      : path_(std::filesystem::temp_directory_path() /
              ("lxv_locale_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".conf")) {
    std::ofstream(path_) << content;
  }
  ~TTemporaryFile() { std::filesystem::remove(path_); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace

TEST(PosixLocaleName, MapsLanguageCountryCodesetAndModifier) {
  EXPECT_EQ(LCIDFromPosixLocaleName("de_DE.UTF-8@euro"), 0x0407u);
  EXPECT_EQ(LCIDFromPosixLocaleName("en_US.UTF-8"), 0x0409u);
  EXPECT_EQ(LCIDFromPosixLocaleName("fr_CA"), 0x0C0Cu);
  EXPECT_EQ(LCIDFromPosixLocaleName("de_CH.ISO-8859-1"), 0x0807u);
  EXPECT_EQ(LCIDFromPosixLocaleName("ja"), 0x0411u) << "a language alone takes its likely country";
  EXPECT_EQ(LCIDFromPosixLocaleName("sr_RS@latin"), 0x241Au);
  EXPECT_NE(LCIDFromPosixLocaleName("sr_RS@latin"), LCIDFromPosixLocaleName("sr_RS"));
}

TEST(PosixLocaleName, CPosixMalformedAndUnmappedFallBackToUsEnglish) {
  for (const char* name : {"", "C", "POSIX", "C.UTF-8", "x", "de-DE", "de_DEU", "12_34", "de_D3", "@", "_", ".",
                           "zz_ZZ", "tlh_QO", "de_DE\xff", "a_very_long_and_wrong_locale_name"})
    EXPECT_EQ(LCIDFromPosixLocaleName(name), LOCALE_FALLBACK_LCID) << "'" << name << "'";
}

TEST(UserDefaultLCID, TakesLcAllThenLcTimeThenLang) {
  TIcuLocaleProvider provider;
  {
    TLocaleEnvironment env("fr_FR.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8");
    EXPECT_EQ(provider.UserDefaultLCID(), 0x040Cu);
  }
  {
    TLocaleEnvironment env(std::nullopt, "de_DE.UTF-8", "ja_JP.UTF-8");
    EXPECT_EQ(provider.UserDefaultLCID(), 0x0407u);
  }
  {
    TLocaleEnvironment env("", "", "ja_JP.UTF-8");
    EXPECT_EQ(provider.UserDefaultLCID(), 0x0411u) << "empty variables count as unset";
  }
  {
    TLocaleEnvironment env(std::nullopt, std::nullopt, std::nullopt);
    EXPECT_EQ(provider.UserDefaultLCID(), 0x0409u);
  }
  {
    // The first variable that is set decides, even when it is bad.
    TLocaleEnvironment env("garbage!", "de_DE.UTF-8", std::nullopt);
    EXPECT_EQ(provider.UserDefaultLCID(), 0x0409u);
  }
}

TEST(UserDefaultLCID, ServicesFollowTheEnvironmentThroughTheDefaultProvider) {
  TLocaleProviderGuard guard(DefaultLocaleProvider());
  TLocaleEnvironment env(std::nullopt, std::nullopt, "sv_SE.UTF-8");
  EXPECT_EQ(GetUserDefaultLCID(), 0x041Du);
  char buffer[64];
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SNATIVELANGNAME, buffer, 64), 0);
  EXPECT_STREQ(buffer, "svenska");
}

TEST(SystemDefaultLCID, ReadsTheFirstFileThatNamesALocaleElseTheUsers) {
  TLocaleEnvironment env(std::nullopt, std::nullopt, "ja_JP.UTF-8");
  const TTemporaryFile debian("# generated\nLANG=\"de_CH.UTF-8\"\nLC_TIME=fr_FR.UTF-8\n");
  const TTemporaryFile systemd("export LANG=nl_NL.UTF-8\n");
  const TTemporaryFile empty("# nothing here\n\n");
  EXPECT_EQ(TIcuLocaleProvider({debian.Path(), systemd.Path()}).SystemDefaultLCID(), 0x040Cu) << "LC_TIME beats LANG";
  EXPECT_EQ(TIcuLocaleProvider({empty.Path(), systemd.Path()}).SystemDefaultLCID(), 0x0413u);
  EXPECT_EQ(TIcuLocaleProvider({empty.Path(), "/nonexistent/locale"}).SystemDefaultLCID(), 0x0411u);
  const TTemporaryFile posix("LANG=C.UTF-8\n");
  EXPECT_EQ(TIcuLocaleProvider({posix.Path()}).SystemDefaultLCID(), 0x0409u);
}

// TLexivar: published properties, life cycle, the "Storage" property and the
// Translate switch shared with peers.
#include "Lxv/Lexivar.h"

#include "Lxv/Catalogue.h"
#include "Lxv/ComponentWalk.h"
#include "Lxv/LocaleDesignator.h"
#include "platform/base/files.h"
#include "platform/classes/filer.h"
#include "platform/classes/reader.h"
#include "platform/classes/writer.h"
#include "platform/design/tool_services.h"
#include "platform/forms/application.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"

namespace Lxv {

using namespace platform;

TClass TLexivar::StaticClass() {
  // No property declares a default, so every stored one is written.
  static const TClassInfo info = TClassBuilder<TLexivar>("TLexivar")
      .Property("About", &TLexivar::About, &TLexivar::SetAbout).Stored(false)
      .Property("AdoptOn", &TLexivar::AdoptOn, &TLexivar::SetAdoptOn)
      .Property("DesignLocale", &TLexivar::DesignLocale, &TLexivar::SetDesignLocale)
      .Property("FileName", &TLexivar::FileName, &TLexivar::SetFileName)
      .Property("ListFormat", &TLexivar::ListFormat, &TLexivar::SetListFormat)
      .Property("Locale", &TLexivar::Locale, &TLexivar::SetLocale)
      .Property("StartupLocale", &TLexivar::StartupLocale, &TLexivar::SetStartupLocale)
      .Property("Translate", &TLexivar::Translate, &TLexivar::SetTranslate)
      .Property("Translations", &TLexivar::Translations, &TLexivar::SetTranslations)
          .Stored(&TLexivar::StoreTranslationsInForm)
      .Event("OnTranslate", &TLexivar::OnTranslate)
      .Event("OnTranslated", &TLexivar::OnTranslated)
      .Build();
  return &info;
}

namespace {
const bool kRegistered = (RegisterClass(TLexivar::StaticClass()), true);
}  // namespace

TLexivar::TLexivar(TComponent* owner)
    : TComponent(owner), translations_(new TSortList), localeList_(new TSortList) {
  (void)kRegistered;
  listFormat_ = "%0:s, %1:s";
  translate_ = true;
  currentLocale_ = GetUserDefaultLCID();
  AddOrgProps(currentLocale_, *translations_);
  UpdateLangList();
  // The catalogue always holds the name lines, so the list has an entry.
  designLocale_ = localeList_->Count() > 0
                      ? MakeLocaleDesignator(localeList_->Strings(0),
                                             static_cast<LCID>(IntFromObject(localeList_->Objects(0))))
                      : UserDefaultDesignator();
  startupLocale_ = UserDefaultDesignator();
}

TLexivar::~TLexivar() { ReleaseAdopted(); }

void TLexivar::AddOrgProps(LCID lcid, TSortList& list) const { AddCatalogue(lcid, list); }

void TLexivar::Loaded() {
  inherited::Loaded();
  // A form written elsewhere may lack "Storage"; the file is merged all the same.
  if (!storageRead_) MergeTranslationFile();
  storageRead_ = false;
  if (locale_ != 0) {
    // Take the switch of the first peer found.
    ForEachFormComponent([this](TComponent* c) {
      auto* peer = DynCast<TLexivar>(c);
      if (peer == nullptr || peer == this || peer->locale_ != locale_) return false;
      SetTranslate(peer->translate_);
      return true;
    });
  }
  LCID startup = DesignatorLCID(startupLocale_);
  if (startup == LOCALE_USER_DEFAULT) startup = GetUserDefaultLCID();
  else if (startup == LOCALE_SYSTEM_DEFAULT) startup = GetSystemDefaultLCID();
  if (!TranslateLocale(startup)) TranslateLocale(DesignatorLCID(designLocale_));
}

void TLexivar::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove || component == this || component != adoptOn_) return;
  // Asked for with FreeNotification, so this comes for an adopted control of
  // any owner, named or not.
  if (HasState(csDestroying)) adoptOn_ = nullptr;
  else SetAdoptOn(nullptr);
}

void TLexivar::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      "Storage", [this](TReader& reader) { ReadStorage(reader); }, [this](TWriter& writer) { WriteStorage(writer); },
      true);
}

// The integer carries nothing; reading it merges the translation file.
void TLexivar::ReadStorage(TReader& reader) {
  reader.ReadInteger();
  storageRead_ = true;
  MergeTranslationFile();
}

// The file FileName names, found relative to the current directory first,
// then in the application directory. A file found in neither place is no
// error.
void TLexivar::MergeTranslationFile() {
  if (fileName_.empty()) return;
  if (FileExists(fileName_)) {
    LoadFrom(fileName_);
    return;
  }
  const std::string inAppDir = GetAppDir() + fileName_;
  if (FileExists(inAppDir)) LoadFrom(inAppDir);
}

// Writing it saves the table to the translation file: a name with a directory
// part as it stands, a bare name in the application directory.
void TLexivar::WriteStorage(TWriter& writer) {
  writer.WriteInteger(0);
  if (fileName_.find(PathDelim) != std::string::npos) SaveTo(fileName_);
  else if (!fileName_.empty()) SaveTo(GetAppDir() + fileName_);
}

std::string TLexivar::GetAppDir() const {
  // Outside a design environment there are no tool services; the executable's
  // directory is the only one there is then.
  if (HasState(csDesigning))
    if (TToolServices* tools = ToolServices()) return ExtractFilePath(tools->GetProjectName());
  return ExtractFilePath(Application().ExeName());
}

void TLexivar::SetTranslate(bool value) {
  if (value == translate_) return;
  InternalTranslate(value);
  if (locale_ == 0) return;
  // Peers get the flag only: nothing spreads further, nothing is applied.
  ForEachFormComponent([this, value](TComponent* c) {
    auto* peer = DynCast<TLexivar>(c);
    if (peer != nullptr && peer != this && peer->locale_ == locale_) peer->InternalTranslate(value);
    return false;
  });
}

void TLexivar::SetTranslations(TStrings* value) {
  if (value == translations_.get()) return;  // clearing first would lose the source
  TStringsUpdate update(*translations_);
  translations_->Clear();
  if (value == nullptr) return;
  for (int i = 0; i < value->Count(); ++i) translations_->SortInsert(value->Strings(i), value->Objects(i));
}

void TLexivar::SetDesignLocale(const std::string& value) {
  if (value == designLocale_ || !IsValidLocaleDesignator(value)) return;
  designLocale_ = value;
  if (!HasState(csDesigning)) return;
  currentLocale_ = DesignatorLCID(value);
  UpdateLanguageSelection();
}

void TLexivar::SetStartupLocale(const std::string& value) {
  if (value == startupLocale_ || !IsValidLocaleDesignator(value)) return;
  startupLocale_ = value;
}

}  // namespace Lxv

#include "form_tables.h"

#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "Lxv/Lexivar.h"
#include "Lxv/TableLine.h"
#include "Lxv/TranslationFile.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/classes/reader.h"
#include "platform/classes/writer.h"
#include "platform/form_files/form_text.h"
#include "platform/rtti/class_info.h"
#include "platform/rtti/class_registry.h"
#include "platform/streaming/streams.h"

namespace lxvtrans {

using namespace platform;

namespace {

struct TFormFile {
  TFormFormat Format = TFormFormat::Text;
  std::string ResourceName;  // of a form with a resource header
  TFormObject Document;
};

TFormFile ReadFormFile(const std::string& fileName) {
  const std::string content = ReadFileBytes(fileName, kMaxFormFileBytes);
  TFormFile form;
  TFormContent decoded;
  try {
    decoded = FormContentToDocument(content);
  } catch (const Exception& e) {
    throw EReadError("Form file \"" + fileName + "\": " + e.Message());
  }
  form.Format = decoded.Format;
  form.Document = std::move(decoded.Document);
  if (form.Format == TFormFormat::Resource) StripResourceHeader(content, &form.ResourceName);
  return form;
}

void WriteFormFile(const std::string& fileName, const TFormFile& form) {
  if (form.Format == TFormFormat::Text) {
    WriteFileAtomically(fileName, FormatFormText(form.Document));
    return;
  }
  const std::string binary = EncodeBinaryForm(form.Document);
  if (form.Format == TFormFormat::Binary) WriteFileAtomically(fileName, binary);
  else WriteFileAtomically(fileName, ResourceHeader(form.ResourceName, static_cast<std::uint32_t>(binary.size())) + binary);
}

TFormProperty* FindProperty(TFormObject& object, std::string_view name) {
  for (TFormProperty& prop : object.Properties)
    if (SameText(prop.Name, name)) return &prop;
  return nullptr;
}

bool NamesAFile(TFormObject& object) {
  const TFormProperty* fileName = FindProperty(object, "FileName");
  return fileName != nullptr && !(fileName->Value.Str.empty() && fileName->Value.Wide.empty());
}

// A TLexivar in the form and the name of the component that owns it: the
// form, or the inline frame it sits in.
struct TFound {
  TFormObject* Object;
  const TFormObject* Owner;
};

void FindLexivars(TFormObject& object, const TFormObject& owner, std::vector<TFound>& found) {
  for (TFormObject& child : object.Children) {
    const TClass cls = GetClass(child.ClassName);
    if (cls != nullptr && cls->InheritsFrom(Lxv::TLexivar::StaticClass())) found.push_back({&child, &owner});
    FindLexivars(child, (child.Flags & ffInline) != 0 ? child : owner, found);
  }
}

// Stands in for the owner: it carries the name the component's file
// operations use (an owner without a name goes by its class name).
class TOwnerStandIn : public TComponent {
 public:
  explicit TOwnerStandIn(const TFormObject& owner) : TComponent(nullptr) {
    SetName(owner.Name.empty() ? owner.ClassName.substr(1) : owner.Name);
  }
};

// The component read from its part of the form, owned by `owner`. Component
// references and event handlers lead to the rest of the form, which is not
// read, so they are left out; everything else goes through the reader.
Lxv::TLexivar* ReadLexivar(const TFormObject& object, TComponent& owner) {
  TFormObject alone = object;
  alone.Children.clear();
  const TClass cls = GetClass(object.ClassName);
  std::erase_if(alone.Properties, [cls](const TFormProperty& prop) {
    const TPropInfo* info = cls->FindProperty(prop.Name);
    return info != nullptr && (info->Kind == TTypeKind::Component || info->Kind == TTypeKind::Method);
  });
  TMemoryStream stream(EncodeBinaryForm(alone));
  TReader reader(stream);
  return DynCast<Lxv::TLexivar>(reader.ReadRootComponent(nullptr, &owner));
}

// The stream value of the component's Translations, as the writer stores it.
TFormProperty WrittenTranslations(Lxv::TLexivar& lexivar) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(&lexivar);
  TFormObject written = DecodeBinaryForm(stream.Data());
  for (TFormProperty& prop : written.Properties)
    if (prop.Name == "Translations.Strings") return std::move(prop);
  throw Exception("the component wrote no Translations");
}

// Replaces the object's Translations, or puts them before "Storage" (or
// last) when the form had none.
void PutTranslations(TFormObject& object, TFormProperty translations) {
  if (TFormProperty* old = FindProperty(object, translations.Name)) {
    *old = std::move(translations);
    return;
  }
  auto at = object.Properties.begin();
  while (at != object.Properties.end() && !SameText(at->Name, "Storage")) ++at;
  object.Properties.insert(at, std::move(translations));
}

std::string PathOf(const TFound& found) { return found.Owner->Name + "." + found.Object->Name; }

// A TLexivar of the form, read, with the stand-in for its owner that owns
// it; no component when it keeps its table in the file its FileName names.
struct TReadLexivar {
  TFound Found;
  std::unique_ptr<TOwnerStandIn> Owner;
  Lxv::TLexivar* Lexivar = nullptr;

  // Says so and returns true for a component that is skipped.
  bool Skipped(std::ostream& out) const {
    if (Lexivar == nullptr) out << PathOf(Found) << ": skipped, its table travels in the file its FileName names\n";
    return Lexivar == nullptr;
  }
};

// Each TLexivar of the form, in form order.
std::vector<TReadLexivar> ReadLexivars(TFormFile& form, const std::string& formFile) {
  std::vector<TFound> found;
  FindLexivars(form.Document, form.Document, found);
  if (found.empty()) throw Exception("no TLexivar component in form file \"" + formFile + "\"");
  std::vector<TReadLexivar> read;
  bool anyInForm = false;
  for (const TFound& each : found) {
    TReadLexivar& entry = read.emplace_back(TReadLexivar{each, nullptr});
    if (NamesAFile(*each.Object)) continue;
    entry.Owner = std::make_unique<TOwnerStandIn>(*each.Owner);
    try {
      entry.Lexivar = ReadLexivar(*each.Object, *entry.Owner);
    } catch (const Exception& e) {
      throw EReadError("Form file \"" + formFile + "\", " + PathOf(each) + ": " + e.Message());
    }
    anyInForm = true;
  }
  if (!anyInForm) throw Exception("no TLexivar of form file \"" + formFile + "\" keeps its table in the form");
  return read;
}

// The lines of the component that loading cuts to the value limit: how many,
// and the key of the first.
std::string CutValues(const Lxv::TSortList& lines, const std::string& ownerName, std::int32_t locale,
                      const std::string& fileName) {
  const std::string prefix = "#2" + ownerName;
  int count = 0;
  std::string first;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::optional<Lxv::TTranslationLine> line = Lxv::SplitTranslationLine(lines.Strings(i));
    if (!line || line->Prefix != prefix || Lxv::ReadTag(line->KeyField, fileName, i + 1) != locale) continue;
    const std::size_t restSize = lines.Strings(i).size() - prefix.size() - 1;
    if (line->KeyField.size() + line->ValuePart.size() == restSize) continue;
    if (count++ == 0) first = line->Key;
  }
  if (count == 0) return {};
  return "; " + std::to_string(count) + (count == 1 ? " value" : " values") + " cut to " +
         std::to_string(Lxv::kMaxValueLength) + " characters (first: key " + first + ")";
}

}  // namespace

int ExtractTables(const std::string& formFile, const std::string& translationFile, std::ostream& out) {
  TFormFile form = ReadFormFile(formFile);
  const std::vector<TReadLexivar> lexivars = ReadLexivars(form, formFile);
  // Every table is checked before the first is saved.
  for (const TReadLexivar& each : lexivars)
    if (each.Lexivar != nullptr)
      Lxv::RefuseLineBreaks(*each.Lexivar->Translations(), each.Lexivar->Locale(), translationFile);
  int saved = 0;
  for (const TReadLexivar& each : lexivars) {
    if (each.Skipped(out)) continue;
    each.Lexivar->SaveTo(translationFile);
    ++saved;
    out << PathOf(each.Found) << " (tag " << each.Lexivar->Locale() << "): " << each.Lexivar->Translations()->Count()
        << " lines saved to " << translationFile << "\n";
  }
  return saved;
}

int InjectTables(const std::string& translationFile, const std::string& formFile, const std::string& outFile,
                 std::ostream& out) {
  if (const std::string reason = NotAFileReason(translationFile); !reason.empty())
    throw EFOpenError("Translation file \"" + translationFile + "\" " + reason);
  TFormFile form = ReadFormFile(formFile);
  Lxv::TSortList fileLines;
  Lxv::ReadTranslationLines(fileLines, translationFile);
  // Said only once the form is written.
  std::ostringstream report;
  const std::vector<TReadLexivar> lexivars = ReadLexivars(form, formFile);
  int merged = 0;
  for (const TReadLexivar& each : lexivars) {
    if (each.Skipped(report)) continue;
    ++merged;
    Lxv::TLexivar& lexivar = *each.Lexivar;
    const int before = lexivar.Translations()->Count();
    lexivar.LoadFrom(translationFile);
    PutTranslations(*each.Found.Object, WrittenTranslations(lexivar));
    report << PathOf(each.Found) << " (tag " << lexivar.Locale() << "): " << before << " lines, "
           << lexivar.Translations()->Count() << " after merging " << translationFile
           << CutValues(fileLines, Lxv::TranslationOwnerName(each.Owner.get()), lexivar.Locale(), translationFile)
           << "\n";
  }
  WriteFormFile(outFile, form);
  out << report.str();
  return merged;
}

}  // namespace lxvtrans

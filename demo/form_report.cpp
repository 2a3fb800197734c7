#include "form_report.h"

#include "platform/rtti/class_info.h"
#include "platform/classes/component.h"
#include "platform/base/files.h"
#include "platform/forms/form.h"
#include "platform/form_files/form_text.h"
#include "platform/rtti/class_registry.h"

using namespace platform;

namespace {

const char* FormatName(TFormFormat format) {
  switch (format) {
    case TFormFormat::Binary: return "binary";
    case TFormFormat::Resource: return "binary with resource header";
    case TFormFormat::Text: return "text";
  }
  return "?";
}

void PrintObject(const TFormObject& object, int level, std::ostream& out) {
  const std::string pad(static_cast<std::size_t>(level) * 2, ' ');
  out << pad << (object.Name.empty() ? "(unnamed)" : object.Name) << ": " << object.ClassName << "\n";
  for (const TFormProperty& p : object.Properties)
    out << pad << "  " << p.Name << " = " << FormValueToString(p.Value) << "\n";
  for (const TFormObject& child : object.Children) PrintObject(child, level + 1, out);
}

std::string PublishedValue(const TObject& instance, const TPropInfo& prop) {
  switch (prop.Kind) {
    case TTypeKind::String: return "'" + prop.GetStr(instance) + "'";
    case TTypeKind::Float: return std::to_string(prop.GetFloat(instance));
    case TTypeKind::Enumeration: return prop.Enum ? GetEnumName(*prop.Enum, prop.GetOrd(instance)) : "?";
    case TTypeKind::Boolean: return prop.GetOrd(instance) ? "True" : "False";
    case TTypeKind::Method: {
      const TMethod m = prop.GetMethod(instance);
      return m.Assigned() ? m.Name : "nil";
    }
    case TTypeKind::Class:
    case TTypeKind::Component: {
      const auto* c = DynCast<TComponent>(prop.GetObj(instance));
      if (c != nullptr) return c->Name();
      return prop.GetObj(instance) ? "(" + prop.GetObj(instance)->ClassName() + ")" : "nil";
    }
    default: return std::to_string(prop.GetOrd(instance));
  }
}

void PrintComponents(TComponent* root, std::ostream& out) {
  const auto print = [&out](const TComponent* c) {
    out << "  " << c->Name() << ": " << c->ClassName() << "\n";
    for (const TPropInfo* prop : c->ClassType()->AllProperties())
      if (prop->GetOrd || prop->GetStr || prop->GetFloat || prop->GetMethod || prop->GetObj)
        out << "    " << prop->Name << " = " << PublishedValue(*c, *prop) << "\n";
  };
  print(root);
  for (int i = 0; i < root->ComponentCount(); ++i) print(root->Components(i));
}

}  // namespace

void PrintFormFile(const std::string& path, std::ostream& out) {
  const TFormContent form = FormContentToDocument(ReadFileBytes(path, kMaxFormFileBytes));
  out << "Form file " << path << " (" << FormatName(form.Format) << ", " << form.Binary.size()
      << " bytes as a binary stream)\n";
  PrintObject(form.Document, 0, out);
  if (GetClass(form.Document.ClassName) == nullptr) {
    out << "Class " << form.Document.ClassName << " is not registered: shown at the stream level only.\n";
    return;
  }
  TOwned<TComponent> root(ReadComponentFromContent(form.Binary, nullptr, nullptr));
  out << "Read into registered classes:\n";
  PrintComponents(root.get(), out);
}

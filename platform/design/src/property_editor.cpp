#include "platform/design/property_editor.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "platform/base/exceptions.h"
#include "platform/base/scope_exit.h"
#include "platform/base/text.h"
#include "platform/design/designer.h"
#include "platform/design/standard_editors.h"
#include "editor_class.h"
#include "platform/rtti/published.h"

namespace platform {

LXV_EMPTY_CLASS_INFO(TPropertyEditor)

std::string AttributesToString(TPropertyAttributes attributes) {
  const TEnumType& type = EnumTypeInfo(TPropertyAttribute{});
  std::string text = "[";
  for (std::size_t i = 0; i < type.Names.size(); ++i) {
    if (!attributes.Contains(static_cast<TPropertyAttribute>(i))) continue;
    if (text.size() > 1) text += ',';
    text += type.Names[i];
  }
  return text + "]";
}

bool TPropertyEditor::AllEqual() { return PropCount() == 1; }

void TPropertyEditor::Edit() {
  if (!GetAttributes().Contains(paValueList)) return;
  // Cycle: the value after the current one, the first after the last.
  std::vector<std::string> values;
  GetValues([&values](const std::string& v) { values.push_back(v); });
  if (values.empty()) return;
  const std::string current = GetValue();
  auto it = std::find_if(values.begin(), values.end(), [&](const std::string& v) { return SameText(v, current); });
  SetValue(it == values.end() || it + 1 == values.end() ? values.front() : *(it + 1));
}

void TPropertyEditor::GetProperties(const std::function<void(TPropertyEditor&)>&) {}
void TPropertyEditor::GetValues(const TGetStrProc&) {}
void TPropertyEditor::SetValue(const std::string&) {}

TPersistent* TPropertyEditor::GetComponent(int index) const {
  if (index < 0 || index >= PropCount())
    throw EListError("Property editor has no selected component " + std::to_string(index));
  return components_[static_cast<std::size_t>(index)];
}

void TPropertyEditor::Modified() {
  if (designer_ != nullptr) designer_->Modified();
}

void TPropertyEditor::SetPropEntry(TDesigner* designer, std::vector<TPersistent*> components, const TPropInfo* prop) {
  designer_ = designer;
  components_ = std::move(components);
  prop_ = prop;
}

namespace {
// Reads the first selected component through the getter of one kind.
template <class Getter>
auto GetFirst(const TPropertyEditor& editor, const Getter& getter, const char* kind) {
  if (!getter) throw EPropertyError("Property " + editor.GetPropInfo()->Name + " has no " + kind + " value");
  return getter(*editor.GetComponent(0));
}
}  // namespace

std::int64_t TPropertyEditor::GetOrdValue() const { return GetFirst(*this, prop_->GetOrd, "ordinal"); }
double TPropertyEditor::GetFloatValue() const { return GetFirst(*this, prop_->GetFloat, "floating-point"); }
std::string TPropertyEditor::GetStrValue() const { return GetFirst(*this, prop_->GetStr, "string"); }
TObject* TPropertyEditor::GetObjValue() const { return GetFirst(*this, prop_->GetObj, "object"); }
TMethod TPropertyEditor::GetMethodValue() const { return GetFirst(*this, prop_->GetMethod, "method"); }

namespace {
// Writes to every selected component, then tells the designer once.
template <class Setter, class V>
void SetAll(TPropertyEditor& editor, const std::vector<TPersistent*>& components, const TPropInfo& prop,
            const Setter& setter, const V& value) {
  if (!setter) throw EPropertyError("Property " + prop.Name + " is read-only");
  std::size_t written = 0;
  // Once any component changed the designer hears of it, also when a later
  // writer raises; that writer's error then wins over one OnModified raises.
  const TScopeExit tell([&] {
    if (written != 0) editor.Modified();
  });
  for (TPersistent* c : components) {
    setter(*c, value);
    ++written;
  }
}
}  // namespace

void TPropertyEditor::SetOrdValue(std::int64_t value) { SetAll(*this, components_, *prop_, prop_->SetOrd, value); }
void TPropertyEditor::SetFloatValue(double value) { SetAll(*this, components_, *prop_, prop_->SetFloat, value); }
void TPropertyEditor::SetStrValue(const std::string& value) {
  SetAll(*this, components_, *prop_, prop_->SetStr, value);
}
void TPropertyEditor::SetObjValue(TObject* value) { SetAll(*this, components_, *prop_, prop_->SetObj, value); }
void TPropertyEditor::SetMethodValue(const TMethod& value) {
  SetAll(*this, components_, *prop_, prop_->SetMethod, value);
}

bool TPropertyType::Matches(const TPropInfo& prop) const {
  const auto isObject = [](TTypeKind k) { return k == TTypeKind::Class || k == TTypeKind::Component; };
  if (isObject(Kind) && isObject(prop.Kind)) {
    const TClass cls = prop.PropClass();
    return Class == nullptr || (cls != nullptr && cls->InheritsFrom(Class));
  }
  if (Kind != prop.Kind) return false;
  return Enum == nullptr || Enum == prop.Enum;
}

namespace {

struct TPropertyEditorEntry {
  TPropertyType Type;
  TClass ComponentClass;
  std::string PropertyName;
  TClass EditorClass;
};

std::vector<TPropertyEditorEntry>& Entries() {
  static std::vector<TPropertyEditorEntry> entries;
  return entries;
}

// Steps from `cls` up to the root; -1 for nullptr (fits every class).
int Depth(TClass cls) {
  int depth = -1;
  for (; cls != nullptr; cls = cls->Parent) ++depth;
  return depth;
}

// Larger is more specific; later registrations win ties.
auto Specificity(const TPropertyEditorEntry& e, std::size_t index) {
  const int typeDepth = e.Type.Class != nullptr ? Depth(e.Type.Class) : (e.Type.Enum != nullptr ? 0 : -1);
  return std::make_tuple(!e.PropertyName.empty(), Depth(e.ComponentClass), typeDepth, index);
}

}  // namespace

void RegisterPropertyEditor(const TPropertyType& type, TClass componentClass, const std::string& propertyName,
                            TClass editorClass) {
  CheckEditorClass(editorClass, TPropertyEditor::StaticClass(), "property editor");
  Entries().push_back({type, componentClass, propertyName, editorClass});
}

TClass GetPropertyEditorClass(const TPersistent& component, const TPropInfo& prop) {
  const std::vector<TPropertyEditorEntry>& entries = Entries();
  const TPropertyEditorEntry* best = nullptr;
  std::size_t bestIndex = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const TPropertyEditorEntry& e = entries[i];
    if (!e.Type.Matches(prop)) continue;
    if (e.ComponentClass != nullptr && !component.InheritsFrom(e.ComponentClass)) continue;
    if (!e.PropertyName.empty() && !SameText(e.PropertyName, prop.Name)) continue;
    if (best == nullptr || Specificity(*best, bestIndex) < Specificity(e, i)) {
      best = &e;
      bestIndex = i;
    }
  }
  return best != nullptr ? best->EditorClass : DefaultPropertyEditorClass(prop);
}

TOwned<TPropertyEditor> CreatePropertyEditor(TDesigner* designer, const std::vector<TPersistent*>& components,
                                             const TPropInfo& prop) {
  if (components.empty()) throw EInvalidOperation("No component selected for property " + prop.Name);
  const TClass cls = GetPropertyEditorClass(*components.front(), prop);
  TOwned<TPropertyEditor> editor(static_cast<TPropertyEditor*>(cls->Construct(nullptr)));
  editor->SetPropEntry(designer, components, &prop);
  editor->Initialize();
  return editor;
}

void UnRegisterPropertyEditors() { Entries().clear(); }

}  // namespace platform

#include "platform/forms/form.h"

#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/form_files/form_resources.h"
#include "platform/form_files/form_text.h"
#include "platform/rtti/published.h"
#include "platform/classes/reader.h"
#include "platform/rtti/class_registry.h"
#include "platform/streaming/streams.h"
#include "platform/base/text.h"
#include "platform/classes/writer.h"

namespace platform {

TClass TForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TForm>("TForm")
      .Property("Caption", &TForm::Caption, &TForm::SetCaption)
      .Property("Left", &TForm::Left, &TForm::SetLeft)
      .Property("Top", &TForm::Top, &TForm::SetTop)
      .Property("Width", &TForm::Width, &TForm::SetWidth)
      .Property("Height", &TForm::Height, &TForm::SetHeight)
      .Event("OnCreate", &TForm::OnCreate)
      .Event("OnDestroy", &TForm::OnDestroy)
      .Event("OnShow", &TForm::OnShow)
      .Build();
  return &info;
}

namespace {
// Plain forms can be read by class name, as any registered class.
const bool kFormRegistered = (RegisterClass(TForm::StaticClass()), true);
}  // namespace

TForm::TForm(TComponent* owner) : TComponent(owner) {}

TForm::~TForm() = default;

void TForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i) {
    TComponent* c = Components(i);
    const TComponent* parent = c->GetParentComponent();
    if (parent == nullptr || parent == this) proc(c);
  }
}

TComponent* ReadComponentFromContent(std::string_view content, TComponent* root, TComponent* ownerOfNew) {
  TMemoryStream stream{FormContentToBinary(content)};
  TReader reader(stream);
  return reader.ReadRootComponent(root, ownerOfNew);
}

void TForm::LoadFromStream(TStream& stream) { ReadComponentFromContent(stream.ReadRest(), this, nullptr); }

void TForm::LoadFromFile(const std::string& path) { ReadComponentFromContent(ReadFileBytes(path), this, nullptr); }

void TForm::SaveToFile(const std::string& path, bool asText) {
  TMemoryStream binary;
  TWriter writer(binary);
  writer.WriteRootComponent(this);
  if (!asText) return WriteFileAtomically(path, binary.Data());
  binary.SetPosition(0);
  TMemoryStream text;
  ObjectBinaryToText(binary, text);
  WriteFileAtomically(path, text.Data());
}

namespace {
TForm* AsForm(TComponent* component) {
  if (Is<TForm>(component)) return static_cast<TForm*>(component);
  const std::string cls = component->ClassName();
  component->Free();
  throw EReadError("Class " + cls + " is not a form class");
}
}  // namespace

TForm* TForm::CreateFromFile(const std::string& path, TComponent* owner) {
  TForm* form = AsForm(ReadComponentFromContent(ReadFileBytes(path), nullptr, owner));
  form->OnCreate(form);
  return form;
}

TForm* TForm::CreateFromResource(const std::string& name, TComponent* owner) {
  const auto bytes = FindFormResource(name);
  if (!bytes) throw EReadError("Resource " + name + " not found");
  TForm* form = AsForm(ReadComponentFromContent(*bytes, nullptr, owner));
  form->OnCreate(form);
  return form;
}

void TForm::InitFromResource() { InitFromResource(UpperCase(ClassName())); }

void TForm::InitFromResource(const std::string& name) {
  if (HasState(csLoading)) return;  // constructed by the reader, which brings the layout
  const auto bytes = FindFormResource(name);
  if (!bytes) throw EReadError("Resource " + name + " not found");
  ReadComponentFromContent(*bytes, this, nullptr);
  OnCreate(this);
}

}  // namespace platform

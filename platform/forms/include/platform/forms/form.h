#pragma once
// TForm: a component that is the root of a form file. A form is created
// empty, loaded from a form file (binary or text, told apart by content), or
// built from a form resource linked into a library.
#include <string>

#include "platform/classes/component.h"
#include "platform/rtti/events.h"

namespace platform {

class TStream;

class TForm : public TComponent {
  LXV_CLASS(TForm, TComponent)
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value; }
  int Left() const { return left_; }
  void SetLeft(int value) { left_ = value; }
  int Top() const { return top_; }
  void SetTop(int value) { top_ = value; }
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value; }
  int Height() const { return height_; }
  void SetHeight(int value) { height_ = value; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;

  // Reads a form stream or file (any of the form formats) into this form.
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const std::string& path);
  // Writes the form as a binary or text form file, replacing it atomically.
  void SaveToFile(const std::string& path, bool asText = false);

  // A new form of the class the file names (found in the class registry);
  // OnCreate fires once it is read.
  static TForm* CreateFromFile(const std::string& path, TComponent* owner);
  // A new form from the linked resource `name`, of the class the layout names.
  static TForm* CreateFromResource(const std::string& name, TComponent* owner);

  // Writes the components this form owns that have no parent of their own.
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

 protected:
  // For descendants whose layout is linked as a resource named after their
  // class in upper case: call at the end of the constructor. Reads the layout
  // into this form (binding its handlers by name), then fires OnCreate.
  // Does nothing while a reader constructs the form to read into it.
  // Raises EReadError when no such resource is linked.
  void InitFromResource();
  void InitFromResource(const std::string& name);

 private:
  std::string caption_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
};

// Reads a form file's content (binary, resource or text) into `root`, or,
// when root is nullptr, into a new component of the class it names.
TComponent* ReadComponentFromContent(std::string_view content, TComponent* root, TComponent* ownerOfNew);

}  // namespace platform

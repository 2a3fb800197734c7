#pragma once
// One design session: the form being designed, its designer, and the
// commands that a person or a script gives. The environment's tool services
// name the form's file as the open project. The form shows as a window when
// the back end has windows, redrawn on every change the designer is told
// of; a click there selects a component and prints its inspector rows.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/design/designer.h"
#include "platform/design/tool_services.h"
#include "platform/forms/form.h"

namespace platform {
class TScriptedUser;
}

namespace lxvdesign {

class TDesignSession : public platform::TToolServices {
 public:
  // `user` answers the modal dialogs the editors show.
  TDesignSession(std::ostream& out, platform::TScriptedUser& user);
  ~TDesignSession() override;
  TDesignSession(const TDesignSession&) = delete;
  TDesignSession& operator=(const TDesignSession&) = delete;

  // Runs one command line (blank lines and lines starting with # do
  // nothing); raises platform::Exception with the reason when it fails.
  // After a command other than `user`, steps queued before it that no dialog
  // took are an error naming them, and are dropped.
  void Run(const std::string& line);
  // The end of a script: raises when queued steps are left over.
  void Finish();
  static void PrintHelp(std::ostream& out);
  // Puts the framework's standard controls and menus on the palette.
  static void RegisterStandardPage();

  std::string GetProjectName() override { return projectName_; }
  platform::TForm* Form() const { return form_; }
  platform::TDesigner* Designer() const { return designer_.get(); }

 private:
  using TArgs = std::vector<std::string>;
  void New(const TArgs& args);
  void Open(const TArgs& args);
  void Save(const TArgs& args);
  void Palette();
  void Drop(const TArgs& args);
  void Components();
  void Inspect(platform::TComponent& component);
  void Delete(const TArgs& args);
  // A person's click on the form's window: selects and inspects.
  void Clicked(platform::TComponent& component, platform::TPoint at);
  void Values(const TArgs& args);
  void Set(const TArgs& args);
  void Edit(const TArgs& args);
  void Verbs(const TArgs& args);
  void Verb(const TArgs& args);
  void Modified();
  void Check(const TArgs& args);
  void User(const TArgs& args);
  void Show();
  void Preview(const TArgs& args);
  void CheckValues(const TArgs& args);
  void RunCommand(const std::string& command, const TArgs& args);
  void DropUnusedSteps(const std::string& when);
  void DropMenuItem(platform::TClass cls, const TArgs& args);

  void Design(platform::TForm* form, const std::string& fileName);
  void CloseForm();
  platform::TForm& RequireForm() const;
  platform::TComponent& Component(const std::string& name) const;
  platform::TOwned<platform::TPropertyEditor> PropertyEditor(const std::string& component, const std::string& prop);

  std::ostream& out_;
  platform::TScriptedUser& user_;
  platform::TForm* form_ = nullptr;  // owned by the application object
  std::unique_ptr<platform::TDesigner> designer_;
  std::string projectName_;
  // Where the last click on the form's window was; a drop without
  // coordinates lands there (at 0,0 before any click).
  std::optional<platform::TPoint> lastClick_;
  platform::TToolServices* previousServices_;
};

// Splits a command line into words; double quotes keep blanks in a word and
// "" is an empty word. Raises platform::Exception for an unclosed quote.
std::vector<std::string> SplitWords(const std::string& line);

}  // namespace lxvdesign

#include "platform/forms/notebook.h"

#include "platform/base/exceptions.h"
#include "platform/forms/list_controls.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"

namespace platform {

TClass TTabPage::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TTabPage> b("TTabPage");
    PublishBounds(b, false);
    return b.Property("Caption", &TTabPage::Caption, &TTabPage::SetCaption)
        .Property("HelpContext", &TTabPage::HelpContext, &TTabPage::SetHelpContext).Default(0)
        .Build();
  }();
  return &info;
}

TTabPage::TTabPage(TComponent* owner) : TWinControl(owner) {
  SetDefaultColor(clBtnFace, true);
  SetTabStop(false);
}

void TTabPage::ParentChanged() {
  TWinControl::ParentChanged();
  if (auto* notebook = DynCast<TTabbedNotebook>(Parent())) notebook->PageAdded(this);
}

TClass TTabbedNotebook::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TTabbedNotebook> b("TTabbedNotebook");
    PublishBounds(b);
    PublishWinControlCommon(b, {.Color = false, .Hints = false, .TabStop = false});
    return b.Property("PageIndex", &TTabbedNotebook::PageIndex, &TTabbedNotebook::SetPageIndex).Default(0)
        .Property("TabFont", &TTabbedNotebook::TabFont, &TTabbedNotebook::SetTabFont)
        .Property("TabsPerRow", &TTabbedNotebook::TabsPerRow, &TTabbedNotebook::SetTabsPerRow).Default(3)
        .Event("OnChange", &TTabbedNotebook::OnChange)
        .Event<TNotifyEvent>("OnClick", &TTabbedNotebook::OnClick)
        .Event<TNotifyEvent>("OnEnter", &TTabbedNotebook::OnEnter)
        .Event<TNotifyEvent>("OnExit", &TTabbedNotebook::OnExit)
        .Build();
  }();
  return &info;
}

TTabbedNotebook::TTabbedNotebook(TComponent* owner) : TWinControl(owner), tabFont_(std::make_unique<TFont>()) {
  SetBounds(0, 0, 300, 250);
  SetDefaultColor(clBtnFace, true);
  tabFont_->OnChange = [this](TObject*) { Changed(TPeerChange::Font); };
}

int TTabbedNotebook::PageCount() const {
  int n = 0;
  for (int i = 0; i < ControlCount(); ++i) n += Is<TTabPage>(Controls(i)) ? 1 : 0;
  return n;
}

TTabPage* TTabbedNotebook::Pages(int index) const {
  int n = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (Is<TTabPage>(Controls(i)) && n++ == index) return static_cast<TTabPage*>(Controls(i));
  throw EListError("Page index out of bounds (" + std::to_string(index) + ")");
}

TTabPage* TTabbedNotebook::FindPage(const std::string& title) const {
  for (int i = 0; i < PageCount(); ++i)
    if (Pages(i)->Caption() == title) return Pages(i);
  return nullptr;
}

TTabPage* TTabbedNotebook::AddPage(const std::string& title) {
  auto* page = new TTabPage(this);
  page->SetCaption(title);
  page->SetParent(this);
  return page;
}

void TTabbedNotebook::PageAdded(TTabPage* page) {
  page->SetBounds(kPageLeft, kPageTop, Width() - 2 * kPageLeft, Height() - kPageTop - kPageLeft);
  ShowPages();
}

// The new page shows before the old one hides, so a focus that leaves the
// old page can move on to the new one.
void TTabbedNotebook::ShowPages() {
  if (pageIndex_ >= 0 && pageIndex_ < PageCount()) Pages(pageIndex_)->SetVisible(true);
  for (int i = 0; i < PageCount(); ++i)
    if (i != pageIndex_) Pages(i)->SetVisible(false);
}

void TTabbedNotebook::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  for (int i = 0; i < PageCount(); ++i)
    Pages(i)->SetBounds(kPageLeft, kPageTop, width - 2 * kPageLeft, height - kPageTop - kPageLeft);
}

void TTabbedNotebook::SetPageIndex(int value) {
  if (HasState(csLoading)) {
    pageIndex_ = value;  // the pages come after the notebook's properties
    return ShowPages();
  }
  if (value == pageIndex_) return;
  if (value < 0 || value >= PageCount()) throw EListError("Page index out of bounds (" + std::to_string(value) + ")");
  bool allow = true;
  OnChange(this, value, allow);
  if (!allow) return;
  pageIndex_ = value;
  ShowPages();
  Changed(TPeerChange::Selection);
  Click();
}

std::string TTabbedNotebook::ActivePage() const {
  return pageIndex_ >= 0 && pageIndex_ < PageCount() ? Pages(pageIndex_)->Caption() : std::string();
}

void TTabbedNotebook::SetActivePage(const std::string& title) {
  for (int i = 0; i < PageCount(); ++i)
    if (Pages(i)->Caption() == title) return SetPageIndex(i);
  throw EListError("No page " + title + " in " + Name());
}

void TTabbedNotebook::Loaded() {
  TWinControl::Loaded();
  if (pageIndex_ >= PageCount()) pageIndex_ = 0;
  ShowPages();
}

std::vector<std::string> TTabbedNotebook::SnapshotEntries() const {
  std::vector<std::string> out;
  for (int i = 0; i < PageCount(); ++i) out.push_back(SnapshotEntry(Pages(i)->Caption(), i == pageIndex_, false));
  return out;
}

namespace {
const bool kRegistered = (RegisterClasses({TTabPage::StaticClass(), TTabbedNotebook::StaticClass()}), true);
}  // namespace

}  // namespace platform

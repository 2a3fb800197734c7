#pragma once
// TTabbedNotebook: pages under a row of tabs, one page shown at a time. Each
// page is a TTabPage, a parent whose client area begins at left 4, top 27 of
// the notebook and fills it to 4 pixels from the other edges. Pages are
// found by title; a form file stores them as unnamed children.
#include <string>

#include "platform/forms/controls.h"

namespace platform {

class TTabPage : public TWinControl {
  LXV_CLASS(TTabPage, TWinControl)
 public:
  explicit TTabPage(TComponent* owner);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }
  std::string SnapshotState() const override { return Visible() ? "shown" : "not shown"; }

 protected:
  void ParentChanged() override;

 private:
  int helpContext_ = 0;
};

using TPageChangeEvent = TEvent<TObject*, int, bool&>;

class TTabbedNotebook : public TWinControl {
  LXV_CLASS(TTabbedNotebook, TWinControl)
 public:
  static constexpr int kPageLeft = 4, kPageTop = 27;

  explicit TTabbedNotebook(TComponent* owner);

  int PageCount() const;
  TTabPage* Pages(int index) const;
  TTabPage* FindPage(const std::string& title) const;  // nullptr when none has it
  // A new last page owned by the notebook.
  TTabPage* AddPage(const std::string& title);

  // The page shown; changing it asks OnChange (which may refuse), then fires
  // OnClick. Raises EListError for an index outside the pages.
  int PageIndex() const { return pageIndex_; }
  void SetPageIndex(int value);
  std::string ActivePage() const;
  void SetActivePage(const std::string& title);

  TFont* TabFont() const { return tabFont_.get(); }
  void SetTabFont(const TFont* value) { tabFont_->Assign(value); }
  int TabsPerRow() const { return tabsPerRow_; }
  void SetTabsPerRow(int value) { tabsPerRow_ = value; }

  TPageChangeEvent OnChange;
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void UserClick() override {}
  // A person's click on the tab of page index.
  bool TakesFocusOnClick() const override { return true; }
  void UserPick(int index) { SetPageIndex(index); }
  std::vector<std::string> SnapshotEntries() const override;

  // Places a page that joined the notebook.
  void PageAdded(TTabPage* page);

 private:
  void ShowPages();

  int pageIndex_ = 0;
  std::unique_ptr<TFont> tabFont_;
  int tabsPerRow_ = 3;
};

}  // namespace platform

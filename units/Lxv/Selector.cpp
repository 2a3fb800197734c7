// TLexivar: the language selector. Each kind of control the component can
// adopt is one adapter (where its entries live, how they are emptied, filled
// and marked, which click handler it gets); SelectorOf is the one place that
// tells the kinds apart. The adopted control is kept with a free
// notification, so it is forgotten whoever owns it.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Lxv/Lexivar.h"
#include "platform/base/scope_exit.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/menus.h"

namespace Lxv {

using namespace platform;

bool RadioGroupBusy = false;

namespace {

using THandler = void (TLexivar::*)(TObject*);

// Installs a handler of `lexivar`. Bound without a method name: it is the
// component's own, not a method of the form, so the form file never names it.
void Bind(TNotifyEvent& event, TLexivar& lexivar, THandler handler) {
  event.Bind(&lexivar, "", [&lexivar, handler](TObject* sender) { (lexivar.*handler)(sender); });
}

// Clears the event when it still holds a handler of `lexivar`.
void Unbind(TNotifyEvent& event, const TLexivar& lexivar) {
  if (event.Data() == &lexivar) event.Clear();
}

class TSelector {
 public:
  virtual ~TSelector() = default;
  // False while the control must be left unfilled and unhooked.
  virtual bool Refillable() const { return true; }
  virtual void Hook(TLexivar& lexivar) = 0;
  virtual void Unhook(const TLexivar& lexivar) = 0;
  virtual void Clear(const TLexivar& lexivar) = 0;
  virtual void Add(TLexivar& lexivar, const std::string& name, LCID lcid) = 0;
  virtual void Mark(LCID current) = 0;
  // The LCID of the entry the control has as current; none when it has none.
  virtual std::optional<LCID> Current() const { return std::nullopt; }
};

// Tab set, list box, combo box and radio group: entries with the LCID as the
// object, one current index, the control's OnClick.
class TListSelector final : public TSelector {
 public:
  TListSelector(TStrings& list, TNotifyEvent& onClick, std::function<int()> index, std::function<void(int)> setIndex,
                THandler handler, bool guarded = false)
      : list_(list), onClick_(onClick), index_(std::move(index)), setIndex_(std::move(setIndex)),
        handler_(handler), guarded_(guarded) {}

  bool Refillable() const override { return !guarded_ || !RadioGroupBusy; }
  void Hook(TLexivar& lexivar) override { Bind(onClick_, lexivar, handler_); }
  void Unhook(const TLexivar& lexivar) override { Unbind(onClick_, lexivar); }
  void Clear(const TLexivar&) override { list_.Clear(); }
  void Add(TLexivar&, const std::string& name, LCID lcid) override {
    list_.AddObject(name, ObjectFromInt(static_cast<std::int32_t>(lcid)));
  }
  void Mark(LCID current) override { setIndex_(list_.IndexOfObject(ObjectFromInt(static_cast<std::int32_t>(current)))); }
  std::optional<LCID> Current() const override {
    const int index = index_();
    if (index < 0 || index >= list_.Count()) return std::nullopt;
    return static_cast<LCID>(IntFromObject(list_.Objects(index)));
  }

 private:
  TStrings& list_;
  TNotifyEvent& onClick_;
  std::function<int()> index_;
  std::function<void(int)> setIndex_;
  THandler handler_;
  bool guarded_;
};

// Main menu, pop-up menu and menu item: the entries are menu items the
// component creates (and owns) under one parent item.
class TMenuSelector final : public TSelector {
 public:
  explicit TMenuSelector(TMenuItem& root) : root_(root) {}

  void Hook(TLexivar&) override {}  // each created item is hooked as it is made
  void Unhook(const TLexivar& lexivar) override {
    for (int i = 0; i < root_.Count(); ++i) Unbind(root_.Items(i)->OnClick, lexivar);
  }
  // Every child goes, the developer's as well; taking one out does not free
  // it, but an item this component made is freed with it.
  void Clear(const TLexivar& lexivar) override {
    for (int i = root_.Count() - 1; i >= 0; --i) {
      TMenuItem* item = root_.Items(i);
      root_.Delete(i);
      if (item->Owner() == &lexivar) delete item;
    }
  }
  void Add(TLexivar& lexivar, const std::string& name, LCID lcid) override {
    auto* item = new TMenuItem(&lexivar);
    item->SetCaption(name);
    item->SetTag(static_cast<std::int32_t>(lcid));
    Bind(item->OnClick, lexivar, &TLexivar::OnMenuItemClick);
    item->SetRadioItem(true);
    root_.Add(item);
  }
  void Mark(LCID current) override {
    for (int i = 0; i < root_.Count(); ++i) {
      TMenuItem* item = root_.Items(i);
      item->SetChecked(static_cast<LCID>(item->Tag()) == current);
    }
  }

 private:
  TMenuItem& root_;
};

template <class C>
std::unique_ptr<TSelector> ItemsSelector(C& c, THandler handler, bool guarded = false) {
  return std::make_unique<TListSelector>(
      *c.Items(), c.OnClick, [&c] { return c.ItemIndex(); }, [&c](int i) { c.SetItemIndex(i); }, handler, guarded);
}

// The adapter of `c`, or nullptr for a class the selector does not serve.
std::unique_ptr<TSelector> SelectorOf(TObject* c) {
  if (auto* tabs = DynCast<TTabSet>(c))
    return std::make_unique<TListSelector>(
        *tabs->Tabs(), tabs->OnClick, [tabs] { return tabs->TabIndex(); }, [tabs](int i) { tabs->SetTabIndex(i); },
        &TLexivar::OnTabSetClick);
  if (auto* list = DynCast<TListBox>(c)) return ItemsSelector(*list, &TLexivar::OnListBoxClick);
  if (auto* combo = DynCast<TComboBox>(c)) return ItemsSelector(*combo, &TLexivar::OnComboBoxClick);
  if (auto* radio = DynCast<TRadioGroup>(c)) return ItemsSelector(*radio, &TLexivar::OnRadioGroupClick, true);
  if (Is<TMainMenu>(c) || Is<TPopupMenu>(c)) return std::make_unique<TMenuSelector>(*static_cast<TMenu*>(c)->Items());
  if (auto* item = DynCast<TMenuItem>(c)) return std::make_unique<TMenuSelector>(*item);
  return nullptr;
}

}  // namespace

bool IsSelectorClass(const TComponent* component) {
  return SelectorOf(const_cast<TComponent*>(component)) != nullptr;
}

void TLexivar::SetAdoptOn(TComponent* value) {
  if (value == adoptOn_) return;
  if (value != nullptr && SelectorOf(value) == nullptr) {
    ShowMessage("Error setting AdoptOn property, an illigal component");
    return;
  }
  ReleaseAdopted();
  adoptOn_ = value;
  if (adoptOn_ != nullptr) adoptOn_->FreeNotification(this);
  UpdateAdoptOn();
}

// The control keeps its entries; only the handlers that call this component go.
void TLexivar::ReleaseAdopted() {
  if (adoptOn_ == nullptr) return;
  // A control on its way out is not touched: a menu has freed its items by now.
  if (!adoptOn_->HasState(csDestroying)) SelectorOf(adoptOn_)->Unhook(*this);
  adoptOn_->RemoveFreeNotification(this);
  adoptOn_ = nullptr;
}

void TLexivar::UpdateAdoptOn() {
  if (adoptOn_ == nullptr) return UpdateLanguageSelection();
  const std::unique_ptr<TSelector> selector = SelectorOf(adoptOn_);
  const bool refill = selector->Refillable();
  if (refill) {
    selector->Hook(*this);
    selector->Clear(*this);
  }
  UpdateLangList();
  if (refill)
    for (int i = 0; i < localeList_->Count(); ++i)
      selector->Add(*this, std::string(localeList_->Strings(i)), static_cast<LCID>(IntFromObject(localeList_->Objects(i))));
  UpdateLanguageSelection();
}

// Runs for a radio group whatever RadioGroupBusy says: marking is no click
// of the person's, and the handler ignores the current locale's entry.
void TLexivar::UpdateLanguageSelection() {
  if (adoptOn_ != nullptr) SelectorOf(adoptOn_)->Mark(currentLocale_);
}

void TLexivar::SelectLocale(LCID lcid) {
  if (lcid == currentLocale_) return;
  TranslateLocale(lcid);
  OnLanguageSelected(this);
}

void TLexivar::OnMenuItemClick(TObject* sender) {
  if (auto* item = DynCast<TMenuItem>(sender)) SelectLocale(static_cast<LCID>(item->Tag()));
}

// A click that leaves no entry current is ignored.
void TLexivar::OnListClick(TObject* sender) {
  const std::unique_ptr<TSelector> selector = SelectorOf(sender);
  if (selector == nullptr) return;
  if (const std::optional<LCID> lcid = selector->Current()) SelectLocale(*lcid);
}

void TLexivar::OnTabSetClick(TObject* sender) { OnListClick(sender); }
void TLexivar::OnListBoxClick(TObject* sender) { OnListClick(sender); }
void TLexivar::OnComboBoxClick(TObject* sender) { OnListClick(sender); }

// Marking the new locale sets the group's ItemIndex, which reports a click
// of its own; the unit-wide flag keeps that (and any other radio group's
// click meanwhile) from starting a second apply.
void TLexivar::OnRadioGroupClick(TObject* sender) {
  if (RadioGroupBusy) return;
  const std::unique_ptr<TSelector> selector = SelectorOf(sender);
  const std::optional<LCID> lcid = selector ? selector->Current() : std::nullopt;
  if (!lcid || *lcid == currentLocale_) return;
  RadioGroupBusy = true;
  TScopeExit clear([] { RadioGroupBusy = false; });
  TranslateLocale(*lcid);
  OnLanguageSelected(this);
}

}  // namespace Lxv

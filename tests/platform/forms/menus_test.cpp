// Menu items: radio groups, taking items out without destroying them, and
// destroying items that sit in a menu.
#include <gtest/gtest.h>

#include "platform/forms/input.h"
#include "platform/forms/menus.h"

using namespace platform;

namespace {

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const std::string& caption, int group = 0) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  item->SetRadioItem(true);
  item->SetGroupIndex(group);
  parent->Add(item);
  return item;
}

}  // namespace

TEST(Menus, CheckingARadioItemUnchecksTheOthersOfItsGroupOnly) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* menu = new TPopupMenu(owner.get());
  TMenuItem* a = Item(owner.get(), menu->Items(), "a", 1);
  TMenuItem* b = Item(owner.get(), menu->Items(), "b", 1);
  TMenuItem* other = Item(owner.get(), menu->Items(), "other", 2);
  TMenuItem* plain = Item(owner.get(), menu->Items(), "plain", 1);
  plain->SetRadioItem(false);
  other->SetChecked(true);
  plain->SetChecked(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(other->Checked());
  EXPECT_TRUE(plain->Checked());
}

TEST(Menus, DeleteTakesAnItemOutWithoutDestroyingIt) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* menu = new TMainMenu(owner.get());
  TMenuItem* a = Item(owner.get(), menu->Items(), "a");
  Item(owner.get(), menu->Items(), "b");
  menu->Items()->Delete(0);
  EXPECT_EQ(menu->Items()->Count(), 1);
  EXPECT_EQ(a->Parent(), nullptr);
  EXPECT_EQ(a->Owner(), owner.get());
  EXPECT_EQ(owner->ComponentCount(), 3);
  menu->Items()->Insert(1, a);
  EXPECT_EQ(menu->Items()->Items(1), a);
  EXPECT_EQ(a->Menu(), menu);
  EXPECT_THROW(menu->Items()->Add(a), EMenuError);
}

TEST(Menus, DestroyingAnItemTakesItOutAndTakesItsChildrenWithIt) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* menu = new TPopupMenu(owner.get());
  TMenuItem* a = Item(owner.get(), menu->Items(), "a");
  TMenuItem* b = Item(owner.get(), menu->Items(), "b");
  Item(owner.get(), b, "b1");
  a->Free();
  ASSERT_EQ(menu->Items()->Count(), 1);
  EXPECT_EQ(menu->Items()->Items(0), b);
  b->Free();
  EXPECT_EQ(menu->Items()->Count(), 0);
  EXPECT_EQ(owner->ComponentCount(), 1);  // only the menu is left
}

TEST(Menus, APersonChoosesOnlyEnabledItems) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* menu = new TMainMenu(owner.get());
  TMenuItem* a = Item(owner.get(), menu->Items(), "a");
  TMenuItem* sub = Item(owner.get(), a, "sub");
  int clicks = 0;
  sub->OnClick = [&](TObject* sender) { clicks += sender == sub ? 1 : 100; };
  UserPick(*a, 0);
  a->SetEnabled(false);
  UserPick(*a, 0);
  EXPECT_EQ(clicks, 1);
}

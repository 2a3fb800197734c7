// Ownership, names, removal notices and free notification.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classes/component.h"
#include "platform/base/exceptions.h"
#include "platform/rtti/published.h"

using namespace platform;

namespace {

// Records the notifications it receives and forgets a watched component.
class TWatcher : public TComponent {
  LXV_CLASS(TWatcher, TComponent)
 public:
  using TComponent::TComponent;
  TComponent* Watched = nullptr;
  std::vector<std::string>* Log = nullptr;

  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (Log != nullptr)
      Log->push_back(Name() + (operation == opInsert ? " +" : " -") + component->Name());
    if (operation == opRemove && component == Watched) Watched = nullptr;
  }
};

TClass TWatcher::StaticClass() {
  static const TClassInfo info = TClassBuilder<TWatcher>("TWatcher").Build();
  return &info;
}

}  // namespace

TEST(Component, OwnerFreesWhatItOwnsInReverseOrder) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  std::vector<std::string> log;
  auto* a = new TWatcher(owner.get());
  a->SetName("A");
  a->Log = &log;
  auto* b = new TWatcher(owner.get());
  b->SetName("B");
  b->Log = &log;
  auto* c = new TComponent(b);
  c->SetName("C");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(1), b);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_EQ(c->Owner(), b);
  EXPECT_THROW(owner->Components(2), EListError);
  owner.reset();  // must free a, b and c without touching freed memory (ASan)
}

TEST(Component, RemovalIsAnnouncedToTheOwnersOtherComponents) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  std::vector<std::string> log;
  auto* watcher = new TWatcher(owner.get());
  watcher->SetName("W");
  watcher->Log = &log;
  auto* target = new TComponent(owner.get());
  target->SetName("T");
  watcher->Watched = target;
  target->Free();
  EXPECT_EQ(watcher->Watched, nullptr);
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"W +", "W -T"}));  // the insert was announced nameless
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners) {
  TOwned<TComponent> form1(new TComponent(nullptr));
  TOwned<TComponent> form2(new TComponent(nullptr));
  auto* watcher = new TWatcher(form1.get());
  auto* target = new TComponent(form2.get());
  target->SetName("Target");
  watcher->Watched = target;
  watcher->FreeNotification(target);
  form2.reset();
  EXPECT_EQ(watcher->Watched, nullptr);
  // The link is gone both ways: freeing the watcher now must not touch target.
  form1.reset();
}

TEST(Component, FreeNotificationIsMutualAndRemovable) {
  TOwned<TComponent> a(new TComponent(nullptr));
  TOwned<TWatcher> b(new TWatcher(nullptr));
  b->Watched = a.get();
  b->FreeNotification(a.get());
  b->RemoveFreeNotification(a.get());
  a.reset();
  EXPECT_NE(b->Watched, nullptr);  // no notice after removal
}

TEST(Component, NamesAreIdentifiersUniqueAmongSiblings) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* a = new TComponent(owner.get());
  auto* b = new TComponent(owner.get());
  a->SetName("Button1");
  EXPECT_THROW(b->SetName("button1"), EComponentError);
  EXPECT_THROW(b->SetName("1Button"), EComponentError);
  EXPECT_THROW(b->SetName("Bad Name"), EComponentError);
  EXPECT_EQ(b->Name(), "");
  a->SetName("BUTTON1");  // renaming itself to another case is no clash
  b->SetName("Button2");
  EXPECT_EQ(owner->FindComponent("button2"), b);
  EXPECT_EQ(owner->FindComponent("Missing"), nullptr);
  EXPECT_EQ(owner->FindComponent(""), nullptr);
  try {
    b->SetName("Button1");
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_NE(std::string(e.what()).find("Button1"), std::string::npos);
  }
}

TEST(Component, StateFlagsAndDesigningSpreadToOwnedComponents) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* child = new TComponent(owner.get());
  owner->SetDesigning(true);
  EXPECT_TRUE(child->HasState(csDesigning));
  auto* late = new TComponent(owner.get());
  EXPECT_TRUE(late->HasState(csDesigning));  // inserted into a designed owner
  owner->SetState(csLoading);
  owner->Loaded();
  EXPECT_FALSE(owner->HasState(csLoading));
  owner->SetDesigning(false);
  EXPECT_FALSE(child->HasState(csDesigning));
}

TEST(Component, ClassTestsAcceptDescendantsAndRejectNil) {
  TOwned<TWatcher> w(new TWatcher(nullptr));
  EXPECT_TRUE(Is<TComponent>(w.get()));
  EXPECT_TRUE(Is<TPersistent>(w.get()));
  EXPECT_TRUE(Is<TWatcher>(w.get()));
  TOwned<TComponent> plain(new TComponent(nullptr));
  EXPECT_FALSE(Is<TWatcher>(plain.get()));
  EXPECT_FALSE(Is<TComponent>(static_cast<TObject*>(nullptr)));
  EXPECT_EQ(w->ClassName(), "TWatcher");
}

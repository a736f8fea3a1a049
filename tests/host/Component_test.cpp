// Components: ownership, names, state and notifications.
#include <gtest/gtest.h>

#include "SampleClasses.h"

using namespace host;
using namespace sample;

namespace {

// Counts its own destruction and hears removals.
class TWatcher : public TComponent {
 public:
  TWatcher(TComponent* owner, int* destroyed) : TComponent(owner), destroyed_(destroyed) {}
  ~TWatcher() override { ++*destroyed_; }
  void Notification(TComponent* c, TOperation op) override {
    if (op == opRemove) removed.push_back(c);
    TComponent::Notification(c, op);
  }
  std::vector<TComponent*> removed;

 private:
  int* destroyed_;
};

}  // namespace

TEST(Component, OwnerListsInCreationOrderAndFreesWhatItOwns) {
  int destroyed = 0;
  auto* root = new TComponent(nullptr);
  auto* a = new TWatcher(root, &destroyed);
  auto* b = new TWatcher(root, &destroyed);
  auto* c = new TWatcher(a, &destroyed);  // owned by a, not by root
  ASSERT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->Components(0), a);
  EXPECT_EQ(root->Components(1), b);
  EXPECT_EQ(a->Components(0), c);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_THROW(root->Components(2), EListError);
  EXPECT_THROW(root->Components(-1), EListError);
  delete root;
  EXPECT_EQ(destroyed, 3);
}

TEST(Component, DestroyedComponentLeavesItsOwner) {
  TComponent root(nullptr);
  auto* a = new TGadget(&root);
  a->SetName("A");
  auto* b = new TGadget(&root);
  delete a;
  ASSERT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(root.Components(0), b);
  EXPECT_EQ(root.FindComponent("A"), nullptr);
}

TEST(Component, NamesAreUniqueAmongTheOwnersComponentsIgnoringCase) {
  TComponent root(nullptr);
  auto* a = new TGadget(&root);
  auto* b = new TGadget(&root);
  a->SetName("Button1");
  EXPECT_THROW(b->SetName("BUTTON1"), EComponentError);
  EXPECT_EQ(b->Name(), "");
  a->SetName("button1");  // renaming itself with another case is fine
  EXPECT_EQ(root.FindComponent("BUTTON1"), a);
  EXPECT_THROW(b->SetName("1abc"), EComponentError);
  EXPECT_THROW(b->SetName("a b"), EComponentError);
  b->SetName("_b2");
  a->SetName("");
  EXPECT_EQ(root.FindComponent("button1"), nullptr);
  b->SetName("Button1");  // the name was released
  TComponent other(nullptr);
  auto* c = new TGadget(&other);
  c->SetName("Button1");  // another owner: no clash
  EXPECT_EQ(other.FindComponent("Button1"), c);
}

TEST(Component, TagHoldsAnObjectIdentity) {
  TComponent root(nullptr);
  root.SetTag(reinterpret_cast<NativeInt>(&root));
  EXPECT_EQ(reinterpret_cast<TComponent*>(root.Tag()), &root);
  root.SetTag(-1);
  EXPECT_EQ(root.Tag(), -1);
}

TEST(Component, DesigningFollowsTheOwnerAndSetDesigningReachesOwnedComponents) {
  TComponent form(nullptr);
  form.SetDesigning(true);
  auto* button = new TGadget(&form);
  auto* inner = new TGadget(button);
  EXPECT_TRUE(button->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(inner->ComponentState().Contains(csDesigning));
  button->SetDesigning(false);
  EXPECT_FALSE(button->ComponentState().Contains(csDesigning));
  EXPECT_FALSE(inner->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(form.ComponentState().Contains(csDesigning));
  inner->SetDesigning(true);
  button->SetDesigning(false, false);
  EXPECT_TRUE(inner->ComponentState().Contains(csDesigning));
}

TEST(Component, RemovalIsAnnouncedToTheOwnerAndItsComponents) {
  int destroyed = 0;
  TComponent form(nullptr);
  auto* watcher = new TWatcher(&form, &destroyed);
  auto* gadget = new TGadget(&form);
  delete gadget;
  ASSERT_EQ(watcher->removed.size(), 1u);
  EXPECT_EQ(watcher->removed[0], gadget);
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners) {
  int destroyed = 0;
  TComponent formA(nullptr), formB(nullptr);
  auto* watcher = new TWatcher(&formA, &destroyed);
  auto* gadget = new TGadget(&formB);
  watcher->FreeNotification(gadget);
  delete gadget;
  ASSERT_EQ(watcher->removed.size(), 1u);
  EXPECT_EQ(watcher->removed[0], gadget);
  // The link is gone both ways: freeing the watcher later touches nothing.
  delete watcher;
  EXPECT_EQ(destroyed, 1);
}

TEST(Component, InsertMovesAComponentToItsNewOwner) {
  TComponent a(nullptr), b(nullptr);
  auto* g = new TGadget(&a);
  g->SetName("G");
  b.InsertComponent(g);
  EXPECT_EQ(a.ComponentCount(), 0);
  EXPECT_EQ(b.FindComponent("G"), g);
  EXPECT_EQ(g->Owner(), &b);
  auto* clash = new TGadget(&a);
  clash->SetName("G");
  EXPECT_THROW(b.InsertComponent(clash), EComponentError);
  EXPECT_EQ(clash->Owner(), &a);
}

// Events: copies share a binding until one is rebound, stored handler names, handlers of
// objects being destroyed, handlers that change the event calling them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "SampleClasses.h"

using namespace host;
using namespace sample;

namespace {

using TPing = TEvent<void(TObject*)>;

// Raises OnGone from its destructor, as controls raise events while their form frees them.
class TNoisy : public TComponent {
 public:
  using TComponent::TComponent;
  ~TNoisy() override {
    if (OnGone) OnGone(this);
  }
  TPing OnGone;
};

class TListener : public TComponent {
 public:
  TListener(TComponent* owner, int* hits) : TComponent(owner), hits_(hits) {}
  void Hear(TObject*) { ++*hits_; }
  int Answer() { return 42; }

 private:
  int* hits_;
};

}  // namespace

TEST(Events, AnUnsetEventIsOnePointerAndHasNoIdentity) {
  EXPECT_EQ(sizeof(TPing), sizeof(void*));
  TPing e;
  EXPECT_FALSE(e);
  EXPECT_EQ(e.Data(), nullptr);
  EXPECT_EQ(e.Method(), nullptr);
  EXPECT_TRUE(e.MethodName().empty());
  EXPECT_THROW(e(nullptr), std::bad_function_call);
}

TEST(Events, ACopyRebindsWithoutTouchingTheOriginal) {
  TSampleRoot first(nullptr), second(nullptr);
  TPing original(&first, "GadgetPing");
  TPing copy = original;
  EXPECT_EQ(copy.Data(), &first);
  EXPECT_EQ(copy.MethodName(), "GadgetPing");

  ASSERT_TRUE(copy.Bind(&second, second.MethodAddress("GadgetPing")));
  original(nullptr);
  copy(nullptr);
  copy(nullptr);
  EXPECT_EQ(first.pings, 1);
  EXPECT_EQ(second.pings, 2);
  EXPECT_EQ(original.Data(), &first);
  EXPECT_EQ(copy.Data(), &second);

  // Clearing one copy leaves the other bound.
  TPing third = copy;
  copy.Clear();
  EXPECT_FALSE(copy);
  third(nullptr);
  EXPECT_EQ(second.pings, 3);
  EXPECT_EQ(third.MethodName(), "GadgetPing");
}

TEST(Events, AssignmentAndMoveCarryTheBinding) {
  TSampleRoot root(nullptr);
  TPing a(&root, "GadgetPing");
  TPing b;
  b = a;
  a = a;  // self-assignment keeps the binding
  EXPECT_EQ(a.MethodName(), "GadgetPing");
  TPing c = std::move(b);
  EXPECT_FALSE(b);  // NOLINT(bugprone-use-after-move): a moved-from event is unset
  c = std::move(c);
  EXPECT_TRUE(c);
  c(nullptr);
  a(nullptr);
  EXPECT_EQ(root.pings, 2);
  b = c;
  c = nullptr;
  EXPECT_FALSE(c);
  EXPECT_TRUE(b);
}

TEST(Events, BindRefusesAnotherShapeAndKeepsTheOldBinding) {
  TSampleRoot root(nullptr);
  TPing e(&root, "GadgetPing");
  EXPECT_FALSE(e.Bind(&root, root.MethodAddress("WrongShape")));
  EXPECT_FALSE(e.Bind(&root, nullptr));
  EXPECT_EQ(e.MethodName(), "GadgetPing");
  EXPECT_EQ(e.Method(), root.MethodAddress("GadgetPing"));
  e(nullptr);
  EXPECT_EQ(root.pings, 1);
}

TEST(Events, UnboundNamesAreKeptButNotCalled) {
  TSampleRoot root(nullptr);
  TPing e(&root, "GadgetPing");
  TPing copy = e;
  e.SetUnbound("LostHandler");
  EXPECT_FALSE(e);
  EXPECT_EQ(e.MethodName(), "LostHandler");
  EXPECT_EQ(e.Data(), nullptr);
  EXPECT_EQ(e.Method(), nullptr);
  EXPECT_THROW(e(nullptr), std::bad_function_call);
  EXPECT_EQ(copy.MethodName(), "GadgetPing");

  TPing kept = e;
  EXPECT_EQ(kept.MethodName(), "LostHandler");
  e.SetUnbound("");
  EXPECT_TRUE(e.MethodName().empty());
  EXPECT_EQ(kept.MethodName(), "LostHandler");
}

TEST(Events, EmptyCallablesLeaveTheEventUnset) {
  EXPECT_FALSE(TPing(std::function<void(TObject*)>()));
  void (*none)(TObject*) = nullptr;
  EXPECT_FALSE(TPing(none));
  int calls = 0;
  TPing viaFunction(std::function<void(TObject*)>([&](TObject*) { ++calls; }));
  ASSERT_TRUE(viaFunction);
  viaFunction(nullptr);
  EXPECT_EQ(calls, 1);
}

TEST(Events, ResultsAndReferenceArguments) {
  TEvent<int(int, int&)> add = [](int a, int& out) {
    out = a * 2;
    return a + 1;
  };
  int out = 0;
  EXPECT_EQ(add(4, out), 5);
  EXPECT_EQ(out, 8);
}

TEST(Events, HandlersOfAComponentBeingDestroyedAreSkipped) {
  int survivorHits = 0, dyingHits = 0;
  TListener survivor(nullptr, &survivorHits);
  auto* dying = new TListener(nullptr, &dyingHits);
  auto* toDying = new TNoisy(dying);
  auto* toSurvivor = new TNoisy(dying);
  auto* asking = new TNoisy(dying);
  toDying->OnGone = TPing(dying, &TListener::Hear);
  toSurvivor->OnGone = TPing(&survivor, &TListener::Hear);
  TEvent<int()> ask(dying, &TListener::Answer);
  EXPECT_EQ(ask(), 42);
  int answered = -1;
  asking->OnGone = [&](TObject*) { answered = ask(); };
  delete dying;  // frees the three TNoisy, whose destructors raise OnGone
  EXPECT_EQ(survivorHits, 1);
  EXPECT_EQ(dyingHits, 0);
  EXPECT_EQ(answered, 0);  // a handler with a result answers the default value
}

TEST(Events, AHandlerMayClearOrRebindTheEventCallingIt) {
  // The handler uses its own captured state after dropping the event's binding.
  TPing e;
  std::string seen;
  e = [&e, &seen, text = std::string(200, 'x')](TObject*) {
    e.Clear();
    seen = text;
  };
  e(nullptr);
  EXPECT_FALSE(e);
  EXPECT_EQ(seen, std::string(200, 'x'));

  int second = 0;
  e = [&e, &second, text = std::string(200, 'y')](TObject*) {
    e = [&second](TObject*) { second += 10; };
    second += static_cast<int>(text.size());
  };
  e(nullptr);
  e(nullptr);
  EXPECT_EQ(second, 210);
}

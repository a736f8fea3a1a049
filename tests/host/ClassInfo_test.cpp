// Class information: published members by name, stored order, checked casts, registry.
#include <gtest/gtest.h>

#include <cctype>

#include "SampleClasses.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace sample;

namespace {

std::vector<std::string> PropertyNames(const TClassInfo& info) {
  std::vector<std::string> names;
  for (const TPropInfo* p : info.Properties()) names.push_back(p->Name);
  return names;
}

}  // namespace

TEST(ClassInfo, PropertiesInDeclarationOrderRootClassFirst) {
  EXPECT_EQ(PropertyNames(TGadget::StaticClassInfo()),
            (std::vector<std::string>{"Name", "Tag", "Count", "Shape", "Active", "Shapes", "Caption", "Inner", "Lines",
                                      "Buddy", "Hidden", "OnPing"}));
}

TEST(ClassInfo, RepublishedPropertyKeepsItsPlaceWithNewDefault) {
  const TClassInfo& big = TBigGadget::StaticClassInfo();
  auto names = PropertyNames(big);
  ASSERT_EQ(names.size(), 13u);
  EXPECT_EQ(names[2], "Count");
  EXPECT_EQ(names.back(), "Weight");
  EXPECT_EQ(big.FindProperty("count")->Default, 7);
  EXPECT_FALSE(TGadget::StaticClassInfo().FindProperty("Count")->Default.has_value());
}

TEST(ClassInfo, KindsAndRanges) {
  const TClassInfo& c = TGadget::StaticClassInfo();
  EXPECT_EQ(c.FindProperty("Count")->Kind, TTypeKind::Integer);
  EXPECT_EQ(c.FindProperty("Count")->MaxValue, INT32_MAX);
  EXPECT_EQ(c.FindProperty("Shape")->Kind, TTypeKind::Enumeration);
  EXPECT_EQ(c.FindProperty("Active")->Enum->Names(), (std::vector<std::string>{"False", "True"}));
  EXPECT_EQ(c.FindProperty("Shapes")->Enum->Names(), (std::vector<std::string>{"shCircle", "shSquare", "shTriangle"}));
  EXPECT_EQ(c.FindProperty("Inner")->Kind, TTypeKind::Class);
  EXPECT_FALSE(c.FindProperty("Inner")->IsReference);
  EXPECT_TRUE(c.FindProperty("Buddy")->IsReference);
  EXPECT_EQ(c.FindProperty("OnPing")->Kind, TTypeKind::Method);
  EXPECT_EQ(c.FindProperty("NoSuchThing"), nullptr);
}

TEST(ClassInfo, MethodAddressFindsPublishedMethodsOnly) {
  TSampleRoot root(nullptr);
  TGadget* g = new TGadget(&root);
  const TMethodInfo* m = g->MethodAddress("ping");
  ASSERT_NE(m, nullptr);
  ASSERT_NE(m->As<void(Integer)>(), nullptr);
  EXPECT_EQ(m->As<void(TObject*)>(), nullptr);
  m->As<void(Integer)>()->Call(g, 5);
  EXPECT_EQ(g->pinged, 5);
  EXPECT_EQ(g->MethodAddress("Loaded"), nullptr);
  // Inherited classes find their ancestors' methods.
  TBigGadget big(nullptr);
  EXPECT_EQ(big.MethodAddress("Ping"), m);
}

TEST(ClassInfo, MethodCacheAnswersPerClass) {
  TMethodCache<void(Integer)> cache("Ping");
  EXPECT_EQ(cache.Find(TGadget::StaticClassInfo()), TGadget::StaticClassInfo().MethodAddress("Ping"));
  EXPECT_EQ(cache.Find(TSampleRoot::StaticClassInfo()), nullptr);
  TMethodCache<void(TObject*)> wrongShape("Ping");
  EXPECT_EQ(wrongShape.Find(TGadget::StaticClassInfo()), nullptr);
}

TEST(ClassInfo, FieldAddressGivesTheFieldItself) {
  TGadget g(nullptr);
  Integer* extra = g.FieldAddress<Integer>("Extra");
  ASSERT_NE(extra, nullptr);
  *extra = 42;
  EXPECT_EQ(g.Extra, 42);
  EXPECT_EQ(g.FieldAddress<std::string>("Extra"), nullptr);  // another type
  EXPECT_EQ(g.FieldAddress<Integer>("Missing"), nullptr);
}

TEST(ClassInfo, CheckedCastAndInheritance) {
  TBigGadget big(nullptr);
  TComponent* c = &big;
  EXPECT_TRUE(c->InheritsFrom<TGadget>());
  EXPECT_FALSE(c->InheritsFrom<TSampleRoot>());
  EXPECT_EQ(As<TGadget>(c), &big);
  EXPECT_THROW(As<TSampleRoot>(c), EInvalidCast);
  EXPECT_EQ(As<TGadget>(static_cast<TObject*>(nullptr)), nullptr);
  EXPECT_EQ(big.ClassName(), "TBigGadget");
}

TEST(ClassInfo, RegistryCreatesByNameAndRefusesAbstractClasses) {
  const TClassInfo* info = FindClass("tgadget");
  ASSERT_NE(info, nullptr);
  TSampleRoot root(nullptr);
  TComponent* made = info->Create(&root);
  EXPECT_EQ(made->ClassName(), "TGadget");
  EXPECT_EQ(made->Owner(), &root);
  EXPECT_EQ(FindClass("TNoSuchClass"), nullptr);
  EXPECT_THROW(GetClass("TNoSuchClass"), EClassNotFound);
  EXPECT_FALSE(GetClass("TAbstractThing").CanCreate());
  EXPECT_THROW(GetClass("TAbstractThing").Create(&root), EClassNotFound);
}

TEST(ClassInfo, EventsBindByNameAndCheckTheirSignature) {
  TSampleRoot root(nullptr);
  TGadget g(nullptr);
  g.OnPing = TEvent<void(TObject*)>(&root, "GadgetPing");
  g.OnPing(&g);
  EXPECT_EQ(root.pings, 1);
  EXPECT_EQ(g.OnPing.MethodName(), "GadgetPing");
  EXPECT_THROW(TEvent<void(TObject*)>(&root, "WrongShape"), EInvalidCast);
  EXPECT_THROW(TEvent<void(TObject*)>(&root, "Missing"), EInvalidCast);
  int calls = 0;
  g.OnPing = [&](TObject*) { ++calls; };
  g.OnPing(nullptr);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(g.OnPing.MethodName().empty());
}

TEST(ClassInfo, SetsAndEnumNames) {
  TShapes s{shCircle, shTriangle};
  EXPECT_TRUE(s.Contains(shTriangle));
  EXPECT_FALSE(s.Contains(shSquare));
  EXPECT_EQ((s - TShapes{shCircle}), TShapes{shTriangle});
  EXPECT_EQ(EnumInfoOf<TShape>().ValueOf("SHSQUARE"), 1);
  EXPECT_EQ(EnumInfoOf<TShape>().NameOf(7), "");
}

// Look-ups in stored order (the order a form file gives), out of it, in other cases, and
// of names that are not there, on classes large enough to grow their index several times.
TEST(ClassInfo, EveryPropertyIsFoundByNameInAnyOrderAndCase) {
  for (const TClassInfo* info : {&TGadget::StaticClassInfo(), &TBigGadget::StaticClassInfo(), &TForm::StaticClassInfo(),
                                 &TButton::StaticClassInfo()}) {
    SCOPED_TRACE(info->Name());
    const std::vector<TPropInfo*>& props = info->Properties();
    for (int pass = 0; pass < 3; ++pass)
      for (size_t k = 0; k < props.size(); ++k) {
        // In order, backwards, then every third with a wrap.
        const size_t i = pass == 0 ? k : pass == 1 ? props.size() - 1 - k : (3 * k) % props.size();
        std::string name = props[i]->Name;
        if (pass == 1) for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (pass == 2) for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(info->FindProperty(name), props[i]) << name;
        EXPECT_EQ(info->FindProperty(name + "x"), nullptr);
      }
    EXPECT_EQ(info->FindProperty(""), nullptr);
  }
  // A republished property is found once, as the descendant declares it.
  EXPECT_EQ(TBigGadget::StaticClassInfo().FindProperty("COUNT")->Default, 7);
}

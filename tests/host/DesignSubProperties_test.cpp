// What the Object Inspector lists: a selection's properties and events, the parts
// sub-objects and sets expand into, and the properties several components share.
#include <gtest/gtest.h>

#include "host/design/DesignIntf.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

struct Listing : ::testing::Test {
  TForm form{nullptr};
  TFormDesigner designer{&form};
  TButton* button = new TButton(&form);
  TLabel* label = new TLabel(&form);
  Listing() {
    ClearDesignRegistrations();
    button->SetName("Button1");
    button->SetParent(&form);
    label->SetName("Label1");
    label->SetParent(&form);
    designer.ResetModified();
  }
  ~Listing() override { ClearDesignRegistrations(); }

  std::vector<std::string> Names(const std::vector<TPersistent*>& selection, TPropertyKinds kinds) {
    std::vector<std::string> out;
    GetComponentProperties(&designer, selection, kinds, [&](std::unique_ptr<TPropertyEditor> e) { out.push_back(e->GetName()); });
    return out;
  }
  std::vector<std::unique_ptr<TPropertyEditor>> Parts(TPropertyEditor& editor) {
    std::vector<std::unique_ptr<TPropertyEditor>> out;
    editor.GetProperties([&](std::unique_ptr<TPropertyEditor> e) { out.push_back(std::move(e)); });
    return out;
  }
};

TEST_F(Listing, PropertiesInDeclarationOrderEventsApart) {
  std::vector<std::string> expected;
  for (const TPropInfo* p : label->ClassInfo().Properties())
    if (p->Kind != TTypeKind::Method) expected.push_back(p->Name);
  EXPECT_EQ(Names({label}, TPropertyKinds::Properties), expected);
  EXPECT_EQ(Names({label}, TPropertyKinds::Events), (std::vector<std::string>{"OnClick", "OnMouseDown", "OnMouseUp"}));
}

TEST_F(Listing, SeveralComponentsShareOnlyMultiSelectProperties) {
  const auto shared = Names({button, label}, TPropertyKinds::Properties);
  for (const char* name : {"Left", "Top", "Caption", "Font", "Visible"})
    EXPECT_NE(std::find(shared.begin(), shared.end(), name), shared.end()) << name;
  // Names are unique; a button's Cancel is no label's; a label's Layout no button's.
  for (const char* name : {"Name", "Cancel", "Layout", "WordWrap"})
    EXPECT_EQ(std::find(shared.begin(), shared.end(), name), shared.end()) << name;
  auto left = GetPropertyEditor(&designer, {button, label}, "Left");
  left->SetValue("33");
  EXPECT_EQ(button->Left(), 33);
  EXPECT_EQ(label->Left(), 33);
  EXPECT_EQ(GetPropertyEditor(&designer, {button}, "Name")->GetAttributes(), TPropertyAttributes{});
}

TEST_F(Listing, SeveralComponentsAgreeWhenTheirValuesDo) {
  auto equal = [&](const char* name) { return GetPropertyEditor(&designer, {button, label}, name)->AllEqual(); };
  button->SetCaption("Same");
  label->SetCaption("Same");
  EXPECT_TRUE(equal("Caption"));
  label->SetCaption("Other");
  EXPECT_FALSE(equal("Caption"));
  EXPECT_TRUE(equal("Font"));  // "(TFont)" for both
  EXPECT_TRUE(equal("OnClick"));
  button->OnClick.SetUnbound("ButtonClick");
  EXPECT_FALSE(equal("OnClick"));
  label->OnClick.SetUnbound("ButtonClick");
  EXPECT_TRUE(equal("OnClick"));
  // Each component is reached through its own class's accessors.
  GetPropertyEditor(&designer, {button, label}, "OnClick")->SetValue("Both");
  EXPECT_EQ(label->OnClick.MethodName(), "Both");
  EXPECT_THROW(GetPropertyEditor(&designer, {button, label}, "Cancel"), EPropertyError);
}

TEST_F(Listing, AFontExpandsIntoItsPropertiesAndItsStyleIntoTrueFalseRows) {
  auto font = GetPropertyEditor(&designer, {button, label}, "Font");
  auto parts = Parts(*font);
  std::vector<std::string> names;
  for (auto& p : parts) names.push_back(p->GetName());
  EXPECT_EQ(names, (std::vector<std::string>{"Color", "Height", "Name", "Pitch", "Size", "Style"}));
  TPropertyEditor& style = *parts.back();
  EXPECT_TRUE(style.GetAttributes().Contains(paSubProperties));
  auto elements = Parts(style);
  ASSERT_EQ(elements.size(), 4u);
  EXPECT_EQ(elements[2]->GetName(), "fsUnderline");
  EXPECT_EQ(elements[2]->GetValue(), "False");
  std::vector<std::string> values;
  elements[2]->GetValues([&](const std::string& v) { values.push_back(v); });
  EXPECT_EQ(values, (std::vector<std::string>{"False", "True"}));
  // Each component keeps its other styles.
  label->Font()->SetStyle(TFontStyles{fsBold});
  EXPECT_FALSE(elements[0]->AllEqual());
  elements[2]->SetValue("true");
  EXPECT_EQ(button->Font()->Style(), TFontStyles{fsUnderline});
  EXPECT_EQ(label->Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(style.GetValue(), "[fsUnderline]");
  EXPECT_EQ(designer.ModifiedCount(), 1);
  EXPECT_THROW(elements[2]->SetValue("Yes"), EPropertyError);
  EXPECT_EQ(button->Font()->Style(), TFontStyles{fsUnderline});
}

TEST_F(Listing, ColoursAreListedByName) {
  auto color = GetPropertyEditor(&designer, {label}, "Color");
  EXPECT_TRUE(color->GetAttributes().Contains(paValueList));
  std::vector<std::string> names;
  color->GetValues([&](const std::string& v) { names.push_back(v); });
  EXPECT_NE(std::find(names.begin(), names.end(), "clBtnFace"), names.end());
  color->SetValue("clRed");
  EXPECT_EQ(label->Color(), clRed);
  EXPECT_EQ(color->GetValue(), "clRed");
  EXPECT_FALSE(GetPropertyEditor(&designer, {label}, "Left")->GetAttributes().Contains(paValueList));
}

TEST_F(Listing, ARegisteredEditorServesTheParts) {
  class TShout : public TStringProperty {
   public:
    using TStringProperty::TStringProperty;
    std::string GetValue() override { return "!" + GetStrValue(); }
  };
  RegisterPropertyEditor(TypeInfo<std::string>(), &TFont::StaticClassInfo(), "Name", PropertyEditorClass<TShout>());
  auto parts = Parts(*GetPropertyEditor(&designer, {button}, "Font"));
  EXPECT_EQ(parts[2]->GetValue(), "!" + button->Font()->Name());
}

}  // namespace

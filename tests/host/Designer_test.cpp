// The designer interface: property editors and how they are chosen, component editors,
// the palette, and the screenless form designer.
#include <gtest/gtest.h>

#include "host/design/DesignIntf.h"
#include "host/stdctrls/Buttons.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

struct Design : ::testing::Test {
  TForm form{nullptr};
  TFormDesigner designer{&form};
  Design() { ClearDesignRegistrations(); }
  ~Design() override { ClearDesignRegistrations(); }
};

class TMarkerEditor : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  std::string GetValue() override { return "marker"; }
};

class TOtherMarker : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  std::string GetValue() override { return "other"; }
};

TEST_F(Design, DefaultEditorsShowAndTakeValuesByKind) {
  auto* b = new TButton(&form);
  b->SetName("B");
  b->SetParent(&form);
  auto width = GetPropertyEditor(&designer, {b}, "Width");
  EXPECT_EQ(width->GetValue(), "75");
  width->SetValue("90");
  EXPECT_EQ(b->Width(), 90);
  EXPECT_EQ(designer.ModifiedCount(), 1);
  EXPECT_THROW(width->SetValue("abc"), EConvertError);
  auto visible = GetPropertyEditor(&designer, {b}, "Visible");
  EXPECT_EQ(visible->GetValue(), "True");
  visible->SetValue("False");
  EXPECT_FALSE(b->Visible());
  EXPECT_THROW(visible->SetValue("Maybe"), EPropertyError);
  auto font = GetPropertyEditor(&designer, {b}, "Font");
  EXPECT_EQ(font->GetValue(), "(TFont)");
  EXPECT_TRUE(font->GetAttributes().Contains(paSubProperties));
  EXPECT_EQ(font->GetOrdValue(), static_cast<std::int64_t>(reinterpret_cast<NativeInt>(b->Font())));
  EXPECT_EQ(font->GetObjectValueAs<TFont>(), b->Font());
  EXPECT_THROW(font->GetObjectValueAs<TButton>(), EInvalidCast);
  auto caption = GetPropertyEditor(&designer, {b}, "Caption");
  caption->SetValue("Go");
  EXPECT_EQ(b->Caption(), "Go");
  EXPECT_EQ(caption->GetComponent(0), b);
  EXPECT_THROW(caption->GetComponent(1), EListError);
  EXPECT_EQ(GetPropertyEditor(&designer, {b}, "NoSuchProperty"), nullptr);
}

TEST_F(Design, AnIntegerEditorKeepsToTheRangeOfItsPropertyAndKnowsNamedValues) {
  auto* l = new TLabel(&form);
  auto* b = new TBitBtn(&form);
  auto glyphs = GetPropertyEditor(&designer, {b}, "NumGlyphs");
  EXPECT_THROW(glyphs->SetValue("300"), EPropertyError);  // one byte
  glyphs->SetValue("3");
  EXPECT_EQ(b->NumGlyphs(), 3);
  // Symbolic values are shown and taken by name.
  auto color = GetPropertyEditor(&designer, {l}, "Color");
  EXPECT_EQ(color->GetValue(), "clBtnFace");
  color->SetValue("clRed");
  EXPECT_EQ(l->Color(), clRed);
}

TEST_F(Design, TheMostSpecificRegistrationWinsThenTheLaterOne) {
  auto* p = new TPanel(&form);
  auto* b = new TButton(&form);
  RegisterPropertyEditor(TypeInfo<Integer>(), nullptr, "", PropertyEditorClass<TMarkerEditor>());
  EXPECT_EQ(GetPropertyEditor(&designer, {p}, "Width")->GetValue(), "marker");
  RegisterPropertyEditor(TypeInfo<Integer>(), &TPanel::StaticClassInfo(), "Width", PropertyEditorClass<TOtherMarker>());
  EXPECT_EQ(GetPropertyEditor(&designer, {p}, "Width")->GetValue(), "other");
  EXPECT_EQ(GetPropertyEditor(&designer, {p}, "Height")->GetValue(), "marker");
  EXPECT_EQ(GetPropertyEditor(&designer, {b}, "Width")->GetValue(), "marker");  // not a panel
  // A later registration of the same rank replaces an earlier one.
  RegisterPropertyEditor(TypeInfo<Integer>(), nullptr, "", PropertyEditorClass<TOtherMarker>());
  EXPECT_EQ(GetPropertyEditor(&designer, {b}, "Width")->GetValue(), "other");
  // Class types match descendants: a TGraphicsObject editor serves TFont properties.
  RegisterPropertyEditor(TypeInfo<TGraphicsObject>(), nullptr, "", PropertyEditorClass<TMarkerEditor>());
  EXPECT_EQ(GetPropertyEditor(&designer, {b}, "Font")->GetValue(), "marker");
  RegisterPropertyEditor(TypeInfo<TFont>(), nullptr, "", PropertyEditorClass<TClassProperty>());
  EXPECT_EQ(GetPropertyEditor(&designer, {b}, "Font")->GetValue(), "(TFont)");
}

class TVerbs : public TComponentEditor {
 public:
  using TComponentEditor::TComponentEditor;
  static inline std::vector<Integer> executed;
  Integer GetVerbCount() override { return 2; }
  std::string GetVerb(Integer i) override { return i == 0 ? "&First" : "Second"; }
  void ExecuteVerb(Integer i) override { executed.push_back(i); }
};

TEST_F(Design, ComponentEditorsServeDescendantsAndEditRunsVerbZero) {
  RegisterComponentEditor(TWinControl::StaticClassInfo(), ComponentEditorClass<TVerbs>());
  auto* p = new TPanel(&form);
  auto editor = GetComponentEditor(p, &designer);
  ASSERT_EQ(editor->GetVerbCount(), 2);
  TVerbs::executed.clear();
  editor->Edit();
  EXPECT_EQ(TVerbs::executed, std::vector<Integer>{0});
  auto* l = new TLabel(&form);  // not a windowed control: the plain editor, without verbs
  auto plain = GetComponentEditor(l, &designer);
  EXPECT_EQ(plain->GetVerbCount(), 0);
  plain->Edit();
  EXPECT_EQ(TVerbs::executed.size(), 1u);
}

TEST_F(Design, RegisterComponentsFillsPalettePagesInOrder) {
  RegisterComponents("Zelvant", {&TPanel::StaticClassInfo(), &TButton::StaticClassInfo()});
  RegisterComponents("Standard", {&TLabel::StaticClassInfo()});
  RegisterComponents("zelvant", {&TPanel::StaticClassInfo(), &TImage::StaticClassInfo()});
  EXPECT_EQ(PalettePages(), (std::vector<std::string>{"Zelvant", "Standard"}));
  EXPECT_EQ(PaletteClasses("Zelvant"),
            (std::vector<const TClassInfo*>{&TPanel::StaticClassInfo(), &TButton::StaticClassInfo(), &TImage::StaticClassInfo()}));
  EXPECT_TRUE(PaletteClasses("Missing").empty());
}

TEST_F(Design, TheDesignerSelectsWhatIsClickedAndMovesWhatIsDragged) {
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 200, 150);
  designer.LoadForm(R"(object F: TForm
  object Box: TPanel
    Left = 10
    Top = 10
    Width = 80
    Height = 40
  end
end
)");
  auto* box = As<TPanel>(form.FindComponent("Box"));
  ASSERT_TRUE(box->ComponentState().Contains(csDesigning));
  form.HandleMouse(miDown, mbLeft, {}, Point(20, 20));
  EXPECT_EQ(designer.Selected(), box);
  form.HandleMouse(miMove, mbLeft, TShiftState{ssLeft}, Point(35, 27));
  form.HandleMouse(miUp, mbLeft, {}, Point(35, 27));
  EXPECT_EQ(box->Left(), 25);
  EXPECT_EQ(box->Top(), 17);
  EXPECT_EQ(designer.ModifiedCount(), 1);
  // A click without a move selects but changes nothing.
  form.HandleMouse(miDown, mbLeft, {}, Point(150, 100));
  form.HandleMouse(miUp, mbLeft, {}, Point(150, 100));
  EXPECT_EQ(designer.Selected(), &form);
  EXPECT_EQ(designer.ModifiedCount(), 1);
  // Components handed over by code are selected too, and forgotten when freed.
  designer.SelectComponent(box);
  EXPECT_EQ(designer.GetSelections(), std::vector<TPersistent*>{box});
  delete box;
  EXPECT_TRUE(designer.GetSelections().empty());
}

TEST_F(Design, KeysGoToTheDesignerNotToDesignedControls) {
  auto* b = new TButton(&form);
  b->SetParent(&form);
  int keys = 0;
  b->OnKeyDown = [&](TObject*, Word&, TShiftState) { ++keys; };
  b->Perform(WM_KEYDOWN, 'A');
  EXPECT_EQ(keys, 0);
  b->SetDesigning(false);
  b->Perform(WM_KEYDOWN, 'A');
  EXPECT_EQ(keys, 1);
}

}  // namespace

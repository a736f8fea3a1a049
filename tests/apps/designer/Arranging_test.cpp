// Placing and arranging with the mouse and the keys, as a person does.
#include "DesignerFixture.h"
#include "host/forms/Backend.h"
#include "host/forms/Clipbrd.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace designertest {

TEST_F(DesignerTest, ClickPlacesDefaultSizeSnappedWithUniqueNamesInTheContainerUnderTheMouse) {
  TControl* b1 = Drop("TButton", Point(21, 19));
  ASSERT_NE(b1, nullptr);
  EXPECT_EQ(b1->Name(), "Button1");
  EXPECT_EQ(b1->BoundsRect(), Bounds(24, 16, 96, 32));  // snapped to the 8-pixel grid
  EXPECT_EQ(Drop("TButton", Point(160, 16))->Name(), "Button2");
  TControl* panel = Drop("TPanel", Point(16, 80));
  ASSERT_NE(panel, nullptr);
  TControl* inner = Drop("TLabel", Point(24, 88));
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->Parent(), panel);
  EXPECT_EQ(inner->Left(), 8);  // in the panel's coordinates
  EXPECT_EQ(window_->Editor().Selection(), std::vector<TComponent*>{inner});
  EXPECT_EQ(window_->Editor().PlacingClass(), nullptr) << "the palette returns to the arrow";
}

TEST_F(DesignerTest, DragPlacesTheDraggedRectangle) {
  drive_->ChooseClass("TPanel");
  drive_->Drag(drive_->FormPoint(Point(17, 15)), drive_->FormPoint(Point(201, 122)));
  TControl* p = Control("Panel1");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->BoundsRect(), Rect(16, 16, 200, 120));
}

TEST_F(DesignerTest, ClickShiftClickAndRubberBandSelect) {
  TControl* a = Drop("TButton", Point(16, 16));
  TControl* b = Drop("TButton", Point(16, 64));
  TControl* c = Drop("TButton", Point(200, 200));
  designer::TFormEditor& e = window_->Editor();
  drive_->Click(drive_->FormPoint(Point(20, 20)));
  EXPECT_EQ(e.Selection(), std::vector<TComponent*>{a});
  drive_->Click(drive_->FormPoint(Point(20, 70)), TShiftState{ssShift});
  EXPECT_EQ(e.Selection(), (std::vector<TComponent*>{a, b}));
  drive_->Click(drive_->FormPoint(Point(20, 20)), TShiftState{ssShift});
  EXPECT_EQ(e.Selection(), std::vector<TComponent*>{b}) << "Shift+click takes a selected one out";
  // A band from the empty corner over the first two, not the third.
  drive_->Drag(drive_->FormPoint(Point(4, 4)), drive_->FormPoint(Point(60, 70)));
  EXPECT_EQ(e.Selection(), (std::vector<TComponent*>{a, b}));
  drive_->Click(drive_->FormPoint(Point(300, 150)));
  EXPECT_EQ(e.Selection(), std::vector<TComponent*>{window_->Document().Form()});
  (void)c;
}

TEST_F(DesignerTest, DraggingMovesTheSelectionOnTheGridAndIsOneUndoStep) {
  TControl* a = Drop("TButton", Point(16, 16));
  TControl* b = Drop("TButton", Point(16, 64));
  drive_->Click(drive_->FormPoint(Point(20, 20)));
  drive_->Click(drive_->FormPoint(Point(20, 70)), TShiftState{ssShift});  // a and b
  const size_t steps = window_->Document().UndoSteps();
  drive_->Drag(drive_->FormPoint(Point(20, 20)), drive_->FormPoint(Point(51, 38)), 6);
  EXPECT_EQ(a->BoundsRect(), Bounds(48, 32, 96, 32));
  EXPECT_EQ(b->BoundsRect(), Bounds(48, 80, 96, 32));
  EXPECT_EQ(window_->Document().UndoSteps(), steps + 1);
  window_->SetGrid(false);
  drive_->Drag(drive_->FormPoint(Point(50, 34)), drive_->FormPoint(Point(53, 39)));
  EXPECT_EQ(a->Left(), 51) << "without the grid a drag moves by the pixel";
  EXPECT_EQ(a->Top(), 37);
  window_->Undo();
  window_->Undo();
  EXPECT_EQ(Control("Button1")->BoundsRect(), Bounds(16, 16, 96, 32));
}

TEST_F(DesignerTest, EightGrabHandlesResizeFromTheirSide) {
  TControl* p = Drop("TPanel", Point(40, 40));
  const std::vector<TRect> handles = designer::TFormEditor::HandleRects(designer::TFormEditor::WindowRectOf(*p));
  ASSERT_EQ(handles.size(), 8u);
  const TRect& window = window_->WindowClientArea();
  auto client = [&](const TRect& h) { return Point((h.Left + h.Right) / 2 - window.Left, (h.Top + h.Bottom) / 2 - window.Top); };
  // The bottom-right handle grows the panel; the top-left one moves its corner.
  drive_->Drag(client(handles[4]), Point(client(handles[4]).X + 16, client(handles[4]).Y + 8));
  EXPECT_EQ(p->BoundsRect(), Bounds(40, 40, 112, 40));
  const std::vector<TRect> again = designer::TFormEditor::HandleRects(designer::TFormEditor::WindowRectOf(*p));
  drive_->Drag(client(again[0]), Point(client(again[0]).X - 8, client(again[0]).Y + 8));
  EXPECT_EQ(p->BoundsRect(), Rect(32, 48, 152, 80));
}

TEST_F(DesignerTest, ArrowsMoveShiftArrowsResizeDeleteDeletes) {
  TControl* p = Drop("TPanel", Point(40, 40));
  Drop("TButton", Point(48, 48));  // inside the panel
  drive_->Key(VK_ESCAPE);  // from the button to its panel
  ASSERT_EQ(window_->Editor().Selection(), std::vector<TComponent*>{p});
  drive_->Key(VK_RIGHT);
  drive_->Key(VK_DOWN);
  EXPECT_EQ(p->BoundsRect(), Bounds(41, 41, 96, 32));
  drive_->Key(VK_LEFT, TShiftState{ssShift});
  drive_->Key(VK_DOWN, TShiftState{ssShift});
  EXPECT_EQ(p->BoundsRect(), Bounds(41, 41, 95, 33));
  drive_->Key(VK_DELETE);
  EXPECT_EQ(Control("Panel1"), nullptr);
  EXPECT_EQ(Control("Button1"), nullptr) << "the panel's controls go with it";
  EXPECT_EQ(window_->Document().Form()->ComponentCount(), 0);
  window_->Undo();
  EXPECT_NE(Control("Button1"), nullptr);
}

TEST_F(DesignerTest, CopyAndPasteGiveNewNamesAndChangeNothingOnBadText) {
  TControl* p = Drop("TPanel", Point(16, 16));
  Drop("TButton", Point(24, 24));
  drive_->Key(VK_ESCAPE);
  ASSERT_EQ(window_->Editor().Selection(), std::vector<TComponent*>{p});
  drive_->Key('C', TShiftState{ssCtrl});
  const std::string copied = Clipboard().AsText();
  EXPECT_EQ(copied.rfind("object Panel1: TPanel\n", 0), 0u) << copied;
  EXPECT_NE(copied.find("  object Button1: TButton\n"), std::string::npos);
  drive_->Click(drive_->FormPoint(Point(300, 200)));  // the form
  drive_->Key('V', TShiftState{ssCtrl});
  ASSERT_NE(Control("Panel2"), nullptr);
  ASSERT_NE(Control("Button2"), nullptr);
  EXPECT_EQ(Control("Button2")->Parent(), Control("Panel2"));
  EXPECT_EQ(window_->Editor().Selection(), std::vector<TComponent*>{Control("Panel2")});
  const std::string before = window_->Document().Text();
  EXPECT_THROW(window_->Editor().PasteText("object X: TButton\n  Left = \n"), EFormReadError);
  EXPECT_EQ(host::WriteForm(window_->Document().Form(), window_->Document().RootClassName()), before);
}

TEST_F(DesignerTest, TheHandlesAreDrawnAroundTheSelection) {
  TControl* b = Drop("TButton", Point(40, 40));
  TBitmap shot;
  window_->PaintTo(shot);
  const TRect r = designer::TFormEditor::WindowRectOf(*b);
  const TRect h = designer::TFormEditor::HandleRects(r)[4];
  const std::uint32_t blue = 0x0078D7;
  EXPECT_EQ(shot.Pixel(h.Left + 2, h.Top + 2) & 0xFFFFFF, blue);
  EXPECT_EQ(shot.Pixel(h.Left, h.Top) & 0xFFFFFF, 0xFFFFFFu) << "a white rim";
  drive_->Click(drive_->FormPoint(Point(300, 200)));
  window_->PaintTo(shot);
  EXPECT_NE(shot.Pixel(h.Left + 2, h.Top + 2) & 0xFFFFFF, blue) << "the handle went with the selection";
}

}  // namespace designertest

namespace designertest {

TEST_F(DesignerTest, TheInspectorFollowsADragStepByStep) {
  TControl* b = Drop("TButton", Point(16, 16));
  designer::TObjectInspector& in = *window_->Inspector();
  const Integer left = in.FindRow("Left");
  ASSERT_GE(left, 0);
  EXPECT_EQ(in.Row(left).Value, "16");
  THeadlessBackend& input = *Application->Headless();
  const TPoint from = drive_->FormPoint(Point(20, 20));
  input.MouseDown(from);
  input.MouseMove(Point(from.X + 17, from.Y), TShiftState{ssLeft});
  Application->ProcessMessages();
  EXPECT_EQ(b->Left(), 32);
  EXPECT_EQ(in.Row(in.FindRow("Left")).Value, "32") << "updated while the button is still down";
  input.MouseUp(Point(from.X + 17, from.Y));
  Application->ProcessMessages();
}

}  // namespace designertest

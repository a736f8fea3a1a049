// Alignment of children within the parent's client rectangle, in the classic order.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host/stdctrls/ExtCtrls.h"
#include "host/forms/Forms.h"

using namespace host;

namespace {

// A container whose client rectangle is smaller than its bounds, like a control that
// keeps a strip for itself.
class TInsetBox : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  TRect GetClientRect() const override { return Rect(10, 5, Width() - 20, Height() - 30); }
};

struct Child {
  TAlign align;
  TRect bounds;  // before aligning
  TRect expected;
};

struct AlignCase {
  const char* name;
  std::vector<Child> children;
};

class AlignTable : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignTable, ChildrenEndUpWhereTheClassicOrderPutsThem) {
  TInsetBox box(nullptr);
  box.SetBounds(0, 0, 200, 150);  // client rectangle (10, 5) - (180, 120)
  std::vector<std::unique_ptr<TPanel>> panels;
  box.DisableAlign();  // all children in place first, so that only their bounds decide
  for (const Child& c : GetParam().children) {
    panels.push_back(std::make_unique<TPanel>(nullptr));
    panels.back()->SetBoundsRect(c.bounds);
    panels.back()->SetAlign(c.align);
    panels.back()->SetParent(&box);
  }
  box.EnableAlign();
  for (size_t i = 0; i < panels.size(); ++i)
    EXPECT_EQ(panels[i]->BoundsRect(), GetParam().children[i].expected) << GetParam().name << ", child " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Host, AlignTable,
    ::testing::Values(
        AlignCase{"client fills the client rectangle", {{alClient, Rect(0, 0, 1, 1), Rect(10, 5, 180, 120)}}},
        AlignCase{"top keeps its height", {{alTop, Rect(50, 50, 60, 80), Rect(10, 5, 180, 35)}}},
        AlignCase{"bottom keeps its height", {{alBottom, Rect(0, 0, 5, 20), Rect(10, 100, 180, 120)}}},
        AlignCase{"left and right keep their widths",
                  {{alLeft, Rect(0, 0, 30, 5), Rect(10, 5, 40, 120)}, {alRight, Rect(0, 0, 25, 5), Rect(155, 5, 180, 120)}}},
        AlignCase{"top and bottom go before left, right and client",
                  {{alClient, Rect(0, 0, 1, 1), Rect(40, 25, 160, 100)},
                   {alRight, Rect(0, 0, 20, 1), Rect(160, 25, 180, 100)},
                   {alLeft, Rect(0, 0, 30, 1), Rect(10, 25, 40, 100)},
                   {alBottom, Rect(0, 0, 1, 20), Rect(10, 100, 180, 120)},
                   {alTop, Rect(0, 0, 1, 20), Rect(10, 5, 180, 25)}}},
        AlignCase{"two tops stack in the order of their tops",
                  {{alTop, Rect(0, 40, 1, 50), Rect(10, 15, 180, 25)}, {alTop, Rect(0, 10, 1, 20), Rect(10, 5, 180, 15)}}},
        AlignCase{"two bottoms: the lower one goes to the edge",
                  {{alBottom, Rect(0, 90, 1, 100), Rect(10, 100, 180, 110)},
                   {alBottom, Rect(0, 130, 1, 140), Rect(10, 110, 180, 120)}}},
        AlignCase{"unaligned children stay put", {{alNone, Rect(3, 4, 13, 24), Rect(3, 4, 13, 24)}}},
        AlignCase{"a client in too little room keeps its own height",
                  {{alTop, Rect(0, 0, 1, 200), Rect(10, 5, 180, 205)}, {alClient, Rect(0, 0, 7, 9), Rect(10, 205, 180, 214)}}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(Align, TheControlThatMovesIsPlacedByItsNewPosition) {
  TPanel parent(nullptr);
  parent.SetBevelOuter(bvNone);
  parent.SetBounds(0, 0, 100, 100);
  TPanel a(nullptr), b(nullptr);
  a.SetHeight(10);
  b.SetHeight(10);
  a.SetAlign(alTop);
  b.SetAlign(alTop);
  a.SetParent(&parent);
  b.SetTop(50);  // below a; at the same top it would go above it
  b.SetParent(&parent);
  EXPECT_EQ(b.Top(), 10);
  // Dragging b above a swaps them, as in the designer.
  b.SetTop(-1);
  EXPECT_EQ(b.Top(), 0);
  EXPECT_EQ(a.Top(), 10);
}

TEST(Align, ResizingTheParentRealignsAndHiddenChildrenTakeNoRoom) {
  TPanel parent(nullptr);
  parent.SetBounds(0, 0, 100, 100);
  parent.SetBevelOuter(bvNone);
  TPanel top(nullptr), client(nullptr);
  top.SetHeight(10);
  top.SetAlign(alTop);
  top.SetParent(&parent);
  client.SetAlign(alClient);
  client.SetParent(&parent);
  EXPECT_EQ(client.BoundsRect(), Rect(0, 10, 100, 100));
  parent.SetBounds(0, 0, 60, 50);
  EXPECT_EQ(top.BoundsRect(), Rect(0, 0, 60, 10));
  EXPECT_EQ(client.BoundsRect(), Rect(0, 10, 60, 50));
  top.SetVisible(false);
  EXPECT_EQ(client.BoundsRect(), Rect(0, 0, 60, 50));
  // An aligned child cannot be moved away from its place.
  client.SetBounds(5, 5, 10, 10);
  EXPECT_EQ(client.BoundsRect(), Rect(0, 0, 60, 50));
}

TEST(Align, BevelsAndBordersShrinkTheAreaOfAPanel) {
  TPanel parent(nullptr);
  parent.SetBounds(0, 0, 100, 80);
  parent.SetBevelWidth(2);
  parent.SetBorderWidth(3);  // outer bevel 2 + border 3
  TPanel child(nullptr);
  child.SetAlign(alClient);
  child.SetParent(&parent);
  EXPECT_EQ(child.BoundsRect(), Rect(5, 5, 95, 75));
}

TEST(Align, TheFormsClientAreaExcludesFrameAndCaption) {
  TForm form(nullptr);
  form.SetBorderStyle(bsDialog);
  form.SetBounds(0, 0, 200, 150);
  EXPECT_EQ(form.ClientRect(), Rect(0, 0, 200 - 2 * form.FrameWidth(), 150 - 2 * form.FrameWidth() - form.CaptionHeight()));
  TPanel p(&form);
  p.SetAlign(alClient);
  p.SetParent(&form);
  EXPECT_EQ(p.BoundsRect(), form.ClientRect());
  form.SetBorderStyle(bsNone);
  EXPECT_EQ(p.BoundsRect(), Rect(0, 0, 200, 150));
}

TEST(Align, AnEmbeddedMaximizedFormFillsItsParent) {
  TForm host(nullptr);
  TPanel box(&host);
  box.SetBounds(10, 10, 120, 90);
  box.SetBevelOuter(bvNone);
  box.SetParent(&host);
  TForm inner(nullptr);
  inner.SetBorderStyle(bsNone);
  inner.SetWindowState(wsMaximized);
  inner.SetParent(&box);
  EXPECT_EQ(inner.BoundsRect(), Rect(0, 0, 120, 90));
  box.SetBounds(10, 10, 200, 50);
  EXPECT_EQ(inner.BoundsRect(), Rect(0, 0, 200, 50));
  inner.SetParent(nullptr);
}

}  // namespace

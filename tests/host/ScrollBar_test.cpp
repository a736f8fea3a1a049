// The scroll bar by its arrows, its track, its thumb, the keys and the wheel.
#include <gtest/gtest.h>

#include "InputFixture.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace inputtest;

namespace {

struct ScrollBars : InputForm {
  TScrollBar* bar;
  std::vector<TScrollCode> codes;
  ScrollBars() {
    bar = new TScrollBar(&form);
    bar->SetKind(sbVertical);
    bar->SetBounds(10, 10, 16, 200);
    bar->SetParams(0, 0, 99);
    bar->SetPageSize(10);
    bar->SetLargeChange(10);
    bar->SetParent(&form);
    bar->OnScroll = [this](TObject*, TScrollCode code, Integer&) { codes.push_back(code); };
    Show();
  }
};

}  // namespace

TEST_F(ScrollBars, ArrowsTrackAndKeysMoveWithinTheRange) {
  EXPECT_EQ(bar->Width(), 16);  // SetKind turned the default shape upright
  EXPECT_EQ(bar->MaxPosition(), 90);
  Click(At(bar, 8, 5));
  EXPECT_EQ(bar->Position(), 0);  // already at the top
  Click(At(bar, 8, 195));
  Click(At(bar, 8, 195));
  EXPECT_EQ(bar->Position(), 2);
  Click(At(bar, 8, 150));  // below the thumb: a page
  EXPECT_EQ(bar->Position(), 12);
  Key(VK_END);
  EXPECT_EQ(bar->Position(), 90);
  Key(VK_NEXT);
  EXPECT_EQ(bar->Position(), 90);
  Key(VK_UP);
  EXPECT_EQ(bar->Position(), 89);
  EXPECT_EQ(codes.front(), scLineUp);
  Wheel(At(bar, 8, 100), 1);
  EXPECT_EQ(bar->Position(), 86);
}

TEST_F(ScrollBars, ThumbFollowsTheMouseAndIsSizedByThePage) {
  const TRect track = bar->TrackRect(), thumb = bar->ThumbRect();
  EXPECT_EQ(track.Height(), 200 - 32);
  EXPECT_EQ(thumb.Height(), track.Height() * 10 / 100);
  const int grab = thumb.Top + 2;
  Drag(At(bar, 8, grab), At(bar, 8, grab + (track.Height() - thumb.Height()) / 2));
  EXPECT_NEAR(bar->Position(), 45, 1);
  EXPECT_EQ(codes.back(), scEndScroll);
  Drag(At(bar, 8, bar->ThumbRect().Top + 2), At(bar, 8, 1000));
  EXPECT_EQ(bar->Position(), 90);
  EXPECT_EQ(bar->ThumbRect().Bottom, track.Bottom);
}

TEST_F(ScrollBars, RangeChangesKeepThePositionInside) {
  bar->SetPosition(80);
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  bar->SetMax(50);
  EXPECT_EQ(bar->Position(), 41);
  EXPECT_EQ(changes, 1);
  bar->SetMin(60);  // a minimum above the maximum takes the maximum with it
  EXPECT_EQ(bar->Max(), 60);
  EXPECT_EQ(bar->Position(), 60);
  EXPECT_TRUE(bar->ThumbRect().IsEmpty());  // the page holds the whole range
}

// Palette pictures: the host's own controls have theirs; a class without one takes its
// nearest ancestor's.
#include <gtest/gtest.h>

#include "host/core/ClassBuilder.h"

#include "host/design/DesignIntf.h"
#include "host/stdctrls/Grids.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

class TPlainComponent : public TComponent {
  HOST_CLASS(TPlainComponent, TComponent)
  using TComponent::TComponent;
};

}  // namespace

HOST_PUBLISHED(TPlainComponent) {}

TEST(PalettePictures, HostControlsHaveTheirOwnAndDescendantsTakeTheirAncestors) {
  std::unique_ptr<TBitmap> button = PaletteBitmap(TButton::StaticClassInfo());
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Width(), 24);
  EXPECT_EQ(button->Height(), 24);
  EXPECT_TRUE(button->Transparent());
  EXPECT_EQ(button->TransparentPixel() & 0xFFFFFF, 0x808000u) << "the olive background";
  // TStringGrid has no picture of its own: the draw grid's is used.
  std::unique_ptr<TBitmap> grid = PaletteBitmap(TStringGrid::StaticClassInfo());
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->Pixels(), PaletteBitmap(TDrawGrid::StaticClassInfo())->Pixels());
  EXPECT_NE(grid->Pixels(), button->Pixels());
  std::unique_ptr<TBitmap> plain = PaletteBitmap(TPlainComponent::StaticClassInfo());
  ASSERT_NE(plain, nullptr) << "any component has the plain picture";
  EXPECT_EQ(plain->Pixels(), PaletteBitmap(TComponent::StaticClassInfo())->Pixels());
}

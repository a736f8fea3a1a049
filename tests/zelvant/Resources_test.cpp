// The package's bitmaps as a button and the component palette find them: names, sizes,
// colours, the transparent corner and the etched disabled images.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "zelvant/Resources.h"

using host::LoadBitmap;
using zelvant::PackageModule;

namespace {

struct TExpected {
  const char* Name;
  int Width, Height, Images;
};

constexpr TExpected kExpected[] = {
    {"HELP", 36, 18, 2},          {"ZELVANTOK", 36, 18, 2}, {"FINISH", 36, 18, 2},
    {"DIALOGOK", 36, 18, 2},      {"CHANGEZELVANT", 36, 18, 2}, {"CHANGEDIALOG", 36, 18, 2},
    {"CANCEL", 36, 18, 2},        {"ARROWL", 32, 16, 2},    {"ARROWR", 32, 16, 2},
    {"TZELVANT", 24, 24, 1},      {"TABOX", 24, 24, 1},     {"TAFORM", 24, 24, 1},
};

const std::uint32_t kOlive = host::ColorToPixel(host::clOlive);
const std::uint32_t kGray = host::ColorToPixel(host::clGray);
const std::uint32_t kWhite = host::ColorToPixel(host::clWhite);

using TImage = std::vector<std::uint32_t>;  // one square image of a resource, row by row

TImage ImageOf(const host::TBitmap& b, int index) {
  const int side = b.Height();
  TImage image;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) image.push_back(b.Pixel(index * side + x, y));
  return image;
}

std::unique_ptr<host::TBitmap> Load(const char* name) {
  auto b = LoadBitmap(PackageModule(), name);
  if (!b) ADD_FAILURE() << name << " is not registered";
  return b;
}

}  // namespace

TEST(Resources, EveryNameLoadsWithItsSize) {
  for (const TExpected& e : kExpected) {
    auto b = Load(e.Name);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Width(), e.Width) << e.Name;
    EXPECT_EQ(b->Height(), e.Height) << e.Name;
  }
}

TEST(Resources, TheListOfNamesIsExactlyTheRegisteredBitmaps) {
  std::set<std::string> listed, expected;
  for (std::string_view n : zelvant::BitmapResourceNames()) listed.insert(std::string(n));
  for (const TExpected& e : kExpected) expected.insert(e.Name);
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(zelvant::BitmapResourceNames().size(), std::size(kExpected));
}

TEST(Resources, UnknownNamesAndOtherModulesFindNothing) {
  EXPECT_EQ(LoadBitmap(PackageModule(), "NOSUCHGLYPH"), nullptr);
  EXPECT_EQ(LoadBitmap(PackageModule(), ""), nullptr);
  static const int elsewhere = 0;
  EXPECT_EQ(LoadBitmap(&elsewhere, "HELP"), nullptr);
  EXPECT_NE(PackageModule(), nullptr);
}

TEST(Resources, EachLoadIsAFreshCopy) {
  auto first = Load("CANCEL"), second = Load("CANCEL");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  const auto original = second->Pixels();
  first->SetPixel(5, 5, kWhite);
  first->SetPixel(0, 17, kWhite);
  second->SetSize(3, 3);
  auto third = Load("CANCEL");
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->Width(), 36);
  EXPECT_EQ(third->Pixels(), original);
}

TEST(Resources, OnlyTheClassicSixteenColours) {
  std::set<std::uint32_t> palette;
  for (host::TColor c : {host::clBlack, host::clMaroon, host::clGreen, host::clOlive, host::clNavy, host::clPurple,
                         host::clTeal, host::clGray, host::clSilver, host::clRed, host::clLime, host::clYellow,
                         host::clBlue, host::clFuchsia, host::clAqua, host::clWhite})
    palette.insert(host::ColorToPixel(c));
  for (const TExpected& e : kExpected) {
    auto b = Load(e.Name);
    ASSERT_NE(b, nullptr);
    for (std::uint32_t p : b->Pixels()) ASSERT_TRUE(palette.count(p)) << e.Name << std::hex << " has " << p;
  }
}

TEST(Resources, EveryImageHasTheOliveBackgroundInItsBottomLeftCorner) {
  for (const TExpected& e : kExpected) {
    auto b = Load(e.Name);
    ASSERT_NE(b, nullptr);
    for (int i = 0; i < e.Images; ++i) {
      const TImage image = ImageOf(*b, i);
      EXPECT_EQ(image[image.size() - static_cast<size_t>(b->Height())], kOlive) << e.Name << " image " << i;
      // The corner colour is the background, not a stray pixel: most of the image shows it.
      const auto background = std::count(image.begin(), image.end(), kOlive);
      EXPECT_GT(background, static_cast<long>(image.size() / 5)) << e.Name << " image " << i;
      EXPECT_GE(static_cast<long>(image.size()) - background, 30) << e.Name << " image " << i << " is nearly empty";
    }
  }
}

TEST(Resources, DisabledHalfIsTheShapeEtchedInGreyAndWhite) {
  const std::set<std::uint32_t> dark = [] {
    std::set<std::uint32_t> s;
    for (host::TColor c : {host::clBlack, host::clMaroon, host::clGreen, host::clNavy, host::clPurple, host::clTeal,
                           host::clGray, host::clRed, host::clBlue})
      s.insert(host::ColorToPixel(c));
    return s;
  }();
  for (const TExpected& e : kExpected) {
    if (e.Images != 2) continue;
    auto b = Load(e.Name);
    ASSERT_NE(b, nullptr);
    const int side = b->Height();
    const TImage normal = ImageOf(*b, 0), disabled = ImageOf(*b, 1);
    EXPECT_NE(normal, disabled) << e.Name;
    auto at = [side](const TImage& im, int x, int y) { return im[static_cast<size_t>(y * side + x)]; };
    int greys = 0, whites = 0;
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x) {
        const std::uint32_t p = at(disabled, x, y), source = at(normal, x, y);
        ASSERT_TRUE(p == kOlive || p == kGray || p == kWhite) << e.Name << " " << x << "," << y << std::hex << " " << p;
        // Dark parts of the shape turn grey; nothing outside the shape does.
        if (dark.count(source)) {
          EXPECT_EQ(p, kGray) << e.Name << " " << x << "," << y;
        }
        if (p == kGray) {
          ++greys;
          EXPECT_NE(source, kOlive) << e.Name << " " << x << "," << y;
        }
        // The white is the shape's highlight copy, one pixel down and to the right.
        if (p == kWhite) {
          ++whites;
          ASSERT_TRUE(x > 0 && y > 0) << e.Name;
          EXPECT_EQ(at(disabled, x - 1, y - 1), kGray) << e.Name << " " << x << "," << y;
        }
      }
    EXPECT_GT(greys, 10) << e.Name;
    EXPECT_GT(whites, 5) << e.Name;
  }
}

TEST(Resources, NoTwoPicturesAreAlike) {
  std::vector<std::pair<std::string, TImage>> seen;
  for (const TExpected& e : kExpected) {
    auto b = Load(e.Name);
    ASSERT_NE(b, nullptr);
    const TImage image = ImageOf(*b, 0);
    for (const auto& [other, picture] : seen) EXPECT_NE(picture, image) << e.Name << " looks like " << other;
    seen.emplace_back(e.Name, image);
  }
}

// The head of an arrow holds most of its ink, so that side is the way it points.
TEST(Resources, ArrowsPointTheirWay) {
  auto inkRightOfCentre = [](const char* name) {
    auto b = Load(name);
    const TImage image = ImageOf(*b, 0);
    const int side = b->Height();
    int left = 0, right = 0, minX = side, maxX = -1;
    for (int i = 0; i < side * side; ++i)
      if (image[static_cast<size_t>(i)] != kOlive) minX = std::min(minX, i % side), maxX = std::max(maxX, i % side);
    for (int i = 0; i < side * side; ++i)
      if (image[static_cast<size_t>(i)] != kOlive) (2 * (i % side) > minX + maxX ? right : left)++;
    return right - left;
  };
  EXPECT_GT(inkRightOfCentre("ARROWR"), 8);
  EXPECT_LT(inkRightOfCentre("ARROWL"), -8);
}

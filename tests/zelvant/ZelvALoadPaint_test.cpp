// A wizard's form that nobody has shown yet: its setters mark, and nothing is painted
// or given pixels, whether the wizard is built in code or read from a form file.
#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "host/streaming/Filer.h"
#include "zelvant/ZelvC.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

std::string TabbedWizardText() {
  Wizard w;
  w.z->SetNumPages(3);
  w.z->SetStyle(asTabbed);
  w.z->SetButtonHeight(30);
  w.z->setPage(2);
  auto* box = new TABox(w.form);
  box->SetName("Box1");
  box->SetParent(w.z);
  box->SetBounds(20, 30, 100, 60);
  EXPECT_FALSE(w.form->HasWindowPixels());  // built in code, never shown
  return WriteForm(w.form);
}

}  // namespace

TEST(WizardLoadPaint, ReadFormHasNoPixelsUntilPaintedAndThenPaintsAsTheOriginal) {
  const std::string text = TabbedWizardText();
  TForm loaded(nullptr);
  ReadForm(text, &loaded);
  auto* z = As<TZelvant>(loaded.FindComponent("Zelvant1"));
  ASSERT_NE(z, nullptr);
  EXPECT_FALSE(loaded.HasWindowPixels());
  z->Repaint();
  z->SetButtonHeight(27);
  z->SetStyle(asWizard);
  z->SetStyle(asTabbed);
  EXPECT_FALSE(loaded.HasWindowPixels());

  // The first paint shows the same as the form that was stored, after the same changes.
  TForm again(nullptr);
  ReadForm(text, &again);
  auto* z2 = As<TZelvant>(again.FindComponent("Zelvant1"));
  z2->SetButtonHeight(27);
  TBitmap a, b;
  loaded.PaintTo(a);
  again.PaintTo(b);
  EXPECT_TRUE(loaded.HasWindowPixels());
  ASSERT_EQ(a.Width(), b.Width());
  EXPECT_EQ(a.Pixels(), b.Pixels());
  // And it shows the wizard: the tab strip's face is not the form's background alone.
  int colours = 0;
  for (int x = 0; x < a.Width(); x += 4) colours += a.Pixel(x, 40) != a.Pixel(0, 40) ? 1 : 0;
  EXPECT_GT(colours, 0);
}

TEST(WizardLoadPaint, RepaintWhileReadingIntoAPaintedFormOnlyMarks) {
  const std::string text = TabbedWizardText();
  TForm target(nullptr);
  target.SetBounds(0, 0, 600, 450);
  target.UpdateWindow();
  ASSERT_TRUE(target.HasWindowPixels());
  constexpr std::uint32_t kMark = 0xFF123456u;
  target.WindowBitmap().SetPixel(300, 200, kMark);

  ReadForm(text, &target);
  EXPECT_EQ(target.WindowBitmap().Pixel(300, 200), kMark);  // the wizard's setters painted nothing
  EXPECT_FALSE(target.InvalidRegion().empty());               // but what they changed is marked
  target.UpdateWindow();
  EXPECT_NE(target.WindowBitmap().Pixel(300, 200), kMark);
  EXPECT_TRUE(target.InvalidRegion().empty());
}

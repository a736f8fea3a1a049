// Forms of standard controls in form files: the gallery loads, keeps its structure,
// writes back unchanged, renders, and bad picture data is a clear read error.
#include <gtest/gtest.h>

#include <memory>

#include "host/stdctrls/Buttons.h"
#include "host/stdctrls/ComCtrls.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/streaming/Filer.h"
#include "host/stdctrls/Grids.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

std::unique_ptr<TForm> LoadGallery() {
  auto* root = LoadFormFile(std::string(ZELVANT_SOURCE_DIR) + "/examples/gallery.dfm");
  return std::unique_ptr<TForm>(As<TForm>(root));
}

TEST(ControlForms, TheGalleryLoadsWithItsParentsPagesAndTabOrder) {
  auto form = LoadGallery();
  auto* group = As<TGroupBox>(form->FindComponent("GroupBox1"));
  auto* r1 = As<TRadioButton>(form->FindComponent("RadioButton1"));
  EXPECT_EQ(r1->Parent(), group);
  EXPECT_TRUE(r1->Checked());
  EXPECT_FALSE(As<TRadioButton>(form->FindComponent("RadioButton3"))->Enabled());
  auto* pages = As<TPageControl>(form->FindComponent("PageControl1"));
  EXPECT_EQ(pages->PageCount(), 3);
  EXPECT_EQ(pages->ActivePage(), form->FindComponent("TabSheet1"));
  EXPECT_FALSE(As<TTabSheet>(form->FindComponent("TabSheet2"))->Visible());
  auto* combo = As<TComboBox>(form->FindComponent("ComboBox1"));
  EXPECT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(combo->Text(), "English");
  EXPECT_EQ(combo->Items()->Get(2), "Fran\xC3\xA7" "ais");
  auto* finish = As<TBitBtn>(form->FindComponent("FinishButton"));
  EXPECT_EQ(finish->Glyph()->Width(), 16);
  EXPECT_EQ(As<TImage>(form->FindComponent("Image1"))->Picture()->Width(), 64);
  EXPECT_EQ(As<TStringGrid>(form->FindComponent("StringGrid1"))->ColWidths(2), 150);
  EXPECT_TRUE(As<TButton>(form->FindComponent("OKButton"))->Default());
  EXPECT_EQ(form->TabList().front(), form->FindComponent("OKButton"));
  // Children follow the form's font: none stores a font of its own.
  EXPECT_TRUE(finish->ParentFont());
}

TEST(ControlForms, TheGalleryWritesBackAsItWasRead) {
  auto form = LoadGallery();
  const std::string once = WriteForm(form.get());
  std::unique_ptr<TComponent> again(ReadForm(once));
  EXPECT_EQ(WriteForm(again.get()), once);
  EXPECT_EQ(once.find("    Font."), std::string::npos) << "a child wrote a font that follows its parent";
}

TEST(ControlForms, TheGalleryRendersTheSameFromTheFileAndFromItsCopy) {
  auto form = LoadGallery();
  std::unique_ptr<TForm> copy(As<TForm>(ReadForm(WriteForm(form.get()))));
  TBitmap a, b;
  form->PaintTo(a);
  copy->PaintTo(b);
  ASSERT_EQ(a.Width(), 568);
  Integer differ = 0;
  TRect where{a.Width(), a.Height(), 0, 0};
  for (Integer y = 0; y < a.Height(); ++y)
    for (Integer x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) {
        ++differ;
        where = UnionRect(where, Rect(x, y, x + 1, y + 1));
      }
  EXPECT_EQ(differ, 0) << "differences within " << where.Left << "," << where.Top << " - " << where.Right << "," << where.Bottom;
}

TEST(ControlForms, PictureDataThatIsNotAPngIsAReadErrorNamingTheProperty) {
  const char* text = R"(object F: TForm
  object Image1: TImage
    Picture.Data = {
      00112233445566778899}
  end
end
)";
  try {
    std::unique_ptr<TComponent> root(ReadForm(text));
    FAIL() << "read a picture that is not a PNG";
  } catch (const EFormReadError& e) {
    EXPECT_EQ(e.Context(), "Image1.Picture.Data");
    EXPECT_EQ(e.Line(), 3);
  }
}

}  // namespace

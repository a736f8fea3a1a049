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
#include "PaintCoverage.h"

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
  auto* grid = As<TStringGrid>(form->FindComponent("StringGrid1"));
  EXPECT_EQ(grid->ColWidths(2), 90);
  EXPECT_EQ(grid->Cells(1, 0), "Name");
  EXPECT_EQ(grid->Cells(1, 3), "Name and Folder");
  EXPECT_NE(grid->VertScrollBar(), nullptr);  // more rows than it shows
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

// A string grid keeps the text of its cells in the form file; cells left empty are not
// written, and a cell outside the grid (a file edited by hand) is skipped.
TEST(ControlForms, StringGridCellsAreStoredAndReadBack) {
  const char* text = R"(object F: TForm
  object G: TStringGrid
    ColCount = 2
    RowCount = 2
    Cells = (
      1
      0
      'It''s #1'
      0
      1
      #233't'#233
      5
      9
      'outside')
  end
end
)";
  std::unique_ptr<TComponent> root(ReadForm(text));
  auto* grid = As<TStringGrid>(root->FindComponent("G"));
  EXPECT_EQ(grid->Cells(1, 0), "It's #1");
  EXPECT_EQ(grid->Cells(0, 1), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(grid->Cells(0, 0), "");
  const std::string written = WriteForm(root.get());
  EXPECT_EQ(written.find("outside"), std::string::npos);
  std::unique_ptr<TComponent> again(ReadForm(written));
  EXPECT_EQ(WriteForm(again.get()), written);
  grid->SetCells(1, 0, "");
  grid->SetCells(0, 1, "");
  EXPECT_EQ(WriteForm(root.get()).find("Cells"), std::string::npos);
}

}  // namespace

// Every control of the gallery that claims to be opaque paints all of its client area:
// the fills left out under such controls leave no pixel unpainted, on every tab.
TEST(ControlForms, EveryPixelOfTheGalleryIsPainted) {
  auto form = LoadGallery();
  form->Show();
  auto* pages = As<TPageControl>(form->FindComponent("PageControl1"));
  for (Integer i = 0; i < pages->PageCount(); ++i) {
    pages->SetActivePage(pages->Pages(i));
    EXPECT_EQ(pixeltest::UnpaintedPixels(*form), 0) << "tab " << i;
  }
}

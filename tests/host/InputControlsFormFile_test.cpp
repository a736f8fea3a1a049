// Form files of the input controls: every published property they add is written in
// declaration order and read back to the same bytes.
#include <gtest/gtest.h>

#include <memory>

#include "host/design/DesignIntf.h"
#include "host/streaming/Filer.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

const char* kForm =
    "object Wizard: TForm\n"
    "  Left = 0\n"
    "  Top = 0\n"
    "  Width = 400\n"
    "  Height = 300\n"
    "  Font.Name = 'MS Sans Serif'\n"
    "  object NameEdit: TEdit\n"
    "    Left = 8\n"
    "    Top = 8\n"
    "    Width = 150\n"
    "    Height = 21\n"
    "    AutoSelect = False\n"
    "    Color = clYellow\n"
    "    MaxLength = 12\n"
    "    PasswordChar = '*'\n"
    "    ReadOnly = True\n"
    "    TabOrder = 0\n"
    "    TabStop = False\n"
    "    Text = 'd'#233'j'#224' vu'\n"
    "  end\n"
    "  object Agree: TCheckBox\n"
    "    Left = 8\n"
    "    Top = 40\n"
    "    Width = 120\n"
    "    Height = 17\n"
    "    Alignment = lrLeftJustify\n"
    "    AllowGrayed = True\n"
    "    Caption = '&Agree'\n"
    "    State = cbGrayed\n"
    "    TabOrder = 1\n"
    "  end\n"
    "  object Licence: TMemo\n"
    "    Left = 8\n"
    "    Top = 64\n"
    "    Width = 200\n"
    "    Height = 80\n"
    "    Lines.Strings = (\n"
    "      'first line'\n"
    "      ''\n"
    "      'third, after an empty one')\n"
    "    ReadOnly = True\n"
    "    ScrollBars = ssVertical\n"
    "    TabOrder = 2\n"
    "    WordWrap = False\n"
    "  end\n"
    "  object Choices: TListBox\n"
    "    Left = 216\n"
    "    Top = 8\n"
    "    Width = 120\n"
    "    Height = 60\n"
    "    ExtendedSelect = False\n"
    "    Items.Strings = (\n"
    "      'one'\n"
    "      'two'\n"
    "      'three')\n"
    "    ItemIndex = 2\n"
    "    MultiSelect = True\n"
    "    TabOrder = 3\n"
    "  end\n"
    "  object Bar: TScrollBar\n"
    "    Left = 216\n"
    "    Top = 80\n"
    "    Width = 16\n"
    "    Height = 100\n"
    "    Kind = sbVertical\n"
    "    LargeChange = 10\n"
    "    Max = 50\n"
    "    Min = 5\n"
    "    PageSize = 10\n"
    "    Position = 20\n"
    "    SmallChange = 2\n"
    "    TabOrder = 4\n"
    "  end\n"
    "end\n";

}  // namespace

TEST(InputControlsFormFile, EveryNewPropertyRoundTripsByteForByte) {
  std::unique_ptr<TComponent> form(ReadForm(kForm));
  EXPECT_EQ(WriteForm(form.get()), kForm);

  auto* edit = As<TEdit>(form->FindComponent("NameEdit"));
  EXPECT_EQ(edit->Text(), "d\xC3\xA9j\xC3\xA0 vu");
  EXPECT_EQ(edit->PasswordChar(), "*");
  EXPECT_EQ(edit->MaxLength(), 12);
  auto* box = As<TCheckBox>(form->FindComponent("Agree"));
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_FALSE(box->Checked());
  auto* memo = As<TMemo>(form->FindComponent("Licence"));
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->ScrollBar()->Owner(), nullptr);  // never written as a component of its own
  auto* list = As<TListBox>(form->FindComponent("Choices"));
  EXPECT_EQ(list->ItemIndex(), 2);  // read before its items were, applied once they are
  auto* bar = As<TScrollBar>(form->FindComponent("Bar"));
  EXPECT_EQ(bar->Position(), 20);
  EXPECT_EQ(bar->Height(), 100);  // Kind read from a file keeps the stored bounds
}

TEST(InputControlsFormFile, CheckedBoxStoresCheckedAndState) {
  TForm form(nullptr);
  form.SetName("F");
  auto* box = new TCheckBox(&form);
  box->SetName("Box");
  box->SetParent(&form);
  box->SetChecked(true);
  const std::string text = WriteForm(&form);
  EXPECT_NE(text.find("    Checked = True\n    State = cbChecked\n"), std::string::npos) << text;
  std::unique_ptr<TComponent> again(ReadForm(text));
  EXPECT_TRUE(As<TCheckBox>(again->FindComponent("Box"))->Checked());
  EXPECT_EQ(WriteForm(again.get()), text);
}

TEST(InputControlsFormFile, StandardPaletteHoldsTheInputControls) {
  ClearDesignRegistrations();
  RegisterStandardComponents();
  const auto classes = PaletteClasses("Standard");
  for (const TClassInfo* c : {&TEdit::StaticClassInfo(), &TMemo::StaticClassInfo(), &TCheckBox::StaticClassInfo(),
                              &TListBox::StaticClassInfo(), &TScrollBar::StaticClassInfo()})
    EXPECT_NE(std::find(classes.begin(), classes.end(), c), classes.end()) << c->Name();
  ClearDesignRegistrations();
}

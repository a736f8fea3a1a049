// The four dialogs as their form files make them: form settings, every control's bounds,
// tab order, caption, modal result and handler, and the grids' settings.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/streaming/Filer.h"
#include "zelvant/design/FormResources.h"
#include "zelvant/design/blf.h"
#include "zelvant/design/pnf.h"
#include "zelvant/design/scf.h"
#include "zelvant/design/wlf.h"

using namespace host;
using namespace zelvant;

namespace {

struct TExpected {
  std::string Name;
  std::string Parent;
  TRect Bounds;  // left, top, right, bottom
  Integer TabOrder;
  std::string Caption;
  Integer ModalResult = 0;
  std::string OnClick = "";
};

TRect B(Integer l, Integer t, Integer w, Integer h) { return Bounds(l, t, w, h); }

void ExpectForm(const TCustomForm& f, const std::string& name, const std::string& caption, Integer cw, Integer ch) {
  EXPECT_EQ(f.Name(), name);
  EXPECT_EQ(f.Caption(), caption);
  EXPECT_EQ(f.BorderStyle(), bsDialog);
  EXPECT_EQ(f.ClientWidth(), cw);
  EXPECT_EQ(f.ClientHeight(), ch);
  EXPECT_EQ(f.Position(), poScreenCenter);
  EXPECT_EQ(f.Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(f.Font()->Height(), -11);
  EXPECT_EQ(f.PixelsPerInch(), 96);
}

void ExpectControls(const TCustomForm& f, const std::vector<TExpected>& table) {
  for (const TExpected& e : table) {
    SCOPED_TRACE(e.Name);
    auto* c = dynamic_cast<TControl*>(f.FindComponent(e.Name));
    ASSERT_NE(c, nullptr);
    ASSERT_NE(c->Parent(), nullptr);
    EXPECT_EQ(c->Parent() == &f ? std::string("form") : c->Parent()->Name(), e.Parent);
    EXPECT_EQ(c->BoundsRect(), e.Bounds);
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
      EXPECT_EQ(w->TabOrder(), e.TabOrder);
    }
    if (!e.Caption.empty()) {
      EXPECT_EQ(c->Caption(), e.Caption);
    }
    if (auto* b = dynamic_cast<TButton*>(c)) {
      EXPECT_EQ(b->ModalResult(), e.ModalResult);
      EXPECT_EQ(b->OnClick.MethodName(), e.OnClick);
    }
  }
}

std::vector<Integer> ColWidths(const TCustomGrid& g) {
  std::vector<Integer> out;
  for (Integer c = 0; c < g.ColCount(); ++c) out.push_back(g.ColWidths(c));
  return out;
}

const TGridOptions kLines{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine};

TEST(DialogForms, PageNamesDialog) {
  TPageNameDialog d(nullptr);
  ExpectForm(d, "PageNameDialog", "PageNames", 390, 315);
  ExpectControls(d, {{"PageList", "form", B(0, 0, 301, 315), 0, ""},
                     {"Panel1", "form", B(301, 0, 89, 315), 1, ""},
                     {"Button1", "Panel1", B(8, 8, 75, 25), 0, "Up", 0, "Button1Click"},
                     {"Button2", "Panel1", B(8, 40, 75, 25), 1, "Down", 0, "Button2Click"},
                     {"Button3", "Panel1", B(8, 72, 75, 25), 2, "Insert", 0, "Button3Click"},
                     {"Button4", "Panel1", B(8, 104, 75, 25), 3, "Delete", 0, "Button4Click"},
                     {"Button5", "Panel1", B(8, 136, 75, 25), 4, "Add", 0, "Button5Click"},
                     {"Button6", "Panel1", B(8, 248, 75, 25), 5, "Cancel", mrCancel},
                     {"Button7", "Panel1", B(8, 280, 75, 25), 6, "OK", mrOk}});
  const TStringGrid& g = *d.PageList;
  EXPECT_EQ(g.Align(), alClient);
  EXPECT_EQ(g.ColCount(), 2);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.DefaultRowHeight(), 16);
  EXPECT_EQ(ColWidths(g), (std::vector<Integer>{30, 264}));
  EXPECT_EQ(g.Options(), (kLines + TGridOptions{goDrawFocusSelected, goEditing}));
  EXPECT_EQ(d.Panel1->Align(), alRight);
  EXPECT_FALSE(d.OnCreate || d.OnDestroy || d.OnShow);
}

TEST(DialogForms, ShowComponentDialog) {
  TShowDialog d(nullptr);
  ExpectForm(d, "ShowDialog", "Show Component", 244, 218);
  ExpectControls(d, {{"ShowGrid", "form", B(0, 0, 154, 218), 0, ""},
                     {"Panel1", "form", B(154, 0, 90, 218), 1, ""},
                     {"Button1", "Panel1", B(8, 152, 75, 25), 0, "Cancel", mrCancel},
                     {"Button2", "Panel1", B(8, 184, 75, 25), 1, "OK", mrOk}});
  const TDrawGrid& g = *d.ShowGrid;
  EXPECT_EQ(g.ColCount(), 2);
  EXPECT_EQ(g.FixedRows(), 0);
  EXPECT_EQ(g.FixedCols(), 0);
  EXPECT_EQ(g.DefaultRowHeight(), 16);
  EXPECT_FALSE(g.DefaultDrawing());
  EXPECT_EQ(ColWidths(g), (std::vector<Integer>{28, 102}));
  EXPECT_EQ(g.Options(), (TGridOptions{goFixedVertLine, goFixedHorzLine}));
  EXPECT_EQ(g.OnDrawCell.MethodName(), "ShowGridDrawCell");
  EXPECT_EQ(g.OnSelectCell.MethodName(), "ShowGridSelectCell");
  EXPECT_EQ(d.OnCreate.MethodName(), "FormCreate");
  EXPECT_EQ(d.OnDestroy.MethodName(), "FormDestroy");
  ASSERT_NE(d.ShowList(), nullptr);  // made by the create handler
  EXPECT_EQ(d.ShowList()->Count, 0);
}

TEST(DialogForms, ButtonLayoutDialog) {
  TLayoutDialog d(nullptr);
  ExpectForm(d, "LayoutDialog", "Button layout", 219, 217);
  ExpectControls(d, {{"Panel1", "form", B(130, 0, 89, 217), 0, ""},
                     {"Button1", "Panel1", B(8, 184, 75, 25), 0, "OK", mrOk},
                     {"Button2", "Panel1", B(8, 152, 75, 25), 1, "Cancel", mrCancel},
                     {"Button3", "Panel1", B(8, 8, 75, 25), 2, "Up", 0, "Button3Click"},
                     {"Button4", "Panel1", B(8, 40, 75, 25), 3, "Down", 0, "Button4Click"},
                     {"Button5", "Panel1", B(8, 72, 75, 25), 4, "Insert Space", 0, "Button5Click"},
                     {"Button6", "Panel1", B(8, 104, 75, 25), 5, "Delete Space", 0, "Button6Click"},
                     {"LayoutGrid", "form", B(0, 0, 130, 217), 1, ""}});
  const TDrawGrid& g = *d.LayoutGrid;
  EXPECT_EQ(g.ColCount(), 1);
  EXPECT_EQ(g.DefaultColWidth(), 100);
  EXPECT_EQ(g.DefaultRowHeight(), 16);
  EXPECT_EQ(g.FixedRows(), 0);
  EXPECT_EQ(g.FixedCols(), 0);
  EXPECT_EQ(g.Options(), (kLines + TGridOptions{goDrawFocusSelected}));
  EXPECT_EQ(g.OnDrawCell.MethodName(), "LayoutGridDrawCell");
  ASSERT_NE(d.LayoutList(), nullptr);
}

TEST(DialogForms, WayListEditor) {
  TWayListForm d(nullptr);
  ExpectForm(d, "WayListForm", "WayList Editor", 594, 353);
  ExpectControls(d, {{"Panel1", "form", B(505, 0, 89, 353), 0, ""},
                     {"Button1", "Panel1", B(8, 8, 75, 25), 0, "Up", 0, "Button1Click"},
                     {"Button2", "Panel1", B(8, 320, 75, 25), 1, "OK", mrOk},
                     {"Button3", "Panel1", B(8, 288, 75, 25), 2, "Cancel", mrCancel},
                     {"Button4", "Panel1", B(8, 40, 75, 25), 3, "Down", 0, "Button4Click"},
                     {"Button5", "Panel1", B(8, 72, 75, 25), 4, "Insert", 0, "Button5Click"},
                     {"Button6", "Panel1", B(8, 104, 75, 25), 5, "Delete", 0, "Button6Click"},
                     {"Button7", "Panel1", B(8, 136, 75, 25), 6, "Add", 0, "Button7Click"},
                     {"Button8", "Panel1", B(8, 168, 75, 25), 7, "Default", 0, "Button8Click"},
                     {"Panel2", "form", B(0, 0, 505, 353), 1, ""},
                     {"Panel3", "Panel2", B(0, 307, 505, 46), 0, ""},
                     {"PageBox", "Panel3", B(40, 16, 257, 21), 0, ""},
                     {"GotoBox", "Panel3", B(304, 16, 193, 21), 1, ""},
                     {"WayListGrid", "Panel2", B(0, 0, 505, 307), 1, ""}});
  // The label sizes itself to its caption in the dialog's font; its place is the table's.
  EXPECT_EQ(d.Label1->Left(), 8);
  EXPECT_EQ(d.Label1->Top(), 18);
  EXPECT_EQ(d.Label1->Caption(), "1");
  EXPECT_EQ(d.Label1->Parent(), d.Panel3);
  EXPECT_EQ(d.Panel2->BevelOuter(), bvNone);
  EXPECT_EQ(d.Panel3->Align(), alBottom);
  for (const TComboBox* box : {d.PageBox, d.GotoBox}) EXPECT_EQ(box->Style(), csDropDownList);
  EXPECT_EQ(d.PageBox->OnChange.MethodName(), "PageBoxChange");
  EXPECT_EQ(d.GotoBox->OnChange.MethodName(), "GotoBoxChange");
  const TDrawGrid& g = *d.WayListGrid;
  EXPECT_EQ(g.ColCount(), 3);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FixedCols(), 0);
  EXPECT_EQ(g.DefaultRowHeight(), 16);
  EXPECT_EQ(ColWidths(g), (std::vector<Integer>{26, 339, 109}));
  EXPECT_EQ(g.Options(), (kLines + TGridOptions{goDrawFocusSelected, goRowSelect}));
  EXPECT_EQ(g.OnDrawCell.MethodName(), "WayListGridDrawCell");
  EXPECT_EQ(g.OnSelectCell.MethodName(), "WayListGridSelectCell");
  EXPECT_EQ(d.OnShow.MethodName(), "FormShow");
}

// What formtool --check does: a plain form reader that knows none of the dialog classes
// (here the classes are known, so the files are read into plain forms).
TEST(DialogForms, FilesReadAsPlainFormsAndWriteBackTheSame) {
  for (std::string_view text : {resources::pnfForm, resources::scfForm, resources::blfForm, resources::wlfForm}) {
    TReadOptions options;
    options.KeepUnboundEvents = true;
    auto form = std::make_unique<TForm>(nullptr);
    TReader reader(text, options);
    reader.ReadRootComponent(form.get());
    const std::string once = WriteForm(form.get(), reader.RootClassName());
    form = std::make_unique<TForm>(nullptr);
    TReader again(once, options);
    again.ReadRootComponent(form.get());
    EXPECT_EQ(WriteForm(form.get(), again.RootClassName()), once);
  }
}

}  // namespace

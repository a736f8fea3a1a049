// The 24 x 24 palette pictures of the host's own controls, drawn in code on the olive
// background that palette pictures use as their transparent colour.
#include <cctype>

#include "host/design/DesignIntf.h"

namespace host {

namespace {

int ModuleTag;  // the host's module, for its own resources

void Start(TBitmap& b) {
  b.SetSize(24, 24);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clOlive);
  c.FillRect(Rect(0, 0, 24, 24));
  c.Pen().SetColor(clBlack);
}

// A raised face: white top-left, dark bottom-right.
void Face(TCanvas& c, const TRect& r, TColor fill = clSilver) {
  c.Brush().SetColor(fill);
  c.FillRect(r);
  c.Pen().SetColor(clWhite);
  c.MoveTo(r.Left, r.Bottom - 1);
  c.LineTo(r.Left, r.Top);
  c.LineTo(r.Right - 1, r.Top);
  c.Pen().SetColor(clBlack);
  c.LineTo(r.Right - 1, r.Bottom - 1);
  c.LineTo(r.Left - 1, r.Bottom - 1);
}

// A sunken white field.
void Field(TCanvas& c, const TRect& r) {
  c.Brush().SetColor(clWhite);
  c.FillRect(r);
  c.Pen().SetColor(clGray);
  c.MoveTo(r.Left, r.Bottom - 1);
  c.LineTo(r.Left, r.Top);
  c.LineTo(r.Right, r.Top);
  c.Pen().SetColor(clBlack);
}

void Bar(TCanvas& c, Integer x, Integer y, Integer w, TColor color = clBlack) {
  c.Brush().SetColor(color);
  c.FillRect(Rect(x, y, x + w, y + 2));
}

void Label(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  // A capital A.
  c.Brush().SetColor(clBlack);
  for (Integer y = 4; y < 20; ++y) {
    const Integer half = (y - 4) / 3;
    c.FillRect(Rect(11 - half, y, 13 - half, y + 1));
    c.FillRect(Rect(11 + half, y, 13 + half, y + 1));
  }
  c.FillRect(Rect(8, 14, 16, 16));
}

void Button(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  Face(c, Rect(1, 6, 23, 18));
  Bar(c, 7, 11, 10);
}

void BitBtn(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  Face(c, Rect(1, 6, 23, 18));
  c.Brush().SetColor(clGreen);
  c.FillRect(Rect(4, 9, 9, 15));
  Bar(c, 11, 11, 9);
}

void RadioButton(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clWhite);
  c.Pen().SetColor(clGray);
  c.Ellipse(5, 5, 19, 19);
  c.Brush().SetColor(clBlack);
  c.Pen().SetColor(clBlack);
  c.Ellipse(9, 9, 15, 15);
}

void CheckBox(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  Field(c, Rect(5, 5, 19, 19));
  c.Brush().SetColor(clBlack);
  for (Integer i = 0; i < 4; ++i) c.FillRect(Rect(8 + i, 11 + i, 9 + i, 13 + i));
  for (Integer i = 0; i < 6; ++i) c.FillRect(Rect(11 + i, 14 - i, 12 + i, 16 - i));
}

void GroupBox(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clSilver);
  c.FillRect(Rect(1, 3, 23, 22));
  c.Brush().SetColor(clGray);
  c.FrameRect(Rect(2, 8, 22, 21));
  c.Brush().SetColor(clSilver);
  c.FillRect(Rect(5, 5, 14, 11));
  Bar(c, 6, 7, 7);
}

void Panel(TBitmap& b) {
  Start(b);
  Face(b.Canvas(), Rect(1, 3, 23, 21));
}

void ComboBox(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  Field(c, Rect(1, 6, 23, 18));
  Bar(c, 4, 11, 8);
  Face(c, Rect(14, 7, 22, 17));
  c.Brush().SetColor(clBlack);
  c.Polygon({Point(16, 10), Point(20, 10), Point(18, 13)});
}

void Edit(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  Field(c, Rect(1, 6, 23, 18));
  Bar(c, 4, 11, 9);
  c.Brush().SetColor(clBlack);
  c.FillRect(Rect(15, 8, 16, 16));
}

void Memo(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  Field(c, Rect(1, 2, 23, 22));
  for (Integer y = 6; y < 20; y += 4) Bar(c, 4, y, y == 18 ? 9 : 15);
}

void ListBox(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  Field(c, Rect(1, 2, 23, 22));
  c.Brush().SetColor(clNavy);
  c.FillRect(Rect(2, 8, 22, 13));
  Bar(c, 4, 5, 12);
  Bar(c, 4, 10, 12, clWhite);
  Bar(c, 4, 16, 12);
}

void ScrollBar(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clSilver);
  c.FillRect(Rect(1, 8, 23, 16));
  Face(c, Rect(1, 8, 8, 16));
  Face(c, Rect(16, 8, 23, 16));
  Face(c, Rect(9, 8, 14, 16));
}

void Image(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clAqua);
  c.FillRect(Rect(2, 4, 22, 20));
  c.Brush().SetColor(clGreen);
  c.Polygon({Point(2, 19), Point(9, 10), Point(14, 16), Point(17, 13), Point(21, 19)});
  c.Brush().SetColor(clYellow);
  c.Pen().SetColor(clYellow);
  c.Ellipse(15, 6, 20, 11);
  c.Brush().SetColor(clBlack);
  c.FrameRect(Rect(2, 4, 22, 20));
}

void PageControl(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  Face(c, Rect(1, 8, 23, 22));
  Face(c, Rect(2, 3, 10, 9));
  Face(c, Rect(10, 4, 17, 9));
  c.Brush().SetColor(clSilver);
  c.FillRect(Rect(3, 8, 9, 10));
}

void Grid(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  Field(c, Rect(1, 3, 23, 21));
  c.Brush().SetColor(clSilver);
  c.FillRect(Rect(2, 4, 22, 8));
  c.FillRect(Rect(2, 4, 7, 20));
  c.Brush().SetColor(clGray);
  for (Integer y = 8; y < 21; y += 4) c.FillRect(Rect(2, y, 22, y + 1));
  for (Integer x = 7; x < 22; x += 5) c.FillRect(Rect(x, 4, x + 1, 20));
}

// Any component without a picture of its own or of an ancestor.
void Component(TBitmap& b) {
  Start(b);
  TCanvas& c = b.Canvas();
  Face(c, Rect(3, 3, 21, 21), clWhite);
  c.Brush().SetColor(clNavy);
  c.FillRect(Rect(7, 7, 17, 17));
}

struct TPicture {
  const char* Name;
  void (*Make)(TBitmap&);
};

constexpr TPicture kPictures[] = {
    {"TLABEL", Label},       {"TBUTTON", Button},       {"TBITBTN", BitBtn},     {"TRADIOBUTTON", RadioButton},
    {"TCHECKBOX", CheckBox}, {"TGROUPBOX", GroupBox},   {"TPANEL", Panel},       {"TCOMBOBOX", ComboBox},
    {"TEDIT", Edit},         {"TMEMO", Memo},           {"TLISTBOX", ListBox},   {"TSCROLLBAR", ScrollBar},
    {"TIMAGE", Image},       {"TPAGECONTROL", PageControl}, {"TDRAWGRID", Grid}, {"TCOMPONENT", Component},
};

void RegisterPictures() {
  static const bool done = [] {
    for (const TPicture& p : kPictures) RegisterBitmapResource(&ModuleTag, p.Name, p.Make);
    return true;
  }();
  (void)done;
}

std::string Upper(const std::string& s) {
  std::string u = s;
  for (char& ch : u) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return u;
}

}  // namespace

std::unique_ptr<TBitmap> PaletteBitmap(const TClassInfo& componentClass) {
  RegisterPictures();
  for (const TClassInfo* c = &componentClass; c; c = c->Parent())
    if (std::unique_ptr<TBitmap> b = LoadBitmap(nullptr, Upper(c->Name()))) {
      b->SetTransparent(true);
      return b;
    }
  return nullptr;
}

}  // namespace host

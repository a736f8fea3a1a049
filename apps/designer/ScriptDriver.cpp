#include "ScriptDriver.h"

#include <filesystem>

#include "host/forms/Backend.h"
#include "host/stdctrls/Dialogs.h"
#include "host/streaming/Filer.h"

namespace designer {

using namespace host;

namespace {

TPoint Centre(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

}  // namespace

TPoint ClientPointOf(const TControl& control, TPoint local) {
  const TPoint o = control.WindowOrigin();
  const TRect a = control.WindowClientArea();
  const TCustomForm* form = GetParentForm(&control);
  const TRect fa = form ? form->WindowClientArea() : TRect{};
  // A windowed control's local points start at its client area; the window's client
  // coordinates start at the form's.
  const TPoint in = control.IsWinControl() ? Point(a.Left, a.Top) : Point(0, 0);
  return Point(o.X + in.X + local.X - fa.Left, o.Y + in.Y + local.Y - fa.Top);
}

void TScriptDriver::Flush() { Application->ProcessMessages(); }

void TScriptDriver::Click(TPoint p, TShiftState shift) {
  Application->Headless()->Click(p, mbLeft, shift);
  Flush();
}

void TScriptDriver::RightClick(TPoint p) {
  Application->Headless()->Click(p, mbRight);
  Flush();
}

void TScriptDriver::DoubleClick(TPoint p) {
  THeadlessBackend& b = *Application->Headless();
  b.Click(p);
  b.MouseDown(p, mbLeft, TShiftState{ssDouble});
  b.MouseUp(p);
  Flush();
}

void TScriptDriver::Drag(TPoint from, TPoint to, Integer steps) {
  THeadlessBackend& b = *Application->Headless();
  b.MouseDown(from);
  for (Integer i = 1; i <= steps; ++i)
    b.MouseMove(Point(from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps), TShiftState{ssLeft});
  b.MouseUp(to);
  Flush();
}

void TScriptDriver::Key(Word key, TShiftState shift) {
  Application->Headless()->PressKey(key, shift);
  Flush();
}

void TScriptDriver::ClickControl(const TControl& control, TPoint local) { Click(ClientPointOf(control, local)); }

void TScriptDriver::ClickCentre(const TControl& control) {
  ClickControl(control, Point(control.Width() / 2, control.Height() / 2));
}

void TScriptDriver::ChooseClass(const std::string& className) {
  TComponentPalette& palette = *window_.Palette();
  for (Integer page = 0; page < static_cast<Integer>(palette.Pages().size()); ++page) {
    ClickControl(palette, Centre(palette.TabRect(page)));
    const Integer button = palette.ButtonOf(className);
    if (button < 0) continue;
    ClickControl(palette, Centre(palette.ButtonRect(button)));
    return;
  }
  throw EInvalidOperation("No palette button for " + className);
}

TPoint TScriptDriver::FormPoint(TPoint formClient) const {
  return ClientPointOf(*window_.Document().Form(), formClient);
}

void TScriptDriver::Shot(const std::string& fileName) const { window_.SaveToPng(fileName); }

}  // namespace designer

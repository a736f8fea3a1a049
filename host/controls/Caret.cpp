#include "host/controls/Caret.h"

#include "host/controls/Controls.h"

namespace host {

namespace {

struct TCaretState {
  TControl* owner = nullptr;
  TRect rect;
  bool shown = true;
} caret;

void InvalidateCaret() {
  if (!caret.owner) return;
  IWindowHost* window = caret.owner->WindowHost();
  if (!window || !window->HasWindowPixels() || !caret.owner->VisibleInWindow()) return;
  const TPoint o = caret.owner->WindowOrigin();
  const TRect client = caret.owner->WindowClientArea();
  const TRect r = Rect(o.X + client.Left + caret.rect.Left, o.Y + client.Top + caret.rect.Top,
                       o.X + client.Left + caret.rect.Right, o.Y + client.Top + caret.rect.Bottom);
  const TRect visible = IntersectRect(r, caret.owner->VisibleWindowRect());
  if (!visible.IsEmpty()) window->InvalidateWindowRect(visible);
}

}  // namespace

void PlaceCaret(TControl* owner, const TRect& rect) {
  if (caret.owner == owner && caret.rect == rect && caret.shown) return;
  InvalidateCaret();
  caret.owner = owner;
  caret.rect = rect;
  caret.shown = true;
  InvalidateCaret();
}

void RemoveCaret(const TControl* owner) {
  if (caret.owner != owner || !owner) return;
  InvalidateCaret();
  caret.owner = nullptr;
}

bool CaretShown(const TControl* owner) { return owner && caret.owner == owner && caret.shown; }

TControl* CaretOwner() { return caret.owner; }

void BlinkCaret() {
  if (!caret.owner) return;
  caret.shown = !caret.shown;
  InvalidateCaret();
}

}  // namespace host

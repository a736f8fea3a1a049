// Tab order and focus navigation of windowed controls.
#include <algorithm>

#include "host/controls/Controls.h"

namespace host {

TTabOrder TWinControl::TabOrder() const {
  if (!Parent()) return pendingTabOrder_;
  const auto& list = Parent()->Children().tabs;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<TTabOrder>(it - list.begin());
}

void TWinControl::SetTabOrder(TTabOrder value) {
  // While a form file is read the siblings may not exist yet: the parent sorts its
  // tab list once everything is read.
  if (ComponentState().Contains(csReading) || !Parent()) {
    pendingTabOrder_ = value;
    return;
  }
  UpdateTabOrder(value);
}

void TWinControl::UpdateTabOrder(TTabOrder value) {
  auto& list = Parent()->Children().tabs;
  // Already in place (as a form file's controls mostly are): nothing to search.
  if (value >= 0 && static_cast<size_t>(value) < list.size() && list[static_cast<size_t>(value)] == this) return;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  const Integer count = static_cast<Integer>(list.size());
  const Integer cur = static_cast<Integer>(it - list.begin());
  if (value < 0 || value >= count) value = count - 1;
  if (value == cur) return;
  list.erase(it);
  list.insert(list.begin() + value, this);
}

void TWinControl::FixupTabList() {
  const size_t count = WinChildren().size();
  std::vector<TWinControl*> placed(count, nullptr);
  for (TWinControl* c : WinChildren()) {
    const TTabOrder j = c->pendingTabOrder_;
    c->pendingTabOrder_ = -1;
    if (j >= 0 && static_cast<size_t>(j) < count && !placed[static_cast<size_t>(j)]) placed[static_cast<size_t>(j)] = c;
  }
  for (size_t i = 0; i < count; ++i)
    if (placed[i]) placed[i]->UpdateTabOrder(static_cast<TTabOrder>(i));
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* c : TabList()) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

bool TWinControl::CanFocus() const {
  if (!WindowHost()) return false;
  for (const TControl* c = this; c->Parent(); c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  const IWindowHost* window = WindowHost();
  return window && window->Active() && window->FocusedControl() == this;
}

void TWinControl::SetFocus() {
  IWindowHost* window = WindowHost();
  if (!window) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  window->FocusControl(this);
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const Integer count = static_cast<Integer>(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  Integer start = it == list.end() ? (goForward ? count - 1 : 0) : static_cast<Integer>(it - list.begin());
  Integer i = start;
  do {
    if (goForward) {
      if (++i == count) i = 0;
    } else {
      if (i == 0) i = count;
      --i;
    }
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this)) return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* c = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) c->SetFocus();
}

namespace {

// The first control in tab order below parent that can take the focus (and is a tab
// stop, when asked), never entering a hidden or disabled container nor a control skip
// passes over.
TWinControl* FirstFocusable(const TWinControl& parent, bool tabStop,
                            const std::function<bool(const TWinControl&)>& skip = nullptr) {
  for (TWinControl* c : parent.TabList()) {
    if (!c->Visible() || !c->Enabled() || (skip && skip(*c))) continue;
    if (!tabStop || c->TabStop()) return c;
    if (TWinControl* inner = FirstFocusable(*c, tabStop, skip)) return inner;
  }
  return nullptr;
}

}  // namespace

TWinControl* TWinControl::FirstTabStop(const std::function<bool(const TWinControl&)>& skip) const {
  return FirstFocusable(*this, true, skip);
}

void TWinControl::SelectFirst() {
  IWindowHost* window = WindowHost();
  if (!window) return;
  for (const TControl* c = this; c->Parent(); c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return;
  TWinControl* c = FirstFocusable(*this, true);
  if (!c) c = FirstFocusable(*this, false);
  if (c) window->SetActiveControl(c);
}

}  // namespace host

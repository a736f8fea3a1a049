// The designer's list of route findings: what the route checks find in the wizard being
// built (severity, position, page and message), checked again after every change.
// Choosing a finding tells the designer, which shows it (see ShowFinding).
#pragma once

#include <string>
#include <vector>

#include "RowView.h"
#include "zelvant/ZelvRoutes.h"

namespace designer {

using TFindingEvent = host::TEvent<void(host::TObject*, const zelvant::TRouteFinding&)>;

class TRouteFindingsPanel : public host::TCustomControl {
  HOST_CLASS(TRouteFindingsPanel, host::TCustomControl)

  explicit TRouteFindingsPanel(host::TComponent* owner);
  ~TRouteFindingsPanel() override;

  // The wizard checked; nullptr for none. The designer hands over nullptr before it
  // frees the wizard.
  zelvant::TZelvant* Wizard() const { return wizard_; }
  void SetWizard(zelvant::TZelvant* wizard);
  // What the application's OnAskPageChange may choose, for the checks of "Ask" rows.
  void SetOptions(zelvant::TRouteOptions options);
  // Runs the checks again. The list is repainted only when the findings changed; true
  // when they did. The current finding stays current while it is still found.
  bool Recheck();

  const std::vector<zelvant::TRouteFinding>& Findings() const { return findings_; }
  host::Integer Count() const { return static_cast<host::Integer>(findings_.size()); }
  host::Integer ErrorCount() const;
  // The texts of a finding's columns: "Error" or "Warning", the position, the page
  // (number and name), the message; empty where the finding has none.
  std::vector<std::string> Columns(host::Integer index) const;

  host::Integer ItemIndex() const { return current_; }
  void SetItemIndex(host::Integer index);
  // Makes a finding current and raises OnChoose with it.
  void Choose(host::Integer index);
  TFindingEvent OnChoose;

  host::Integer TopRow() const { return view_.Top; }
  void SetTopRow(host::Integer row);
  host::Integer VisibleRowCount() const;
  host::TScrollBar* ScrollBar() const { return view_.Bar; }

  // Geometry, in the control's coordinates.
  host::Integer RowHeight() const { return view_.RowHeight; }
  host::TRect HeaderRect() const;
  // Empty when the row is scrolled out of view.
  host::TRect RowRect(host::Integer index) const;
  // Where column c (0 severity, 1 position, 2 page, 3 message) begins.
  host::Integer ColumnLeft(int column) const;

 protected:
  void Paint() override;
  void MouseDown(host::TMouseButton button, host::TShiftState shift, host::Integer x, host::Integer y) override;
  void KeyDown(host::Word& key, host::TShiftState shift) override;
  bool DoMouseWheel(host::TShiftState shift, host::Integer wheelDelta, host::TPoint mousePos) override;
  void WMGetDlgCode(host::TWMGetDlgCode& message) override;
  void WMSetFocus(host::TWMSetFocus& message) override;
  void WMKillFocus(host::TWMKillFocus& message) override;
  void CMFontChanged(host::TMessage& message) override;
  void BoundsChanged(bool sizeChanged) override;

 private:
  void PaintRow(host::TCanvas& c, host::Integer index);
  void UpdateScrollBar();
  void ScrollInView(host::Integer index);
  void InvalidateRow(host::Integer index);
  host::TRect ListArea() const;

  zelvant::TZelvant* wizard_ = nullptr;
  zelvant::TRouteOptions options_;
  std::vector<zelvant::TRouteFinding> findings_;
  host::Integer current_ = -1;
  TRowView view_;
};

}  // namespace designer

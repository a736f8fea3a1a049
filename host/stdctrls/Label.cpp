// TLabel: text painted by the parent, sized to its caption when AutoSize is set.
#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/stdctrls/StdCtrls.h"

namespace host {

HOST_PUBLISHED(TLabel) {
  P.Property("Align", &TLabel::Align, &TLabel::SetAlign).SetDefault(alNone);
  P.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).SetDefault(taLeftJustify);
  P.Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).SetDefault(true);
  P.Property("Caption", &TLabel::Caption, &TLabel::SetCaption);
  P.Property("Color", &TLabel::Color, &TLabel::SetColor).Stored(&TControl::IsColorStored).WithIdents(ColorIdents());
  P.Property("Enabled", &TLabel::Enabled, &TLabel::SetEnabled).SetDefault(true);
  P.Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
  P.Property("Font", &TLabel::Font).Stored(&TControl::IsFontStored);
  P.Property("Layout", &TLabel::Layout, &TLabel::SetLayout).SetDefault(tlTop);
  P.Property("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor).SetDefault(true);
  P.Property("ParentFont", &TLabel::ParentFont, &TLabel::SetParentFont).SetDefault(true);
  P.Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).SetDefault(true);
  P.Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).SetDefault(false);
  P.Property("Visible", &TLabel::Visible, &TLabel::SetVisible).SetDefault(true);
  P.Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).SetDefault(false);
  P.Property("OnClick", &TLabel::OnClick);
  P.Property("OnMouseDown", &TLabel::OnMouseDown);
  P.Property("OnMouseUp", &TLabel::OnMouseUp);
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  width_ = 65;
  height_ = 17;
  SetColor(clBtnFace);
  SetParentColor(true);
  controlStyle_.Include(csOpaque);  // an opaque label fills its whole area
}

void TLabel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
  transparent_ = value;
  if (value) controlStyle_.Exclude(csOpaque);
  else controlStyle_.Include(csOpaque);
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  layout_ = value;
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::CMTextChanged(TMessage& m) {
  TGraphicControl::CMTextChanged(m);
  AdjustBounds();
}

void TLabel::CMFontChanged(TMessage& m) {
  TGraphicControl::CMFontChanged(m);
  AdjustBounds();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::Dispatch(TMessage& m) {
  if (m.Msg == CM_DIALOGCHAR) {
    if (showAccelChar_ && focusControl_ && Enabled() && focusControl_->CanFocus() && AccelCharOf(Caption()) != 0 &&
        AccelCharOf(Caption()) == static_cast<char32_t>(m.WParam)) {
      focusControl_->SetFocus();
      m.Result = 1;
    }
    return;
  }
  TGraphicControl::Dispatch(m);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

std::vector<std::string> TLabel::Lines(TCanvas& c) const {
  std::vector<std::string> out;
  const std::string& text = Caption();
  auto width = [&](const std::string& s) { return showAccelChar_ ? AccelTextWidth(c, s) : c.TextWidth(s); };
  size_t start = 0;
  while (start <= text.size()) {
    size_t nl = text.find('\n', start);
    std::string para = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
    if (!para.empty() && para.back() == '\r') para.pop_back();
    if (!wordWrap_) {
      out.push_back(para);
    } else {
      // Break at spaces so that every line fits the width; a word wider than the
      // label stands on a line of its own.
      std::string line;
      size_t i = 0;
      while (i <= para.size()) {
        size_t sp = para.find(' ', i);
        std::string word = para.substr(i, sp == std::string::npos ? std::string::npos : sp - i);
        std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && width(candidate) > width_) {
          out.push_back(line);
          line = word;
        } else {
          line = candidate;
        }
        if (sp == std::string::npos) break;
        i = sp + 1;
      }
      out.push_back(line);
    }
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  return out;
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || ComponentState().Contains(csLoading)) return;
  TCanvas measure;
  measure.Font().Assign(Font());
  const std::vector<std::string> lines = Lines(measure);
  Integer w = 0;
  for (const std::string& l : lines) w = std::max(w, showAccelChar_ ? AccelTextWidth(measure, l) : measure.TextWidth(l));
  const Integer h = static_cast<Integer>(lines.size()) * measure.TextHeight("Wg");
  if (wordWrap_) w = width_;
  Integer l = left_;
  if (alignment_ == taRightJustify) l = left_ + width_ - w;
  SetBounds(l, top_, w, h);
}

void TLabel::Paint() {
  TCanvas& c = Canvas();
  if (!transparent_) {
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, width_, height_));
  }
  c.Brush().SetStyle(bsClear);
  const std::vector<std::string> lines = Lines(c);
  const Integer th = c.TextHeight("Wg");
  const Integer total = th * static_cast<Integer>(lines.size());
  Integer y = layout_ == tlTop ? 0 : layout_ == tlCenter ? (height_ - total) / 2 : height_ - total;
  for (const std::string& line : lines) {
    const Integer tw = showAccelChar_ ? AccelTextWidth(c, line) : c.TextWidth(line);
    const Integer x = alignment_ == taLeftJustify ? 0 : alignment_ == taCenter ? (width_ - tw) / 2 : width_ - tw;
    auto draw = [&](Integer dx, Integer dy) {
      if (showAccelChar_) DrawAccelText(c, x + dx, y + dy, line);
      else c.TextOut(x + dx, y + dy, line);
    };
    if (Enabled()) {
      draw(0, 0);
    } else {
      c.Font().SetColor(clBtnHighlight);
      draw(1, 1);
      c.Font().SetColor(clBtnShadow);
      draw(0, 0);
    }
    y += th;
  }
  c.Brush().SetStyle(bsSolid);
}

}  // namespace host

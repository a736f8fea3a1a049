#include "host/stdctrls/Dialogs.h"

#include <algorithm>

#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

namespace host {

namespace {

TMessageDlgHandler& Handler() {
  static TMessageDlgHandler handler;
  return handler;
}

struct TButtonInfo {
  TMsgDlgBtn Button;
  const char* Name;
  const char* Caption;
  TModalResult Result;
};

constexpr TButtonInfo kButtons[] = {
    {mbYes, "Yes", "&Yes", mrYes},          {mbNo, "No", "&No", mrNo},
    {mbOK, "OK", "OK", mrOk},               {mbCancel, "Cancel", "Cancel", mrCancel},
    {mbAbort, "Abort", "&Abort", mrAbort},  {mbRetry, "Retry", "&Retry", mrRetry},
    {mbIgnore, "Ignore", "&Ignore", mrIgnore}, {mbAll, "All", "&All", mrAll},
    {mbNoToAll, "NoToAll", "N&o to All", mrNoToAll}, {mbYesToAll, "YesToAll", "Yes to &All", mrYesToAll},
    {mbHelp, "Help", "&Help", mrNone}};

const char* CaptionOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    default: return "";
  }
}

// The 32 x 32 icon of a message type, drawn on the face colour.
void DrawIcon(TBitmap& b, TMsgDlgType type) {
  b.SetSize(32, 32);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clBtnFace);
  c.FillRect(Rect(0, 0, 32, 32));
  c.Pen().SetColor(clBlack);
  switch (type) {
    case mtError:
      c.Brush().SetColor(clRed);
      c.Ellipse(1, 1, 31, 31);
      c.Brush().SetColor(clWhite);
      for (Integer i = 0; i < 12; ++i) {
        c.FillRect(Rect(10 + i, 9 + i, 13 + i, 11 + i));
        c.FillRect(Rect(19 - i, 9 + i, 22 - i, 11 + i));
      }
      break;
    case mtWarning:
      c.Brush().SetColor(clYellow);
      c.Polygon({Point(16, 1), Point(31, 29), Point(1, 29)});
      c.Brush().SetColor(clBlack);
      c.FillRect(Rect(15, 9, 18, 21));
      c.FillRect(Rect(15, 23, 18, 26));
      break;
    case mtInformation:
    case mtConfirmation:
    default:
      c.Brush().SetColor(clWhite);
      c.Ellipse(1, 1, 31, 31);
      c.Brush().SetColor(type == mtConfirmation ? clGreen : clBlue);
      if (type == mtConfirmation) {
        c.FillRect(Rect(11, 7, 21, 10));
        c.FillRect(Rect(19, 9, 22, 15));
        c.FillRect(Rect(15, 14, 20, 17));
        c.FillRect(Rect(15, 16, 18, 20));
        c.FillRect(Rect(15, 22, 18, 25));
      } else {
        c.FillRect(Rect(14, 7, 18, 11));
        c.FillRect(Rect(14, 13, 18, 25));
        c.FillRect(Rect(12, 23, 20, 25));
      }
      break;
  }
}

}  // namespace

TForm* CreateMessageDialog(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetCaption(type == mtCustom ? Application->Title() : CaptionOf(type));
  const bool hasIcon = type != mtCustom;
  if (hasIcon) {
    auto* icon = new TImage(form);
    icon->SetName("Image");
    DrawIcon(*icon->Picture()->Bitmap(), type);
    icon->SetBounds(16, 16, 32, 32);
    icon->SetParent(form);
  }
  auto* text = new TLabel(form);
  text->SetName("Message");
  text->SetCaption(msg);
  text->SetShowAccelChar(false);
  text->SetParent(form);
  const Integer textLeft = hasIcon ? 64 : 16;
  text->SetLeft(textLeft);
  if (text->Width() > 400) {
    text->SetWordWrap(true);
    text->SetWidth(400);
    text->SetAutoSize(true);
  }
  text->SetTop(hasIcon ? std::max<Integer>(16, 16 + (32 - text->Height()) / 2) : 16);

  const TMsgDlgBtn defaultButton = buttons.Contains(mbOK) ? mbOK : buttons.Contains(mbYes) ? mbYes : mbRetry;
  const TMsgDlgBtn cancelButton = buttons.Contains(mbCancel) ? mbCancel : buttons.Contains(mbNo) ? mbNo : mbOK;
  std::vector<TButton*> made;
  for (const TButtonInfo& info : kButtons) {
    if (!buttons.Contains(info.Button)) continue;
    auto* b = new TButton(form);
    b->SetName(info.Name);
    b->SetCaption(info.Caption);
    b->SetModalResult(info.Result);
    b->SetDefault(info.Button == defaultButton);
    b->SetCancel(info.Button == cancelButton);
    b->SetParent(form);
    made.push_back(b);
  }
  constexpr Integer bw = 75, bh = 25, gap = 8;
  const Integer row = static_cast<Integer>(made.size()) * bw + std::max<Integer>(static_cast<Integer>(made.size()) - 1, 0) * gap;
  const Integer textBottom = std::max(text->Top() + text->Height(), hasIcon ? 48 : 0);
  const Integer clientWidth = std::max(textLeft + text->Width() + 16, row + 32);
  const Integer top = textBottom + 16;
  Integer x = (clientWidth - row) / 2;
  for (TButton* b : made) {
    b->SetBounds(x, top, bw, bh);
    x += bw + gap;
  }
  form->SetClientWidth(clientWidth);
  form->SetClientHeight(top + bh + 12);
  if (!made.empty()) {
    auto it = std::find_if(made.begin(), made.end(), [](TButton* b) { return b->Default(); });
    form->SetActiveControl(it != made.end() ? *it : made.front());
  }
  return form;
}

Integer MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, Integer helpCtx) {
  if (Handler()) return Handler()(msg, type, buttons, helpCtx);
  std::unique_ptr<TForm> form(CreateMessageDialog(msg, type, buttons));
  return form->ShowModal();
}

TMessageDlgHandler GetMessageDlgHandler() { return Handler(); }

void SetMessageDlgHandler(TMessageDlgHandler handler) { Handler() = std::move(handler); }

void ShowMessage(const std::string& msg) { MessageDlg(msg, mtCustom, {mbOK}, 0); }

}  // namespace host

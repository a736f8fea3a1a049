// The wizard control TZelvant: pages, navigation, the button bar, the tab strip, the
// stored sizes and history. The wizard keeps no page objects: each page-aware control
// of its form is told the page count ("SetNumApos") and the page shown
// ("SetNewPosition") and places itself.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "host/core/OwnedScan.h"
#include "host/stdctrls/Buttons.h"
#include "host/forms/Forms.h"
#include "zelvant/ZelvL.h"

namespace host {
class TIniFile;
}

namespace zelvant {

using host::Integer;

// Largest button size and tab spacing kept: the bar and tab arithmetic never overflows.
constexpr Integer kMaxExtent = 32767;

HOST_ENUM(ZelvantStyle, asWizard, asNone, asTabbed)

class TZelvant;
struct TRouteFinding;
struct TRouteOptions;
struct TRouteSteps;
class TAJumpRadioBtn;

// Sender and page arguments are way-list positions (or page numbers without a way list).
using TPageChangeEvent = host::TEvent<void(TZelvant* sender, Integer page)>;
using TCanPageChangeEvent = host::TEvent<bool(TZelvant* sender, Integer fromPage, Integer& toPage)>;
using TAskPageChangeEvent = host::TEvent<void(TZelvant* sender, Integer aktPage, Integer& newPage)>;
using THelpClickEvent = host::TEvent<void(TZelvant* sender, Integer page)>;
using TCancelClickEvent = host::TEvent<bool(TZelvant* sender, Integer page)>;
// The shape of "SetNumApos" and "SetNewPosition", called by name on the form's components.
using AMethod1 = void(Integer);

// A bar button that stays clickable while its form is designed.
class TDesignButton : public host::TBitBtn {
  HOST_CLASS(TDesignButton, host::TBitBtn)
  using host::TBitBtn::TBitBtn;
};

using TNumGlyphs = std::uint8_t;

// How one role of the bar is dressed: text, glyph, glyph layout, enabled and shown.
class TButtonData : public host::TPersistent {
  HOST_CLASS(TButtonData, host::TPersistent)

  explicit TButtonData(TZelvant* AOwner);
  ~TButtonData() override;

  const std::string& Text() const { return FText; }
  void SetText(const std::string& Value);
  host::TButtonLayout Layout() const { return FLayout; }
  void SetLayout(host::TButtonLayout Value);
  host::TBitmap* GetGlyph() const { return FGlyph.get(); }
  void SetGlyph(host::TBitmap* Value);
  TNumGlyphs GetNumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TNumGlyphs Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Show() const { return FShow; }
  void SetShow(bool Value);

  // Dresses and places one bar button; true when the button is shown.
  bool WriteToButton(host::TBitBtn* Button, Integer top, Integer left, bool showGlyph, Integer& tabPosition);

 private:
  TZelvant* FZelvant;
  std::string FText;
  std::unique_ptr<host::TBitmap> FGlyph;
  TNumGlyphs FNumGlyphs = 1;  // the stored default: a role left at it loads the same
  host::TButtonLayout FLayout = host::blGlyphLeft;
  bool FEnabled = false;
  bool FShow = false;
};

class TZelvant : public host::TCustomControl {
  HOST_CLASS(TZelvant, host::TCustomControl)

  explicit TZelvant(host::TComponent* AOwner);
  ~TZelvant() override;

  // --- page count, names and caption
  Integer NumPages() const { return FNumPages; }
  void SetNumPages(Integer Value);
  host::TStringList* PageNames() const { return FPageNames.get(); }
  void setpagenames(host::TStringList* Value);
  const std::string& CaptionWizard() const { return FCaptionWizard; }
  void SetCaptionWizard(const std::string& Value);
  const std::string& CaptionDialog() const { return FCaptionDialog; }
  void SetCaptionDialog(const std::string& Value);
  bool ShowPageNames() const { return FShowPageNames; }
  void setshowpagenames(bool Value);
  void SetCaption();
  // Refresh after an editor changed page names, pages of a control, layouts or the way list.
  void zelvupdate();
  // The position itself when it can be shown, else the nearest one that can (page 0 at worst).
  Integer NearestShownPosition(Integer position) const;

  // --- navigation
  Integer Page() const { return FPage; }
  void setPage(Integer Value);
  Integer GetRealPage(Integer APage) const;
  Integer RealPage() const { return GetRealPage(FPage); }
  // The page a position shows, or -1 for a way-list position the list does not hold.
  Integer ShownPage(Integer position) const;
  // The dialog page is what is shown (position 0, or a way-list row showing page 0).
  bool DialogShown() const { return ShownPage(FPage) == 0; }
  Integer getjumppage();
  Integer StartPage() const { return FStartPage; }
  void SetStartPage(Integer Value);
  bool WayListEnabled() const { return FWayListEnabled; }
  void SetWayListEnabled(bool Value);
  TPageList* WayList() const { return FWayList.get(); }
  TIntegerList* History() const { return FHistory.get(); }
  bool CanChange() const { return FCanChange; }
  void Jump(Integer APage);
  void JumpRel(Integer Delta);
  void ClearHistory();
  Integer Execute(Integer APage);

  // --- route checks (zelvant/ZelvRoutes.h): the faults of the wizard's routes, and the
  // steps taken and left on the route through the position shown
  std::vector<TRouteFinding> CheckRoutes() const;
  std::vector<TRouteFinding> CheckRoutes(const TRouteOptions& options) const;
  TRouteSteps RouteSteps() const;
  TRouteSteps RouteSteps(const TRouteOptions& options) const;
  Integer StepsTaken() const;
  Integer FewestStepsLeft() const;
  Integer MostStepsLeft() const;

  void Nextclick(host::TObject* Sender);
  void Backclick(host::TObject* Sender);
  void Changeclick(host::TObject* Sender);
  void OKClick(host::TObject* Sender);
  void CancelClick(host::TObject* Sender);
  void HelpClick(host::TObject* Sender);
  void NextRightDown(host::TObject* Sender, host::TMouseButton Button, host::TShiftState Shift, Integer X, Integer Y);
  void BackRightDown(host::TObject* Sender, host::TMouseButton Button, host::TShiftState Shift, Integer X, Integer Y);
  void Deselect() {}

  // --- button bar
  void ShowButtons();
  Integer ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(Integer Value);
  Integer ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(Integer Value);
  host::TButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(host::TButtonStyle Value);
  bool ShowGlyph() const { return FShowGlyph; }
  void setshowglyph(bool Value);
  bool Seperator() const { return FSeperator; }
  void SetSeparator(bool Value);
  void ClearGlyphTag();
  TIntegerList* BLWizard() const { return FBLWizard.get(); }
  TIntegerList* BLDialog() const { return FBLDialog.get(); }
  TButtonData* BtnHelp() const { return FBtnHelp.get(); }
  TButtonData* BtnWizardOK() const { return FBtnWizardOK.get(); }
  TButtonData* BtnFinish() const { return FBtnFinish.get(); }
  TButtonData* BtnDialogOK() const { return FBtnDialogOK.get(); }
  TButtonData* BtnChangeWizard() const { return FBtnChangeWizard.get(); }
  TButtonData* BtnChangeDialog() const { return FBtnChangeDialog.get(); }
  TButtonData* BtnCancel() const { return FBtnCancel.get(); }
  TButtonData* BtnNext() const { return FBtnNext.get(); }
  TButtonData* BtnBack() const { return FBtnBack.get(); }
  TDesignButton* ChangeButton() const { return FChangeButton; }
  TDesignButton* HelpButton() const { return FHelpButton; }
  host::TBitBtn* CancelButton() const { return FCancelButton; }
  TDesignButton* BackButton() const { return FBackButton; }
  TDesignButton* NextButton() const { return FNextButton; }
  host::TBitBtn* OKButton() const { return FOKButton; }

  // --- style, painting and tabs
  ZelvantStyle Style() const { return FStyle; }
  void SetStyle(ZelvantStyle Value);
  Integer TabSpaceX() const { return FTabSpaceX; }
  void SetTabSpaceX(Integer Value);
  Integer TabSpaceY() const { return FTabSpaceY; }
  void SetTabSpaceY(Integer Value);
  TIntegerList* TabLines() const { return FTabLines.get(); }
  Integer tabheight();
  Integer tablength(Integer Line);
  void inittabsinline();
  bool tabinline(Integer APage, Integer Line) const;
  void painttabs();
  void painttabline(Integer Line, Integer Y);
  Integer painttab(Integer APage, Integer X, Integer Y, Integer Pad, const std::string& Caption, bool Selected);
  void tabclick(Integer X, Integer Y);
  host::TRect GetClientRect() const override;

  // --- sizes and design time
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void myresize(Integer AWidth, Integer AHeight);
  void setWizardHeight(Integer Value);
  void setWizardWidth(Integer Value);
  void setDialogHeight(Integer Value);
  void setDialogWidth(Integer Value);
  Integer WizardWidth() const { return FWizardWidth; }
  Integer WizardHeight() const { return FWizardHeight; }
  Integer DialogWidth() const { return FDialogWidth; }
  Integer DialogHeight() const { return FDialogHeight; }
  void UpdateDesigner();
  void DefineProperties(host::TFiler& Filer) override;
  void WriteSize(host::TStream& Stream);
  void ReadSize(host::TStream& Stream);

  /// Dresses a wizard made in code as the designer dresses a new one, or switches its language.
  /// Reads section Language of the language file FileName (empty: "Zelv.ini" in the language
  /// directory; empty Language: the file's [Option] Language, by default "english"); every
  /// text missing there, or the whole file, falls back to the built-in English table.
  /// Every role and both captions take their texts; a role still blank, as the constructor
  /// leaves it at run time, also takes its glyph, Enabled, Show and layout, so that a later
  /// call changes only the words. The caption and the bar are refreshed once, at the end.
  void LoadLanguage(const std::string& FileName = "", const std::string& Language = "");
  /// The language file is "Zelv.ini" in this directory; empty means the running
  /// program's directory (a designer or a test may point elsewhere).
  static void SetLanguageDirectory(const std::string& dir);
  /// The default language file: "Zelv.ini" in the language directory.
  static std::string LanguageFileName();

  bool RememberPage = false;
  bool SetFormProperties = true;
  bool UseHistory = true;
  bool SetFormCaption = true;
  TPageChangeEvent OnPageChange;
  TCanPageChangeEvent OnCanPageChange;
  TAskPageChangeEvent OnAskPageChange;
  THelpClickEvent OnHelpClick;
  TCancelClickEvent OnCancelClick;

 protected:
  void Loaded() override;
  void Paint() override;
  bool PaintFillsClient() const override { return true; }  // Paint fills the whole control
  void KeyDown(host::Word& Key, host::TShiftState Shift) override;
  void MouseDown(host::TMouseButton Button, host::TShiftState Shift, Integer X, Integer Y) override;
  void WMSize(host::TWMSize& Message) override;
  void BoundsChanged(bool sizeChanged) override;
  void WMGetDlgCode(host::TWMGetDlgCode& Message) override;
  void WMSetFocus(host::TWMSetFocus& Message) override;
  void WMKillFocus(host::TWMKillFocus& Message) override;
  void CMDesignHitTest(host::TCMDesignHitTest& Message) override;

 private:
  host::TForm* Form() const;  // the owner as a form; EInvalidCast for any other owner
  bool FormLoading() const;
  void SizeChanged();  // the bar follows the right edge; the tab lines the width
  void ReadLanguageFile();
  void ApplyLanguage(const host::TIniFile& ini, const std::string& language);
  void CallOnComponents(host::TMethodListeners<AMethod1>& method, Integer value);
  void CheckPosition(Integer position, Integer realPage) const;
  // Steps 5 to 11 of a page change that goes ahead to position toPage, showing page r.
  void ChangePage(Integer toPage, Integer r, bool reading);
  // OK, Next, Back, Help, Cancel, Change: the order the size setters use.
  std::array<host::TBitBtn*, 6> BarButtons() const;
  void setWizardbuttons();
  void setdialogbuttons();
  void setnobuttons();
  void LayoutGroups(const TIntegerList& layout, bool dialog, bool last, Integer top);
  host::TBitBtn* PlaceButton(Integer code, bool dialog, bool last, Integer top, Integer x, Integer& tabPos,
                             Integer& advance);
  void PushHistory(Integer position);
  Integer TabRowHeight();
  // Tabs are the positions that exist: NumPages, or fewer when a shorter way list is on.
  Integer TabCount() const;
  void RealignToTabStrip();
  std::string TabLabel(Integer position) const;
  Integer LineOfPage(Integer position) const;
  Integer FirstPageOfLine(Integer line) const;
  void BalanceTabLines(Integer usable);

  Integer FPage = 0;
  bool FCanChange = true;
  Integer FNumPages = 0;
  Integer FDialogHeight = 0, FDialogWidth = 0;
  Integer FWizardHeight = 0, FWizardWidth = 0;
  TDesignButton* FChangeButton = nullptr;
  TDesignButton* FBackButton = nullptr;
  TDesignButton* FNextButton = nullptr;
  TDesignButton* FHelpButton = nullptr;
  host::TBitBtn* FCancelButton = nullptr;
  host::TBitBtn* FOKButton = nullptr;
  bool FTrackSize = true;
  Integer FButtonWidth = 90, FButtonHeight = 25;
  bool FShowGlyph = true;
  std::string FCaptionWizard;
  std::string FCaptionDialog;
  Integer FRememberedPage = 1;
  std::unique_ptr<host::TStringList> FPageNames;
  std::unique_ptr<TButtonData> FBtnHelp, FBtnWizardOK, FBtnFinish, FBtnDialogOK, FBtnChangeWizard, FBtnChangeDialog,
      FBtnCancel, FBtnNext, FBtnBack;
  bool FLayoutButtons = false;
  std::unique_ptr<TPageList> FWayList;
  bool FWayListEnabled = false;
  std::unique_ptr<TIntegerList> FHistory;
  Integer FStartPage = 1;
  bool FShowPageNames = false;
  std::unique_ptr<TIntegerList> FBLWizard, FBLDialog;
  host::TButtonStyle FButtonStyle = host::bsAutoDetect;
  bool FSeperator = true;
  ZelvantStyle FStyle = asWizard;
  std::unique_ptr<TIntegerList> FTabLines;
  Integer FTabSpaceX = 16, FTabSpaceY = 8;
  // Width each position's tab was last drawn with: positions of a way list may show the
  // same page, so the page names' slots alone cannot tell their tabs apart.
  std::vector<Integer> FTabWidths;
  Integer FAlignedTabHeight = 0;  // tab strip height the children were last aligned below
  // The form's components that take the page count and the page shown.
  host::TMethodListeners<AMethod1> FSetNumApos{"SetNumApos"};
  host::TMethodListeners<AMethod1> FSetNewPosition{"SetNewPosition"};
  // The form's jump radio buttons, in component order.
  host::TOwnedScan<TAJumpRadioBtn*> FJumpRadios;
};

}  // namespace zelvant

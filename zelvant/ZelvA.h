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
#include "zelvant/PagePlacement.h"
#include "zelvant/ZelvL.h"

namespace host {
class TIniFile;
}

namespace zelvant {

using host::Integer;

/// Largest button size and tab spacing kept: the bar and tab arithmetic never overflows.
constexpr Integer kMaxExtent = 32767;

/// How the wizard presents its pages: with the button bar, bare, or as a tab strip.
HOST_ENUM(ZelvantStyle, asWizard, asNone, asTabbed)

class TZelvant;
struct TRouteFinding;
struct TRouteOptions;
struct TRouteSteps;
class TAJumpRadioBtn;

/// Raised after the wizard showed position page.
using TPageChangeEvent = host::TEvent<void(TZelvant* sender, Integer page)>;
/// Raised before a page change (Next, Back, Change, Finish as toPage -1, jumps); False vetoes it, a new toPage redirects it.
using TCanPageChangeEvent = host::TEvent<bool(TZelvant* sender, Integer fromPage, Integer& toPage)>;
/// Raised for a way-list row that says "Ask": the handler sets the position to go to.
using TAskPageChangeEvent = host::TEvent<void(TZelvant* sender, Integer aktPage, Integer& newPage)>;
/// Raised by the Help button with the position shown.
using THelpClickEvent = host::TEvent<void(TZelvant* sender, Integer page)>;
/// Raised by Cancel, Escape and the close box; False keeps the wizard open.
using TCancelClickEvent = host::TEvent<bool(TZelvant* sender, Integer page)>;
/// The shape of "SetNumApos" and "SetNewPosition", called by name on the form's components.
using AMethod1 = void(Integer);

/// A bar button that stays clickable while its form is designed.
class TDesignButton : public host::TBitBtn {
  HOST_CLASS(TDesignButton, host::TBitBtn)
  using host::TBitBtn::TBitBtn;
};

/// Number of images side by side in a button glyph.
using TNumGlyphs = std::uint8_t;

/// How one role of the bar is dressed: text, glyph, glyph layout, enabled and shown.
class TButtonData : public host::TPersistent {
  HOST_CLASS(TButtonData, host::TPersistent)

  /// Creates a blank role of AOwner's bar; AOwner's bar follows every change.
  explicit TButtonData(TZelvant* AOwner);
  /// Frees the glyph.
  ~TButtonData() override;

  /// The button's caption.
  const std::string& Text() const { return FText; }
  /// Sets the caption and re-arranges the bar.
  void SetText(const std::string& Value);
  /// Where the glyph sits beside the caption.
  host::TButtonLayout Layout() const { return FLayout; }
  /// Sets the glyph's place and re-arranges the bar.
  void SetLayout(host::TButtonLayout Value);
  /// The glyph, owned by this role.
  host::TBitmap* GetGlyph() const { return FGlyph.get(); }
  /// Copies Value's picture into the role's glyph.
  void SetGlyph(host::TBitmap* Value);
  /// Number of images in the glyph.
  TNumGlyphs GetNumGlyphs() const { return FNumGlyphs; }
  /// Sets the number of images in the glyph and re-arranges the bar.
  void SetNumGlyphs(TNumGlyphs Value);
  /// True when the role's button can be clicked.
  bool Enabled() const { return FEnabled; }
  /// Enables or disables the role's button.
  void SetEnabled(bool Value);
  /// True when the role's button is on the bar.
  bool Show() const { return FShow; }
  /// Puts the role's button on the bar or takes it off.
  void SetShow(bool Value);

  /// Dresses and places Button for this role; true when the button is shown.
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

/// The wizard control: pages, navigation, the button bar, the tab strip, the stored sizes and history.
class TZelvant : public host::TCustomControl {
  HOST_CLASS(TZelvant, host::TCustomControl)

  /// Creates the wizard on form AOwner with its six bar buttons (blank at run time: see LoadLanguage).
  explicit TZelvant(host::TComponent* AOwner);
  /// Frees the bar buttons, the nine roles and the lists.
  ~TZelvant() override;

  // --- page count, names and caption
  /// Number of wizard pages (the dialog page 0 not counted).
  Integer NumPages() const { return FNumPages; }
  /// Sets the page count and tells every page-aware control of the form.
  void SetNumPages(Integer Value);
  /// Names of pages 0 to NumPages, shown in the caption and on the tabs.
  host::TStringList* PageNames() const { return FPageNames.get(); }
  /// Copies Value into the page names and refreshes the caption.
  void setpagenames(host::TStringList* Value);
  /// Caption format on the wizard pages: two %d, the position and the page count.
  const std::string& CaptionWizard() const { return FCaptionWizard; }
  /// Sets the wizard caption format and refreshes the caption.
  void SetCaptionWizard(const std::string& Value);
  /// Caption on the dialog page.
  const std::string& CaptionDialog() const { return FCaptionDialog; }
  /// Sets the dialog caption and refreshes the caption.
  void SetCaptionDialog(const std::string& Value);
  /// True when the caption shows the page name instead of the formatted caption.
  bool ShowPageNames() const { return FShowPageNames; }
  /// Switches page names in the caption on or off.
  void setshowpagenames(bool Value);
  /// Writes the form's caption for the position shown (unless SetFormCaption is False).
  void SetCaption();
  /// Refresh after an editor changed page names, pages of a control, layouts or the way list.
  void zelvupdate();
  /// The position itself when it can be shown, else the nearest one that can (page 0 at worst).
  Integer NearestShownPosition(Integer position) const;

  // --- navigation
  /// The position shown: 0 the dialog page, 1 to NumPages the wizard pages or way-list rows.
  Integer Page() const { return FPage; }
  /// Shows position Value without events or history.
  void setPage(Integer Value);
  /// The page position APage shows (through the way list when it is enabled).
  Integer GetRealPage(Integer APage) const;
  /// The page shown.
  Integer RealPage() const { return GetRealPage(FPage); }
  /// The page a position shows, or -1 for a way-list position the list does not hold.
  Integer ShownPage(Integer position) const;
  /// True when the dialog page is what is shown.
  bool DialogShown() const { return ShownPage(FPage) == 0; }
  /// Target of Next from the jump radio buttons: the first enabled, checked one, else Page + 1.
  Integer getjumppage();
  /// Position Change leads to from the dialog page.
  Integer StartPage() const { return FStartPage; }
  /// Sets the position Change leads to from the dialog page.
  void SetStartPage(Integer Value);
  /// True when positions are rows of the way list.
  bool WayListEnabled() const { return FWayListEnabled; }
  /// Switches the way list on or off.
  void SetWayListEnabled(bool Value);
  /// The way list: per position the page shown and where Next goes.
  TPageList* WayList() const { return FWayList.get(); }
  /// Positions Back returns to, the last on top.
  TIntegerList* History() const { return FHistory.get(); }
  /// False while a page change is under way.
  bool CanChange() const { return FCanChange; }
  /// Goes to position APage as a jump button does (history kept when UseHistory).
  void Jump(Integer APage);
  /// Goes Delta positions from the one shown, as Jump does.
  void JumpRel(Integer Delta);
  /// Empties the history and disables Back.
  void ClearHistory();
  /// Shows the form modally from position APage; returns its modal result (1 finished, 2 cancelled).
  Integer Execute(Integer APage);

  // --- route checks (zelvant/ZelvRoutes.h): the faults of the wizard's routes, and the
  // steps taken and left on the route through the position shown
  /// The faults of the wizard's routes, with the default options.
  std::vector<TRouteFinding> CheckRoutes() const;
  /// The faults of the wizard's routes.
  std::vector<TRouteFinding> CheckRoutes(const TRouteOptions& options) const;
  /// Steps taken and left on the route through the position shown, with the default options.
  TRouteSteps RouteSteps() const;
  /// Steps taken and left on the route through the position shown.
  TRouteSteps RouteSteps(const TRouteOptions& options) const;
  /// Number of steps taken to reach the position shown (the history).
  Integer StepsTaken() const;
  /// Fewest steps left from the position shown to a finish.
  Integer FewestStepsLeft() const;
  /// Most steps left from the position shown to a finish, over paths without cycles.
  Integer MostStepsLeft() const;

  /// The Next button's handler.
  void Nextclick(host::TObject* Sender);
  /// The Back button's handler.
  void Backclick(host::TObject* Sender);
  /// The Change button's handler: between the dialog page and the wizard.
  void Changeclick(host::TObject* Sender);
  /// The OK and Finish button's handler.
  void OKClick(host::TObject* Sender);
  /// The Cancel button's handler: asks OnCancelClick, then ends the run with 2.
  void CancelClick(host::TObject* Sender);
  /// The Help button's handler: raises OnHelpClick.
  void HelpClick(host::TObject* Sender);
  /// Pages forward when the right button is released over Next while designing.
  void NextRightDown(host::TObject* Sender, host::TMouseButton Button, host::TShiftState Shift, Integer X, Integer Y);
  /// Pages back when the right button is released over Back while designing.
  void BackRightDown(host::TObject* Sender, host::TMouseButton Button, host::TShiftState Shift, Integer X, Integer Y);
  /// Called at the end of each click handler while designing; does nothing.
  void Deselect() {}

  // --- button bar
  /// Re-arranges the button bar for the style, the position and the roles.
  void ShowButtons();
  /// Width of the bar buttons.
  Integer ButtonWidth() const { return FButtonWidth; }
  /// Sets the width of the bar buttons.
  void SetButtonWidth(Integer Value);
  /// Height of the bar buttons.
  Integer ButtonHeight() const { return FButtonHeight; }
  /// Sets the height of the bar buttons.
  void SetButtonHeight(Integer Value);
  /// Look of the bar buttons.
  host::TButtonStyle ButtonStyle() const { return FButtonStyle; }
  /// Sets the look of the bar buttons.
  void SetButtonStyle(host::TButtonStyle Value);
  /// True when the bar buttons show their glyphs.
  bool ShowGlyph() const { return FShowGlyph; }
  /// Shows or hides the bar buttons' glyphs.
  void setshowglyph(bool Value);
  /// True when a line separates the bar from the page.
  bool Seperator() const { return FSeperator; }
  /// Shows or hides the line above the bar.
  void SetSeparator(bool Value);
  /// Forgets which glyph each bar button shows, so the next layout dresses them again.
  void ClearGlyphTag();
  /// Button layout on the wizard pages: role codes, left to right.
  TIntegerList* BLWizard() const { return FBLWizard.get(); }
  /// Button layout on the dialog page: role codes, left to right.
  TIntegerList* BLDialog() const { return FBLDialog.get(); }
  /// The Help role.
  TButtonData* BtnHelp() const { return FBtnHelp.get(); }
  /// The OK role on the wizard pages.
  TButtonData* BtnWizardOK() const { return FBtnWizardOK.get(); }
  /// The Finish role on the last page.
  TButtonData* BtnFinish() const { return FBtnFinish.get(); }
  /// The OK role on the dialog page.
  TButtonData* BtnDialogOK() const { return FBtnDialogOK.get(); }
  /// The Change role on the wizard pages (to the dialog).
  TButtonData* BtnChangeWizard() const { return FBtnChangeWizard.get(); }
  /// The Change role on the dialog page (to the wizard).
  TButtonData* BtnChangeDialog() const { return FBtnChangeDialog.get(); }
  /// The Cancel role.
  TButtonData* BtnCancel() const { return FBtnCancel.get(); }
  /// The Next role.
  TButtonData* BtnNext() const { return FBtnNext.get(); }
  /// The Back role.
  TButtonData* BtnBack() const { return FBtnBack.get(); }
  /// The bar's Change button.
  TDesignButton* ChangeButton() const { return FChangeButton; }
  /// The bar's Help button.
  TDesignButton* HelpButton() const { return FHelpButton; }
  /// The bar's Cancel button.
  host::TBitBtn* CancelButton() const { return FCancelButton; }
  /// The bar's Back button.
  TDesignButton* BackButton() const { return FBackButton; }
  /// The bar's Next button.
  TDesignButton* NextButton() const { return FNextButton; }
  /// The bar's OK and Finish button.
  host::TBitBtn* OKButton() const { return FOKButton; }

  // --- style, painting and tabs
  /// How the pages are presented.
  ZelvantStyle Style() const { return FStyle; }
  /// Sets the presentation and re-arranges bar and tabs.
  void SetStyle(ZelvantStyle Value);
  /// Horizontal padding of a tab's caption.
  Integer TabSpaceX() const { return FTabSpaceX; }
  /// Sets the horizontal padding of the tabs.
  void SetTabSpaceX(Integer Value);
  /// Vertical padding of a tab's caption.
  Integer TabSpaceY() const { return FTabSpaceY; }
  /// Sets the vertical padding of the tabs.
  void SetTabSpaceY(Integer Value);
  /// First position of each tab line.
  TIntegerList* TabLines() const { return FTabLines.get(); }
  /// Height of the tab strip.
  Integer tabheight();
  /// Width of tab line Line.
  Integer tablength(Integer Line);
  /// Splits the tabs into lines that fit the width.
  void inittabsinline();
  /// True when position APage's tab is on line Line.
  bool tabinline(Integer APage, Integer Line) const;
  /// Paints the tab strip.
  void painttabs();
  /// Paints tab line Line at height Y.
  void painttabline(Integer Line, Integer Y);
  /// Paints one tab at X, Y; returns its width.
  Integer painttab(Integer APage, Integer X, Integer Y, Integer Pad, const std::string& Caption, bool Selected);
  /// Goes to the position whose tab is at X, Y.
  void tabclick(Integer X, Integer Y);
  /// The page area: the control less the tab strip and the bar.
  host::TRect GetClientRect() const override;

  // --- sizes and design time
  /// Moves and sizes the wizard, keeping the bar at the bottom right.
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  /// Sizes the form for the presentation shown.
  void myresize(Integer AWidth, Integer AHeight);
  /// Sets the form height kept for the wizard pages.
  void setWizardHeight(Integer Value);
  /// Sets the form width kept for the wizard pages.
  void setWizardWidth(Integer Value);
  /// Sets the form height kept for the dialog page.
  void setDialogHeight(Integer Value);
  /// Sets the form width kept for the dialog page.
  void setDialogWidth(Integer Value);
  /// Form width on the wizard pages.
  Integer WizardWidth() const { return FWizardWidth; }
  /// Form height on the wizard pages.
  Integer WizardHeight() const { return FWizardHeight; }
  /// Form width on the dialog page.
  Integer DialogWidth() const { return FDialogWidth; }
  /// Form height on the dialog page.
  Integer DialogHeight() const { return FDialogHeight; }
  /// Tells the form designer, if any, that the form changed.
  void UpdateDesigner();
  /// Stores the four form sizes and the history beside the published properties.
  void DefineProperties(host::TFiler& Filer) override;
  /// Writes the four form sizes.
  void WriteSize(host::TStream& Stream);
  /// Reads the four form sizes.
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

  /// True: Change returns to the position left, not to StartPage.
  bool RememberPage = false;
  /// True: on loading, the wizard makes its form a centred, unscaled dialog.
  bool SetFormProperties = true;
  /// True: Next and jumps push the position left, so Back returns there.
  bool UseHistory = true;
  /// True: the wizard writes its form's caption.
  bool SetFormCaption = true;
  /// After a page change.
  TPageChangeEvent OnPageChange;
  /// Before a page change: veto or redirect.
  TCanPageChangeEvent OnCanPageChange;
  /// Answers a way-list row that says "Ask".
  TAskPageChangeEvent OnAskPageChange;
  /// The Help button was clicked.
  THelpClickEvent OnHelpClick;
  /// Cancel was asked for; False keeps the wizard open.
  TCancelClickEvent OnCancelClick;

  /// Who takes the page shown, and which of the wizard's controls need telling.
  TPagePlacement& Placement() { return FPlacement; }

  /// @cond INTERNAL
 protected:
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;
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

  /// @endcond
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
  // Focus for the page just shown: its first tab stop, else the default button.
  void FocusPage();
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
  TPagePlacement FPlacement{*this};
  // The form's jump radio buttons, in component order.
  host::TOwnedScan<TAJumpRadioBtn*> FJumpRadios;
  std::vector<host::TComponent*> FRadioCandidates;
};

}  // namespace zelvant

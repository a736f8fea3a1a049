// Navigation: the page change, Next, Back, Change, jumps, history, Execute, keys.
#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "host/forms/Backend.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

// Records the events of one wizard in order.
struct EventLog {
  std::vector<std::string> entries;
  void Attach(TZelvant* z, TForm* form) {
    z->OnCanPageChange = [this, form](TZelvant* s, Integer from, Integer& to) {
      entries.push_back("can " + std::to_string(from) + "->" + std::to_string(to) + " caption=" + form->Caption() +
                        " hist=" + std::to_string(s->History()->Count));
      return true;
    };
    z->OnPageChange = [this, form](TZelvant* s, Integer page) {
      entries.push_back("changed " + std::to_string(page) + " caption=" + form->Caption() +
                        " back=" + std::to_string(s->BtnBack()->Enabled()) +
                        " next=" + std::to_string(s->NextButton()->Left()));
    };
    z->OnAskPageChange = [this](TZelvant* s, Integer akt, Integer& newPage) {
      entries.push_back("ask " + std::to_string(akt) + "->" + std::to_string(newPage) +
                        " hist=" + std::to_string(s->History()->Count));
    };
  }
};

std::vector<Integer> HistoryOf(const TZelvant* z) {
  std::vector<Integer> h;
  for (Integer i = 0; i < z->History()->Count; ++i) h.push_back(z->History()->GetInteger(i));
  return h;
}

void UseWayList(TZelvant* z, std::initializer_list<TPage> rows) {
  for (const TPage& p : rows) z->WayList()->AddPage(p);
  z->SetWayListEnabled(true);
}

}  // namespace

TEST(Navigation, NextBackAndHistoryWithoutWayList) {
  Wizard w;
  TZelvant* z = w.z;
  z->SetNumPages(3);
  z->setPage(1);
  z->Nextclick(nullptr);
  z->Nextclick(nullptr);
  EXPECT_EQ(z->Page(), 3);
  EXPECT_EQ(HistoryOf(z), (std::vector<Integer>{1, 2}));
  EXPECT_FALSE(z->BtnNext()->Enabled());  // the last page
  EXPECT_TRUE(z->BtnBack()->Enabled());
  z->Backclick(nullptr);
  EXPECT_EQ(z->Page(), 2);
  EXPECT_EQ(HistoryOf(z), (std::vector<Integer>{1}));
  // Next on the last page finishes.
  z->setPage(3);
  z->Nextclick(nullptr);
  EXPECT_EQ(w.form->ModalResult(), mrOk);
  EXPECT_EQ(z->Page(), 3);
}

TEST(Navigation, NextFromTheDialogPageGoesToPageOne) {
  Wizard w;
  w.z->setPage(0);
  EXPECT_TRUE(w.z->BtnNext()->Enabled());
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.z->Page(), 1);
}

TEST(Navigation, BackWithoutHistoryOrOnPageOne) {
  Wizard w;
  w.z->setPage(1);
  w.z->Backclick(nullptr);  // empty history: nothing
  EXPECT_EQ(w.z->Page(), 1);
  w.z->UseHistory = false;
  w.z->Backclick(nullptr);
  EXPECT_EQ(w.z->Page(), 1);
  w.z->setPage(2);
  EXPECT_TRUE(w.z->BtnBack()->Enabled());
  w.z->Backclick(nullptr);
  EXPECT_EQ(w.z->Page(), 1);
  EXPECT_FALSE(w.z->BtnBack()->Enabled());
}

TEST(Navigation, VetoAndRedirect) {
  Wizard w;
  TZelvant* z = w.z;
  z->SetNumPages(4);
  z->setPage(1);
  z->Nextclick(nullptr);  // history 1
  int pageEvents = 0;
  z->OnPageChange = [&](TZelvant*, Integer) { ++pageEvents; };
  z->OnCanPageChange = [](TZelvant*, Integer, Integer&) { return false; };
  const std::string caption = w.form->Caption();
  z->Nextclick(nullptr);
  EXPECT_EQ(z->Page(), 2);
  EXPECT_EQ(HistoryOf(z), (std::vector<Integer>{1}));
  EXPECT_EQ(w.form->Caption(), caption);
  EXPECT_EQ(pageEvents, 0);
  // A Back that is redirected keeps the popped entry.
  z->OnCanPageChange = [](TZelvant*, Integer, Integer& to) {
    to = 4;
    return true;
  };
  z->Backclick(nullptr);
  EXPECT_EQ(z->Page(), 4);
  EXPECT_EQ(HistoryOf(z), (std::vector<Integer>{1}));
  // A vetoed OK keeps the form open.
  z->OnCanPageChange = [](TZelvant*, Integer, Integer&) { return false; };
  z->OKClick(nullptr);
  EXPECT_EQ(w.form->ModalResult(), mrNone);
}

TEST(Navigation, SetPageToTheCurrentPositionRaisesTheEventOnlyOnPageZero) {
  Wizard w;
  std::vector<Integer> pages;
  w.z->OnPageChange = [&](TZelvant*, Integer p) { pages.push_back(p); };
  w.z->setPage(1);
  w.z->setPage(1);
  w.z->setPage(0);
  w.z->setPage(0);
  EXPECT_EQ(pages, (std::vector<Integer>{1, 0, 0}));
}

TEST(Navigation, WayListRowCodes) {
  Wizard w;
  TZelvant* z = w.z;
  z->SetNumPages(4);
  UseWayList(z, {{1, gpNext}, {2, gpAsk}, {3, 5}, {2, gpDialog}, {4, gpFinish}});
  z->setPage(1);
  EXPECT_EQ(z->RealPage(), 1);
  z->Nextclick(nullptr);  // "Next": the next row
  EXPECT_EQ(z->Page(), 2);
  Integer offered = -99;
  z->OnAskPageChange = [&](TZelvant*, Integer akt, Integer& newPage) {
    offered = newPage;
    EXPECT_EQ(akt, 2);
    newPage = 4;
  };
  z->Nextclick(nullptr);  // "Ask": offered row 3, redirected to row 4
  EXPECT_EQ(offered, 3);
  EXPECT_EQ(z->Page(), 4);
  EXPECT_EQ(z->RealPage(), 2);
  z->Nextclick(nullptr);  // "Dialog"
  EXPECT_EQ(z->Page(), 0);
  z->setPage(3);
  z->Nextclick(nullptr);  // "Goto 5"
  EXPECT_EQ(z->Page(), 5);
  EXPECT_FALSE(z->BtnNext()->Enabled());  // "Finish" row
  z->Nextclick(nullptr);
  EXPECT_EQ(w.form->ModalResult(), mrOk);
}

TEST(Navigation, WayListPositionOutsideTheListIsRefusedCleanly) {
  Wizard w;
  TZelvant* z = w.z;
  UseWayList(z, {{1, gpNext}, {2, gpNext}});
  z->setPage(1);
  z->Nextclick(nullptr);
  ASSERT_EQ(z->Page(), 2);
  const auto history = HistoryOf(z);
  const std::string caption = w.form->Caption();
  EXPECT_THROW(z->Nextclick(nullptr), EListError);  // "Next" on the last row
  EXPECT_THROW(z->Jump(7), EListError);
  EXPECT_THROW(z->setPage(3), EListError);
  EXPECT_EQ(z->Page(), 2);
  EXPECT_EQ(HistoryOf(z), history);
  EXPECT_EQ(w.form->Caption(), caption);
  // An OnCanPageChange redirect outside the list is refused the same way.
  z->OnCanPageChange = [](TZelvant*, Integer, Integer& to) {
    to = 9;
    return true;
  };
  EXPECT_THROW(z->Backclick(nullptr), EListError);
  EXPECT_EQ(z->Page(), 2);
  EXPECT_EQ(HistoryOf(z), history);
  // A row that names a page the wizard does not have.
  z->OnCanPageChange = nullptr;
  z->WayList()->Record(0).Number = 12;
  EXPECT_THROW(z->setPage(1), EListError);
  EXPECT_EQ(z->Page(), 2);
  // And without the way list a page beyond the count.
  z->SetWayListEnabled(false);
  EXPECT_THROW(z->Jump(3), EListError);
  EXPECT_THROW(z->setPage(-2), EListError);
}

TEST(Navigation, NextOnTheDialogPageWithTheWayListGoesToTheFirstRow) {
  Wizard w;
  UseWayList(w.z, {{2, gpNext}, {1, gpFinish}});
  w.z->setPage(0);
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.z->Page(), 1);
  EXPECT_EQ(w.z->RealPage(), 2);
}

TEST(Navigation, ChangeWithAndWithoutRememberPage) {
  Wizard w;
  TZelvant* z = w.z;
  z->SetNumPages(4);
  z->SetStartPage(2);
  z->setPage(1);
  z->Nextclick(nullptr);
  z->Nextclick(nullptr);  // page 3, history 1 2
  z->Changeclick(nullptr);
  EXPECT_EQ(z->Page(), 0);
  z->Changeclick(nullptr);  // no RememberPage: history cleared, StartPage
  EXPECT_EQ(z->Page(), 2);
  EXPECT_EQ(z->History()->Count, 0);
  z->RememberPage = true;
  z->setPage(4);
  z->Changeclick(nullptr);
  z->Changeclick(nullptr);
  EXPECT_EQ(z->Page(), 4);
}

TEST(Navigation, CrossingToTheDialogResizesTheFormAboutItsCentre) {
  Wizard w;
  TZelvant* z = w.z;
  z->setPage(1);
  w.form->SetBounds(100, 100, 400, 300);
  z->setDialogWidth(200);
  z->setDialogHeight(200);
  EXPECT_EQ(w.form->Width(), 400);  // stored only
  z->setPage(0);
  EXPECT_EQ(w.form->BoundsRect(), Bounds(200, 150, 200, 200));
  z->setWizardWidth(600);
  z->setPage(1);
  EXPECT_EQ(w.form->Width(), 600);
  const TRect before = w.form->BoundsRect();
  z->setPage(2);  // between wizard pages: no resize
  EXPECT_EQ(w.form->BoundsRect(), before);
  z->SetAlign(alNone);
  z->setPage(0);
  EXPECT_EQ(w.form->BoundsRect(), before);
}

TEST(Navigation, OrderOfEventsForOneNextOnAnAskRow) {
  Wizard w;
  w.Dress();
  TZelvant* z = w.z;
  z->SetCaptionWizard("P%d/%d");
  UseWayList(z, {{1, gpAsk}, {2, gpFinish}});
  z->setPage(1);
  EventLog log;
  log.Attach(z, w.form);
  z->Nextclick(nullptr);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"ask 1->2 hist=0", "can 1->2 caption=P1/2 hist=1",
                                                    "changed 2 caption=P2/2 back=1 next=406"}));
}

TEST(Navigation, JumpsRecordHistoryAndKeepItAfterAVeto) {
  Wizard w;
  TZelvant* z = w.z;
  z->SetNumPages(5);
  z->setPage(1);
  z->Jump(4);
  z->JumpRel(-2);
  EXPECT_EQ(z->Page(), 2);
  EXPECT_EQ(HistoryOf(z), (std::vector<Integer>{1, 4}));
  z->OnCanPageChange = [](TZelvant*, Integer, Integer&) { return false; };
  z->Jump(5);
  EXPECT_EQ(z->Page(), 2);
  EXPECT_EQ(HistoryOf(z), (std::vector<Integer>{1, 4, 2}));
  z->ClearHistory();
  EXPECT_EQ(z->History()->Count, 0);
  EXPECT_FALSE(z->BtnBack()->Enabled());
}

TEST(Navigation, ArrowKeysStepPositions) {
  Wizard w;
  TZelvant* z = w.z;
  z->SetNumPages(3);
  z->setPage(2);
  Word key = VK_RIGHT;
  z->Perform(WM_KEYDOWN, VK_RIGHT);
  EXPECT_EQ(z->Page(), 3);
  z->Perform(WM_KEYDOWN, VK_RIGHT);
  EXPECT_EQ(z->Page(), 3);
  z->Perform(WM_KEYDOWN, VK_LEFT);
  z->Perform(WM_KEYDOWN, VK_LEFT);
  z->Perform(WM_KEYDOWN, VK_LEFT);
  EXPECT_EQ(z->Page(), 1);
  EXPECT_EQ(z->History()->Count, 0);
  EXPECT_EQ(z->Perform(WM_GETDLGCODE), DLGC_WANTARROWS);
  (void)key;
}

TEST(Navigation, ExecuteReturnsTheModalResultOfScriptedInput) {
  THeadlessBackend& backend = *Application->Headless();
  backend.Clear();
  {
    Wizard w;
    w.Dress();
    backend.ClickControl("Zelvant1.NextButton");
    backend.ClickControl("Zelvant1.NextButton");  // Finish on the last page
    EXPECT_EQ(w.z->Execute(1), mrOk);
    EXPECT_EQ(w.z->Page(), 2);
  }
  {
    Wizard w;
    w.Dress();
    backend.ClickControl("Zelvant1.CancelButton");
    EXPECT_EQ(w.z->Execute(1), mrCancel);
  }
  {
    Wizard w;
    w.Dress();
    int asked = 0;
    w.z->OnCancelClick = [&](TZelvant*, Integer) { return ++asked > 1; };
    backend.ClickControl("Zelvant1.CancelButton");  // refused
    backend.PressKey(VK_ESCAPE);                      // Escape presses the cancel button
    EXPECT_EQ(w.z->Execute(1), mrCancel);
    EXPECT_EQ(asked, 2);
  }
  {
    Wizard w;
    w.Dress();
    // The page's own control takes the focus, so Enter goes to the default button.
    auto* choice = new TComboBox(w.form);
    choice->SetParent(w.z);
    backend.PressKey(VK_RETURN);  // Enter presses Next, the default button
    backend.PressKey(VK_RETURN);  // and on the last page Next finishes
    EXPECT_EQ(w.z->Execute(1), mrOk);
  }
  backend.Clear();  // the key-up of the last press is still queued
}

TEST(Navigation, TheCloseBoxAndTheWindowSystemCancelThroughOnCancelClick) {
  THeadlessBackend& backend = *Application->Headless();
  backend.Clear();
  Wizard w;
  w.Dress();
  std::vector<Integer> asked;
  w.z->OnCancelClick = [&](TZelvant*, Integer page) {
    asked.push_back(page);
    return asked.size() > 2;  // "Really cancel setup?" - no, no, yes
  };
  const TRect box = w.form->CloseBoxRect();
  const TRect area = w.form->WindowClientArea();
  backend.Click(Point((box.Left + box.Right) / 2 - area.Left, (box.Top + box.Bottom) / 2 - area.Top));
  backend.ClickControl("Zelvant1.NextButton");  // the refusal kept the wizard open
  TInputEvent close;
  close.Kind = TInputEvent::TKind::Close;  // the window manager asks
  backend.Post(close);
  backend.Post(close);
  EXPECT_EQ(w.z->Execute(1), mrCancel);
  EXPECT_EQ(asked, (std::vector<Integer>{1, 2, 2}));
}

TEST(Navigation, DesignTimePagingAndModificationNotices) {
  LanguageDir noFile;
  Wizard w(true);
  TZelvant* z = w.z;
  z->setPage(1);
  const int before = w.designer->modified;
  z->NextRightDown(nullptr, mbRight, {}, 0, 0);
  EXPECT_EQ(z->Page(), 2);
  z->NextRightDown(nullptr, mbLeft, {}, 0, 0);  // only the right button pages
  z->NextRightDown(nullptr, mbRight, {}, 0, 0);  // last page: stays
  EXPECT_EQ(z->Page(), 2);
  z->BackRightDown(nullptr, mbRight, {}, 0, 0);
  z->BackRightDown(nullptr, mbRight, {}, 0, 0);
  EXPECT_EQ(z->Page(), 0);
  z->BackRightDown(nullptr, mbRight, {}, 0, 0);  // never finishes the designed form
  EXPECT_EQ(z->Page(), 0);
  EXPECT_EQ(w.form->ModalResult(), mrNone);
  EXPECT_EQ(w.designer->modified - before, 3);  // one notice per page turned
  EXPECT_EQ(w.designer->selected.back(), z);
  // At run time the right button does nothing.
  Wizard run;
  run.z->setPage(1);
  run.z->NextRightDown(nullptr, mbRight, {}, 0, 0);
  EXPECT_EQ(run.z->Page(), 1);
}

namespace {

// A form class that publishes handlers for the wizard's events and counts them.
class TEventForm : public TForm {
  HOST_CLASS(TEventForm, TForm)
  using TForm::TForm;
  bool CanChange(TZelvant*, Integer, Integer&) { return ++calls, true; }
  void Changed(TZelvant*, Integer) { ++calls; }
  int calls = 0;
};

}  // namespace

#include "host/core/ClassBuilder.h"
HOST_PUBLISHED(TEventForm) {
  P.Method("CanChange", &TEventForm::CanChange);
  P.Method("Changed", &TEventForm::Changed);
}

TEST(Navigation, LoadingSetsThePageWithoutEventsAndKeepsTheHandlers) {
  TEventForm source(nullptr);
  source.SetName("EventForm");
  source.SetClientWidth(500);
  source.SetClientHeight(360);
  auto* z = new TZelvant(&source);
  z->SetName("Zelvant1");
  z->SetParent(&source);
  z->SetNumPages(3);
  for (TButtonData* d : {z->BtnNext(), z->BtnBack(), z->BtnCancel(), z->BtnChangeDialog()}) {
    d->SetShow(true);
    d->SetEnabled(true);
  }
  z->setPage(2);
  z->OnCanPageChange = TCanPageChangeEvent(&source, "CanChange");
  z->OnPageChange = TPageChangeEvent(&source, "Changed");
  const std::string text = WriteForm(&source);
  EXPECT_NE(text.find("    OnPageChange = Changed\n    OnCanPageChange = CanChange\n"), std::string::npos) << text;

  TEventForm loaded(nullptr);
  ReadForm(text, &loaded);
  auto* copy = As<TZelvant>(loaded.FindComponent("Zelvant1"));
  EXPECT_EQ(loaded.calls, 0);
  EXPECT_EQ(copy->Page(), 2);
  EXPECT_EQ(copy->NextButton()->Left(), copy->Width() - 90 - 4);  // laid out for the loaded width
  copy->Nextclick(nullptr);
  EXPECT_EQ(loaded.calls, 2);
}

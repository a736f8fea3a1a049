// Random wizard forms built through the API, with every page-aware control nested,
// saved, loaded into a fresh form and saved again: the texts are the same byte for byte
// and every published property of every component is equal. A few hundred forms a run;
// ZELVANT_ROUNDTRIP_FORMS asks for more, ZELVANT_ROUNDTRIP_SEED for another series.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "host/core/TypInfo.h"
#include "host/stdctrls/ExtCtrls.h"
#include "zelvant/ZelvC.h"

using namespace host;
using namespace zelvant;

namespace {

long EnvNumber(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

class FormMaker {
 public:
  explicit FormMaker(unsigned seed) : rng_(seed) {}

  TForm* Make() {
    auto* form = new TForm(nullptr);
    form->SetName("WizardForm");
    form->SetBounds(Int(0, 300), Int(0, 300), Int(300, 700), Int(250, 500));
    z_ = new TZelvant(form);
    z_->SetName("Zelvant1");
    z_->SetParent(form);
    DressWizard();
    containers_ = {z_};
    const int controls = Int(0, 12);
    for (int i = 0; i < controls; ++i) AddControl(form, i);
    if (Chance(4)) z_->SetNumPages(Int(1, 8));  // controls resize their lists
    if (Chance(6)) delete form->FindComponent("Temp");  // its references become nil
    Navigate();
    if (z_->SetFormProperties) {
      // What loading gives the form, so that the original saves as a loaded copy does.
      form->SetPosition(poScreenCenter);
      form->SetBorderStyle(bsDialog);
      form->SetScaled(false);
    }
    return form;
  }

 private:
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(int oneIn) { return Int(1, oneIn) == 1; }
  bool Bool() { return Chance(2); }

  std::string Text() {
    static const char* pieces[] = {"Next", " ", "'", "''", "#", "#13", "%d", "&", "caf\xC3\xA9", "\xE2\x82\xAC",
                                   "\xF0\x9F\x98\x80", "\r\n", "\t", "\xE9", "Page", "x", "+", "{", "}"};
    std::string s;
    const int n = Chance(10) ? Int(100, 400) : Int(0, 6);
    for (int i = 0; i < n; ++i) s += pieces[Int(0, static_cast<int>(std::size(pieces)) - 1)];
    return s;
  }

  void DressWizard() {
    TZelvant* z = z_;
    z->SetNumPages(Int(1, 8));
    TStringList names;
    for (Integer i = 0; i <= z->NumPages(); ++i) names.Add(Chance(3) ? Text() : "Page " + IntToStr(i));
    z->setpagenames(&names);
    z->SetCaptionDialog(Text());
    z->SetCaptionWizard(Chance(2) ? "Step %d of %d" : Text());
    z->SetButtonWidth(Int(40, 120));
    z->SetButtonHeight(Int(18, 40));
    z->setshowglyph(Bool());
    z->RememberPage = Bool();
    for (TButtonData* d : {z->BtnHelp(), z->BtnWizardOK(), z->BtnFinish(), z->BtnDialogOK(), z->BtnChangeWizard(),
                           z->BtnChangeDialog(), z->BtnCancel(), z->BtnNext(), z->BtnBack()}) {
      d->SetText(Text());
      d->SetLayout(static_cast<TButtonLayout>(Int(0, 3)));
      if (Chance(5)) {
        TBitmap glyph;
        glyph.SetSize(Int(1, 4) * 8, 8);
        glyph.SetPixel(Int(0, 7), Int(0, 7), 0xFF000000u | static_cast<std::uint32_t>(Int(0, 0xFFFFFF)));
        d->SetGlyph(&glyph);
      }
      d->SetNumGlyphs(static_cast<TNumGlyphs>(Int(1, 4)));
      d->SetEnabled(Bool());
      d->SetShow(Bool());
    }
    const int rows = Int(0, z->NumPages() + 2);
    for (int i = 0; i < rows; ++i) {
      const int code = Int(-3, rows);
      z->WayList()->AddPage({Int(0, z->NumPages()), code});
    }
    z->SetStartPage(Int(1, z->NumPages()));
    z->setshowpagenames(Chance(4));
    Layout(z->BLWizard());
    Layout(z->BLDialog());
    z->SetButtonStyle(static_cast<TButtonStyle>(Int(0, 2)));
    z->SetSeparator(Bool());
    z->SetFormProperties = Bool();
    z->UseHistory = !Chance(4);
    z->SetFormCaption = !Chance(4);
    z->SetTabSpaceX(Int(0, 30));
    z->SetTabSpaceY(Int(0, 12));
    z->setWizardWidth(Int(200, 800));
    z->setWizardHeight(Int(200, 600));
    z->setDialogWidth(Int(200, 800));
    z->setDialogHeight(Int(200, 600));
    z->SetWayListEnabled(rows > 0 && Bool());
    z->SetStyle(static_cast<ZelvantStyle>(Int(0, 2)));
  }

  void Layout(TIntegerList* list) {
    list->Clear();
    if (Chance(8)) return;
    std::vector<Integer> codes = {1, 2, 3, 4, 5, 6};
    std::shuffle(codes.begin(), codes.end(), rng_);
    codes.resize(static_cast<size_t>(Int(0, 6)));
    if (!Chance(6)) codes.insert(codes.begin() + Int(0, static_cast<int>(codes.size())), 8);
    for (int s = Int(0, 2); s > 0; --s) codes.insert(codes.begin() + Int(0, static_cast<int>(codes.size())), 7);
    if (Chance(10)) codes.push_back(Int(-2, 12));
    for (Integer c : codes) list->Add(c);
  }

  TWinControl* AnyContainer() { return containers_[static_cast<size_t>(Int(0, static_cast<int>(containers_.size()) - 1))]; }

  void AddControl(TForm* form, int index) {
    const std::string name = "C" + std::to_string(index);
    TControl* c = nullptr;
    switch (Int(0, 7)) {
      case 0: c = new TABox(form); break;
      case 1: c = new TAGroupBox(form); break;
      case 2: c = new TAPanel(form); break;
      case 3: c = new TAPageControl(form); break;
      case 4: c = new TAImage(form); break;
      case 5: {
        auto* b = new TAJumpBitBtn(form);
        b->JumpPage = Int(-1, 6);
        b->JumpMode = static_cast<TJumpMode>(Int(0, 1));
        c = b;
        break;
      }
      case 6: {
        auto* r = new TAJumpRadioBtn(form);
        r->JumpPage = Int(-1, 6);
        r->JumpMode = static_cast<TJumpMode>(Int(0, 1));
        c = r;
        break;
      }
      default: {
        auto* f = new TAForm(form);
        f->FormCreate = static_cast<TFormCreate>(Int(0, 2));
        c = f;
        break;
      }
    }
    c->SetName(name);
    c->SetParent(AnyContainer());
    if (!dynamic_cast<TAImage*>(c) && !dynamic_cast<TABox*>(c)) c->SetCaption(Text());
    if (auto* r = dynamic_cast<TAJumpRadioBtn*>(c)) r->SetChecked(Bool());
    c->SetBounds(Int(0, 300), Int(0, 200), Int(10, 200), Int(10, 150));
    if (Chance(8) && !form->FindComponent("Temp")) {
      auto* temp = new TPanel(form);
      temp->SetName("Temp");
      temp->SetParent(z_);
    }
    // A container holds only controls made after it, so parents never form a cycle.
    if (dynamic_cast<TABox*>(c) || dynamic_cast<TAGroupBox*>(c) || dynamic_cast<TAPanel*>(c))
      containers_.push_back(static_cast<TWinControl*>(c));
    Configure(c, form);
  }

  // The page-aware part: pages shown and where, parents per presentation, alignment.
  void Configure(TControl* c, TForm* form) {
    TAposList* list = *c->FieldAddress<TAposList*>("FAposList");
    for (Integer p = 0; p < list->Count; ++p) list->SetApos(p, {Int(0, 300), Int(0, 200), Bool() ? 1 : 0});
    TWinControl* temp = dynamic_cast<TWinControl*>(form->FindComponent("Temp"));
    auto pick = [&]() -> TWinControl* { return temp && Chance(3) ? temp : AnyContainer(); };
    auto set = [&](auto* pa) {
      pa->SetParentInDialog(pick());  // the control itself is ignored by the setters
      pa->SetParentInWizard(pick());
      if (Chance(4)) pa->SetAAlign(static_cast<TAlign>(Int(0, 5)));
    };
    if (auto* x = dynamic_cast<TABox*>(c)) set(x);
    else if (auto* x = dynamic_cast<TAGroupBox*>(c)) set(x);
    else if (auto* x = dynamic_cast<TAPanel*>(c)) set(x);
    else if (auto* x = dynamic_cast<TAPageControl*>(c)) set(x);
    else if (auto* x = dynamic_cast<TAImage*>(c)) set(x);
    else if (auto* x = dynamic_cast<TAJumpBitBtn*>(c)) set(x);
    else if (auto* x = dynamic_cast<TAJumpRadioBtn*>(c)) set(x);
  }

  // Pages, jumps, history: the state a user leaves behind.
  void Navigate() {
    TZelvant* z = z_;
    const Integer last = z->WayListEnabled() ? z->WayList()->Count : z->NumPages();
    for (int step = Int(0, 6); step > 0; --step) {
      try {
        switch (Int(0, 4)) {
          case 0: z->setPage(Int(0, last)); break;
          case 1: z->Jump(Int(0, last)); break;
          case 2: z->Nextclick(nullptr); break;
          case 3: z->Backclick(nullptr); break;
          default: z->Changeclick(nullptr); break;
        }
      } catch (const EListError&) {
        // A "Next" row on the last position without a counting jump button.
      }
    }
    if (Chance(5)) z->History()->Add(Int(0, last));
  }

  std::mt19937 rng_;
  TZelvant* z_ = nullptr;
  std::vector<TWinControl*> containers_;
};

// Names every published property of a and b (sub-objects included) whose values differ.
void DifferentProperties(TObject* a, TObject* b, const std::string& path, std::string& out, int depth = 0) {
  if (depth > 4) return;
  auto differ = [&](const std::string& where) { out += where + "\n"; };
  for (const TPropInfo* p : a->ClassInfo().Properties()) {
    const std::string where = path + "." + p->Name;
    switch (p->Kind) {
      case TTypeKind::Integer:
      case TTypeKind::Enumeration:
      case TTypeKind::Set:
        if (p->GetOrd(a) != p->GetOrd(b)) differ(where);
        break;
      case TTypeKind::String:
        if (p->GetStr(a) != p->GetStr(b)) differ(where);
        break;
      case TTypeKind::Method:
        if (p->EventRef(a)->MethodName() != p->EventRef(b)->MethodName()) differ(where);
        break;
      case TTypeKind::Class: {
        TObject* x = p->GetObj(a);
        TObject* y = p->GetObj(b);
        if (p->IsReference) {
          auto name = [](TObject* o) { return o ? static_cast<TComponent*>(o)->Name() : std::string("nil"); };
          if (name(x) != name(y)) differ(where);
        } else if (x && y) {
          DifferentProperties(x, y, where, out, depth + 1);
        }
        break;
      }
    }
  }
}

}  // namespace

TEST(RoundTripProperty, RandomWizardFormsComeBackByteForByte) {
  const long forms = EnvNumber("ZELVANT_ROUNDTRIP_FORMS", 300);
  const long seed = EnvNumber("ZELVANT_ROUNDTRIP_SEED", 1);
  long same = 0, reported = 0;
  for (long i = 0; i < forms; ++i) {
    FormMaker maker(static_cast<unsigned>(seed * 1000003 + i));
    std::unique_ptr<TForm> original(maker.Make());
    const std::string text = WriteForm(original.get());
    TForm loaded(nullptr);
    std::string problem;
    try {
      ReadForm(text, &loaded);
      const std::string again = WriteForm(&loaded);
      if (again != text) problem = "loaded and saved\n" + again;
      for (TComponent* c : original->ComponentList()) {
        if (TComponent* copy = loaded.FindComponent(c->Name())) DifferentProperties(c, copy, c->Name(), problem);
        else problem += c->Name() + " missing\n";
      }
    } catch (const Exception& e) {
      problem = "does not load: " + e.Message();
    }
    if (problem.empty()) ++same;
    else if (++reported <= 3)
      ADD_FAILURE() << "form " << i << " of seed " << seed << "\nsaved\n" << text << "\n" << problem;
  }
  std::printf("%ld of %ld random wizard forms round-trip byte for byte\n", same, forms);
  EXPECT_EQ(same, forms);
}

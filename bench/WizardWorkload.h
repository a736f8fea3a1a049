// The wizard workload the speed figures are measured on: an 800 x 600 form, a wizard of
// 20 pages, and on each page a grid of controls of five kinds in 760 x 420, arranged
// either inside one page-aware box per page or as page-aware controls themselves.
#pragma once

#include <memory>
#include <string>

#include "host/forms/Forms.h"
#include "host/streaming/Filer.h"
#include "zelvant/ZelvC.h"

namespace bench {

enum class Arrangement { Box, EveryControl };

constexpr int kPages = 20;

inline host::TControl* MakePlainControl(int kind, host::TComponent* owner) {
  switch (kind % 5) {
    case 0: return new host::TLabel(owner);
    case 1: return new host::TButton(owner);
    case 2: return new host::TRadioButton(owner);
    case 3: return new host::TComboBox(owner);
    default: return new host::TPanel(owner);
  }
}

inline host::TControl* MakePageAwareControl(int kind, host::TComponent* owner) {
  switch (kind % 5) {
    case 0: return new zelvant::TAPanel(owner);
    case 1: return new zelvant::TAJumpBitBtn(owner);
    case 2: return new zelvant::TAJumpRadioBtn(owner);
    case 3: return new zelvant::TAGroupBox(owner);
    default: return new zelvant::TAImage(owner);
  }
}

struct WizardWorkload {
  std::unique_ptr<host::TForm> form;
  zelvant::TZelvant* z = nullptr;

  WizardWorkload(Arrangement arrangement, int perPage) : form(std::make_unique<host::TForm>(nullptr)) {
    using namespace host;
    form->SetName("WorkForm");
    form->SetBounds(0, 0, 800, 600);
    z = new zelvant::TZelvant(form.get());
    z->SetName("Zelvant1");
    z->SetParent(form.get());
    z->SetNumPages(kPages);
    const int cols = perPage <= 50 ? 10 : 25, rows = (perPage + cols - 1) / cols;
    const int cellW = 760 / cols, cellH = 420 / rows;
    int named = 0;
    for (int page = 1; page <= kPages; ++page) {
      z->setPage(page);
      TWinControl* parent = z;
      int x0 = 20, y0 = 20;
      if (arrangement == Arrangement::Box) {
        auto* box = new zelvant::TABox(form.get());
        box->SetName("Box" + std::to_string(page));
        box->SetParent(z);
        box->SetBounds(20, 20, 760, 420);
        parent = box;
        x0 = y0 = 0;
      }
      for (int i = 0; i < perPage; ++i) {
        TControl* c = arrangement == Arrangement::Box ? MakePlainControl(i, form.get())
                                                      : MakePageAwareControl(i, form.get());
        c->SetName("Control" + std::to_string(++named));
        c->SetParent(parent);
        c->SetBounds(x0 + i % cols * cellW, y0 + i / cols * cellH, cellW - 4, cellH - 4);
      }
    }
    z->setPage(1);
  }

  // Shown and painted once, as on the screen.
  void Show() {
    form->Show();
    form->UpdateWindow();
  }

  // Next, and from the last page back to the first.
  void Next() {
    if (z->Page() == kPages) {
      z->ClearHistory();
      z->setPage(1);
    } else {
      z->Nextclick(nullptr);
    }
  }
};

// The workload's form file text, every control page-aware.
inline std::string WorkloadFormText(int perPage) {
  WizardWorkload w(Arrangement::EveryControl, perPage);
  return host::WriteForm(w.form.get());
}

}  // namespace bench

// Full repaint of an 800 x 600 form holding 200 standard controls of eight kinds, the
// whole window (frame, caption bar and every control) painted into its pixels.
#include <benchmark/benchmark.h>

#include <memory>

#include "host/stdctrls/Buttons.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

using namespace host;

std::unique_ptr<TForm> MakeForm() {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBorderStyle(bsDialog);
  form->SetBounds(0, 0, 800, 600);
  form->SetCaption("Two hundred controls");
  TBitmap glyph(16, 16);
  glyph.Canvas().Brush().SetColor(clGreen);
  glyph.Canvas().FillRect(Rect(3, 3, 13, 13));
  const Integer cw = form->ClientWidth() / 10, ch = form->ClientHeight() / 20;
  for (Integer i = 0; i < 200; ++i) {
    const Integer x = (i % 10) * cw + 2, y = (i / 10) * ch + 2, w = cw - 4, h = ch - 4;
    TControl* c = nullptr;
    switch (i % 8) {
      case 0: { auto* b = new TButton(form.get()); b->SetCaption("&Button"); c = b; break; }
      case 1: { auto* l = new TLabel(form.get()); l->SetAutoSize(false); l->SetCaption("A label"); c = l; break; }
      case 2: { auto* r = new TRadioButton(form.get()); r->SetCaption("&Radio"); r->SetChecked(i % 16 == 2); c = r; break; }
      case 3: {
        auto* cb = new TComboBox(form.get());
        cb->Items()->Add("Item");
        cb->SetItemIndex(0);
        c = cb;
        break;
      }
      case 4: { auto* p = new TPanel(form.get()); p->SetCaption("Panel"); c = p; break; }
      case 5: { auto* b = new TBitBtn(form.get()); b->SetCaption("&OK"); b->SetGlyph(&glyph); c = b; break; }
      case 6: { auto* g = new TGroupBox(form.get()); g->SetCaption("Group"); c = g; break; }
      default: {
        auto* im = new TImage(form.get());
        im->Picture()->Bitmap()->Assign(&glyph);
        im->SetCenter(true);
        c = im;
        break;
      }
    }
    c->SetBounds(x, y, w, h);
    c->SetParent(form.get());
  }
  form->Show();  // active, with the focus on the first button
  return form;
}

void BM_FullRepaint200Controls(benchmark::State& state) {
  auto form = MakeForm();
  form->UpdateWindow();
  const TRect all = Rect(0, 0, form->Width(), form->Height());
  for (auto _ : state) {
    form->InvalidateWindowRect(all);
    form->UpdateWindow();
    benchmark::DoNotOptimize(form->WindowBitmap().Pixel(400, 300));
  }
  form->Hide();
}
BENCHMARK(BM_FullRepaint200Controls)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_RepaintOneButton(benchmark::State& state) {
  auto form = MakeForm();
  form->UpdateWindow();
  TControl* button = form->Controls(form->ControlCount() - 1);
  for (auto _ : state) {
    button->Repaint();
    benchmark::DoNotOptimize(form->WindowBitmap().Pixel(0, 0));
  }
  form->Hide();
}
BENCHMARK(BM_RepaintOneButton)->Unit(benchmark::kMicrosecond);

}  // namespace

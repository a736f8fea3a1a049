// Painting the wizard: the tab strip of a 60-page tabbed wizard 800 pixels wide, and a
// full repaint of the demo's largest page.
#include <benchmark/benchmark.h>

#include <memory>

#include "host/streaming/Filer.h"
#include "host/forms/Forms.h"
#include "zelvant/ZelvC.h"

#ifndef ZELVANT_SOURCE_DIR
#define ZELVANT_SOURCE_DIR "."
#endif

namespace {

using namespace host;
using namespace zelvant;

void BM_PaintTabStrip(benchmark::State& state) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 808, 600);
  form.SetClientWidth(800);
  auto* z = new TZelvant(&form);
  z->SetParent(&form);
  z->SetNumPages(60);
  z->SetStyle(asTabbed);
  z->setPage(31);
  TBitmap picture;
  form.PaintTo(picture);  // the form's pixels exist from here on
  state.counters["lines"] = z->TabLines()->Count;
  for (auto _ : state) z->painttabs();
}
BENCHMARK(BM_PaintTabStrip)->Unit(benchmark::kMicrosecond);

// The demo's wizard on the page with the most controls, painted whole.
void BM_RepaintDemoPage(benchmark::State& state) {
  TReadOptions options;
  options.FallbackRootClass = &TForm::StaticClassInfo();
  options.KeepUnboundEvents = true;
  std::unique_ptr<TComponent> root;
  try {
    root.reset(LoadFormFile(std::string(ZELVANT_SOURCE_DIR) + "/examples/setup.dfm", nullptr, options));
  } catch (const Exception& e) {
    state.SkipWithError(e.what());
    return;
  }
  auto* form = As<TForm>(root.get());
  TZelvant* z = nullptr;
  for (TComponent* c : form->ComponentList())
    if ((z = dynamic_cast<TZelvant*>(c))) break;
  if (!z) {
    state.SkipWithError("no wizard in the demo form");
    return;
  }
  // The page shown with the most controls.
  Integer best = 1, bestCount = -1;
  for (Integer p = 1; p <= (z->WayListEnabled() ? z->WayList()->Count : z->NumPages()); ++p) {
    z->setPage(p);
    Integer shown = 0;
    for (TComponent* c : form->ComponentList())
      if (auto* control = dynamic_cast<TControl*>(c)) shown += control->Visible() && control->Left() != kParkedLeft ? 1 : 0;
    if (shown > bestCount) {
      bestCount = shown;
      best = p;
    }
  }
  z->setPage(best);
  state.counters["page"] = best;
  state.counters["controls"] = bestCount;
  const TRect all = Rect(0, 0, form->Width(), form->Height());
  for (auto _ : state) form->PaintWindow(all);
}
BENCHMARK(BM_RepaintDemoPage)->Unit(benchmark::kMicrosecond);

}  // namespace

// The designer's Object Inspector following a drag: every mouse-move step moves the
// selected wizard and asks the inspector to read its values again, and the window paints
// what changed. A step in which nothing changed, and one that moves Left and Top.
#include <benchmark/benchmark.h>

#include <memory>

#include "ObjectInspector.h"
#include "host/forms/Forms.h"
#include "zelvant/ZelvA.h"
#include "zelvant/design/Zelv32.h"

namespace {

using namespace host;

struct InspectedWizard {
  std::unique_ptr<TForm> designed = std::make_unique<TForm>(nullptr);
  std::unique_ptr<TFormDesigner> designer;
  std::unique_ptr<TForm> window = std::make_unique<TForm>(nullptr);
  zelvant::TZelvant* wizard;
  designer::TObjectInspector* inspector;
  InspectedWizard() {
    if (PaletteClasses("Zelvant").empty()) zelvant::Register();
    designed->SetBounds(0, 0, 640, 480);
    designer = std::make_unique<TFormDesigner>(designed.get());
    wizard = new zelvant::TZelvant(designed.get());
    wizard->SetName("Zelvant1");
    wizard->SetParent(designed.get());
    wizard->SetAlign(alNone);
    window->SetBorderStyle(bsNone);
    window->SetBounds(0, 0, 260, 600);
    inspector = new designer::TObjectInspector(window.get());
    inspector->SetBounds(0, 0, 260, 600);
    inspector->SetParent(window.get());
    inspector->SetDesigner(designer.get());
    inspector->SetSelection({wizard});
    inspector->Expand(inspector->FindRow("BtnNext"));
    window->Show();
    window->PaintWindow(Rect(0, 0, 260, 600));
  }
  ~InspectedWizard() {
    window->Hide();
    inspector->SetSelection({});
  }
};

void BM_RefreshUnchanged(benchmark::State& state) {
  InspectedWizard w;
  for (auto _ : state) {
    w.inspector->Refresh();
    w.window->UpdateWindow();
  }
  state.counters["rows"] = w.inspector->RowCount();
}
BENCHMARK(BM_RefreshUnchanged)->Unit(benchmark::kMicrosecond);

void BM_RefreshAfterAMoveStep(benchmark::State& state) {
  InspectedWizard w;
  Integer step = 0;
  for (auto _ : state) {
    ++step;
    w.wizard->SetBounds(10 + step % 2, 10 + step % 2, 400, 300);
    w.inspector->Refresh();
    w.window->UpdateWindow();
  }
}
BENCHMARK(BM_RefreshAfterAMoveStep)->Unit(benchmark::kMicrosecond);

}  // namespace

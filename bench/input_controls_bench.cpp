// Typing into an edit of 200 characters and scrolling a memo of 10,000 lines by one
// row: the handling of the input and the repaint of what it invalidated.
#include <benchmark/benchmark.h>

#include "host/forms/Forms.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

struct TShownForm {
  TForm form{nullptr};
  TShownForm() {
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 640, 480);
  }
  ~TShownForm() { form.Hide(); }
};

void BM_TypeOneCharacterIntoA200CharacterEdit(benchmark::State& state) {
  TShownForm f;
  auto* edit = new TEdit(&f.form);
  edit->SetBounds(10, 10, 300, 21);
  edit->SetParent(&f.form);
  f.form.Show();
  f.form.UpdateWindow();
  const std::string text(200, 'x');
  Integer repainted = 0;
  for (auto _ : state) {
    state.PauseTiming();
    edit->SetText(text);
    edit->SetSelStart(100);
    f.form.UpdateWindow();
    state.ResumeTiming();
    f.form.HandleChar('y', {});
    repainted = f.form.InvalidRect().Width() * f.form.InvalidRect().Height();
    f.form.UpdateWindow();
  }
  state.counters["repainted_px"] = repainted;
  state.counters["edit_px"] = edit->Width() * edit->Height();
}
BENCHMARK(BM_TypeOneCharacterIntoA200CharacterEdit)->Unit(benchmark::kMicrosecond);

void BM_ScrollA10000LineMemoByOneRow(benchmark::State& state) {
  TShownForm f;
  auto* memo = new TMemo(&f.form);
  memo->SetBounds(10, 10, 400, 300);
  memo->SetScrollBars(ssVertical);
  memo->SetParent(&f.form);
  for (int i = 0; i < 10000; ++i)
    memo->Lines()->Add("Line " + std::to_string(i) + " of a long licence text that wraps at the memo's width.");
  f.form.Show();
  f.form.UpdateWindow();
  Integer step = 1;
  for (auto _ : state) {
    if (memo->TopRow() + memo->VisibleRows() >= memo->RowCount()) step = -1;
    if (memo->TopRow() == 0) step = 1;
    memo->SetTopRow(memo->TopRow() + step);
    f.form.UpdateWindow();
  }
  state.counters["rows"] = memo->RowCount();
}
BENCHMARK(BM_ScrollA10000LineMemoByOneRow)->Unit(benchmark::kMicrosecond);

}  // namespace

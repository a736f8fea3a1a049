// The designer's speed: one mouse-move step of a drag on a form of 200 controls
// (input, the move, and the repaint of what changed), and opening and saving a form
// of 1,000 components.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "DesignerWindow.h"
#include "host/design/DesignIntf.h"
#include "host/forms/Backend.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/streaming/Filer.h"

namespace {

using namespace host;

// A form file of `count` buttons on a grid of 20 columns.
std::string ButtonsForm(int count) {
  std::string text = "object Form1: TForm1\n  Left = 0\n  Top = 0\n  Width = 1600\n  Height = 1200\n  Caption = 'Form1'\n";
  for (int i = 0; i < count; ++i) {
    const int x = 8 + (i % 20) * 40, y = 8 + (i / 20) * 24;
    text += "  object Button" + std::to_string(i + 1) + ": TButton\n    Left = " + std::to_string(x) +
            "\n    Top = " + std::to_string(y) + "\n    Width = 36\n    Height = 20\n    Caption = 'B" +
            std::to_string(i + 1) + "'\n  end\n";
  }
  return text + "end\n";
}

std::string TempFile(const std::string& name) {
  return (std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()) + ".dfm")).string();
}

void BM_DragStepOn200Controls(benchmark::State& state) {
  Application->SetBackend(nullptr);
  designer::TDesignerWindow window(nullptr);
  const std::string file = TempFile("drag");
  std::ofstream(file) << ButtonsForm(200);
  window.OpenFile(file);
  window.Show();
  TBitmap picture;
  window.PaintTo(picture);  // every pixel painted once; from here on only what changes
  TControl* b = static_cast<TControl*>(window.Document().Form()->FindComponent("Button95"));
  const TRect area = window.WindowClientArea();
  const TRect r = designer::TFormEditor::WindowRectOf(*b);
  const TPoint start = Point(r.Left + 10 - area.Left, r.Top + 10 - area.Top);
  window.HandleMouse(miDown, mbLeft, {}, start);
  window.UpdateWindow();
  Integer step = 0;
  double painted = 0;
  for (auto _ : state) {
    step = (step + 1) % 16;
    const Integer dx = 8 + (step < 8 ? step : 16 - step) * 8;  // back and forth by grid steps
    window.HandleMouse(miMove, mbLeft, TShiftState{ssLeft}, Point(start.X + dx, start.Y + dx / 2));
    for (const TRect& inv : window.InvalidRegion()) painted += inv.Width() * inv.Height();
    window.UpdateWindow();
  }
  window.HandleMouse(miUp, mbLeft, {}, start);
  state.counters["painted_px_per_step"] = painted / static_cast<double>(state.iterations());
  state.counters["window_px"] = window.Width() * window.Height();
  std::filesystem::remove(file);
}
BENCHMARK(BM_DragStepOn200Controls)->Unit(benchmark::kMillisecond);

// A designer window holding a form of 1,000 buttons read from a file.
struct TThousand {
  std::string File = TempFile("thousand");
  designer::TDesignerWindow Window{nullptr};
  TThousand() {
    Application->SetBackend(nullptr);
    std::ofstream(File) << ButtonsForm(1000);
    Window.OpenFile(File);
  }
  ~TThousand() { std::filesystem::remove(File); }
};

void BM_Open1000Components(benchmark::State& state) {
  TThousand t;
  for (auto _ : state) t.Window.OpenFile(t.File);
}
BENCHMARK(BM_Open1000Components)->Unit(benchmark::kMillisecond);

void BM_Save1000Components(benchmark::State& state) {
  TThousand t;
  for (auto _ : state) t.Window.Save();
}
BENCHMARK(BM_Save1000Components)->Unit(benchmark::kMillisecond);

}  // namespace

// Typed text in the live window: SDL's text input reaches the focused control one code
// point at a time, and the keys SDL types nothing for (Backspace) still send their
// character, as they do headless.
#include "LiveFixture.h"
#include "LiveRun.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace sdltest;

namespace {

struct TEditForm {
  TEditForm() : Form(std::make_unique<TForm>(nullptr)) {
    Form->SetName("EditForm");
    Form->SetBounds(60, 60, 260, 120);
    Combo = new TComboBox(Form.get());
    Combo->SetName("Name");
    Combo->SetParent(Form.get());
    Combo->SetBounds(16, 16, 200, 21);
    Combo->SetText("Teal");
    Form->SetActiveControl(Combo);
  }
  std::unique_ptr<TForm> Form;
  TComboBox* Combo;
};

void PushText(SDL_Window* window, const char* utf8) {
  SDL_Event t{};
  t.type = SDL_TEXTINPUT;
  t.text.windowID = SDL_GetWindowID(window);
  SDL_strlcpy(t.text.text, utf8, sizeof t.text.text);
  SDL_PushEvent(&t);
}

}  // namespace

TEST_F(LiveTest, TextInputTypesIntoTheFocusedControlAndBackspaceErases) {
  std::string headless;
  {
    Application->SetBackend(nullptr);
    TEditForm f;
    f.Form->Show();
    Application->Headless()->TypeText("x\xC3\xA9");
    Application->Headless()->PressKey(VK_BACK);
    Application->ProcessMessages();
    headless = f.Combo->Text();
  }
  sdl::TSdlBackend& b = StartLive();
  TEditForm f;
  std::string typed, erased;
  TLiveRun run(b);
  run.Then([&] {
        SDL_Window* win = b.WindowOf(*f.Form);
        PushSdl(win, *f.Form, {Press('X')});  // key down, the text "x", key up
        PushText(win, "\xC3\xA9");            // an accented letter, as an input method sends it
      })
      .Then([&] {
        typed = f.Combo->Text();
        PushSdl(b.WindowOf(*f.Form), *f.Form, {Press(VK_BACK)});
      })
      .Then([&] {
        erased = f.Combo->Text();
        PushClose(b.WindowOf(*f.Form));
      });
  f.Form->ShowModal();
  EXPECT_FALSE(run.TimedOut());
  EXPECT_EQ(typed, "Tealx\xC3\xA9");
  EXPECT_EQ(erased, "Tealx");
  EXPECT_EQ(erased, headless);
}

// Typed text in the live window: SDL's text input reaches the focused edit one code
// point at a time, an input method's accented letter included, the keys SDL types
// nothing for (Backspace) still send their character as they do headless, and the
// clipboard is the desktop's: Ctrl+C in one edit, Ctrl+V in another.
#include "LiveFixture.h"
#include "LiveRun.h"
#include "host/forms/Clipbrd.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace sdltest;

namespace {

struct TEditForm {
  TEditForm() : Form(std::make_unique<TForm>(nullptr)) {
    Form->SetName("EditForm");
    Form->SetBounds(60, 60, 260, 120);
    Name = new TEdit(Form.get());
    Name->SetName("Name");
    Name->SetParent(Form.get());
    Name->SetBounds(16, 16, 200, 21);
    Name->SetText("Teal");
    Folder = new TEdit(Form.get());
    Folder->SetName("Folder");
    Folder->SetParent(Form.get());
    Folder->SetBounds(16, 48, 200, 21);
    Form->SetActiveControl(Name);
  }
  std::unique_ptr<TForm> Form;
  TEdit* Name;
  TEdit* Folder;
};

void PushText(SDL_Window* window, const char* utf8) {
  SDL_Event t{};
  t.type = SDL_TEXTINPUT;
  t.text.windowID = SDL_GetWindowID(window);
  SDL_strlcpy(t.text.text, utf8, sizeof t.text.text);
  SDL_PushEvent(&t);
}

}  // namespace

TEST_F(LiveTest, TextInputTypesIntoTheFocusedEditAndBackspaceErases) {
  std::string headless;
  {
    Application->SetBackend(nullptr);
    TEditForm f;
    f.Form->Show();
    Application->Headless()->PressKey(VK_END);
    Application->Headless()->TypeText("x\xC3\xA9");
    Application->Headless()->PressKey(VK_BACK);
    Application->ProcessMessages();
    headless = f.Name->Text();
  }
  sdl::TSdlBackend& b = StartLive();
  TEditForm f;
  std::string typed, erased;
  TLiveRun run(b);
  run.Then([&] {
        SDL_Window* win = b.WindowOf(*f.Form);
        PushSdl(win, *f.Form, {Press(VK_END), Press('X')});  // key down, the text "x", key up
        PushText(win, "\xC3\xA9");  // an accented letter, as an input method sends it
      })
      .Then([&] {
        typed = f.Name->Text();
        PushSdl(b.WindowOf(*f.Form), *f.Form, {Press(VK_BACK)});
      })
      .Then([&] {
        erased = f.Name->Text();
        PushClose(b.WindowOf(*f.Form));
      });
  f.Form->ShowModal();
  EXPECT_FALSE(run.TimedOut());
  EXPECT_EQ(typed, "Tealx\xC3\xA9");
  EXPECT_EQ(erased, "Tealx");
  EXPECT_EQ(erased, headless);
}

TEST_F(LiveTest, CtrlCInOneEditAndCtrlVInAnotherGoThroughTheDesktopClipboard) {
  sdl::TSdlBackend& b = StartLive();
  TEditForm f;
  f.Name->SetText("C:\\Programs\\Caf\xC3\xA9");
  std::string desktop;
  TLiveRun run(b);
  run.Then([&] {
        PushSdl(b.WindowOf(*f.Form), *f.Form,
                {Press('A', {ssCtrl}), Press('C', {ssCtrl}), Press(VK_TAB), Press('V', {ssCtrl})});
      })
      .Then([&] {
        char* text = SDL_GetClipboardText();
        desktop = text ? text : "";
        SDL_free(text);
        PushClose(b.WindowOf(*f.Form));
      });
  f.Form->ShowModal();
  EXPECT_FALSE(run.TimedOut());
  EXPECT_EQ(desktop, "C:\\Programs\\Caf\xC3\xA9");
  EXPECT_EQ(f.Folder->Text(), "C:\\Programs\\Caf\xC3\xA9");
  EXPECT_EQ(Clipboard().AsText(), desktop);
}

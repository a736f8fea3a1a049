#include "Route.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>

#include "host/forms/Forms.h"

namespace demo {

using namespace host;
using zelvant::TZelvant;

namespace {

TRouteStep Click(const std::string& action, const std::string& path) {
  return {action, [path](THeadlessBackend& b) { b.ClickControl(path); }};
}

TRouteStep Key(const std::string& action, Word key, TShiftState shift) {
  return {action, [key, shift](THeadlessBackend& b) { b.PressKey(key, shift); }};
}

// A click into an edit, all its text selected and replaced by what is typed.
TRouteStep Type(const std::string& action, const std::string& path, const std::string& text) {
  return {action, [path, text](THeadlessBackend& b) {
            b.ClickControl(path);
            b.PressKey('A', TShiftState{ssCtrl});
            b.TypeText(text);
          }};
}

// A click in the middle of the tab of a position. The strip is one line here, so the
// tabs stand side by side from x = 2, each its label's width plus the padding.
TRouteStep ClickTab(const std::string& pageName) {
  return {"tab \"" + pageName + "\"", [pageName](THeadlessBackend& b) {
            auto* form = dynamic_cast<TSetupForm*>(Screen->ActiveForm());
            TZelvant* z = form ? form->Wizard() : nullptr;
            if (!z || !z->TabLines() || z->TabLines()->Count != 1)
              throw EInvalidOperation("no single line of tabs to click");
            TCanvas& c = z->Canvas();
            c.Font().Assign(z->Font());
            Integer x = 2;
            for (Integer p = 1; p <= z->NumPages(); ++p) {
              const std::string& name = z->PageNames()->Get(p);
              const Integer w = c.TextWidth(name) + z->TabSpaceX();
              if (name == pageName) {
                const TPoint origin = z->ClientToScreen(Point(0, 0)), formOrigin = form->ClientToScreen(Point(0, 0));
                const Integer y = 2 + (c.TextHeight("X") + z->TabSpaceY()) / 2;
                b.Click(Point(origin.X - formOrigin.X + x + w / 2, origin.Y - formOrigin.Y + y));
                return;
              }
              x += w;
            }
            throw EInvalidOperation("no tab \"" + pageName + "\"");
          }};
}

const char* ResultName(TModalResult r) {
  switch (r) {
    case mrOk: return "OK";
    case mrCancel: return "Cancel";
    case mrNone: return "none: the input ended first";
    default: return "other";
  }
}

// The headless backend that hands out the route's input one step at a time, and
// before each step reports the previous one and pictures the page it left shown.
class TRouteBackend : public THeadlessBackend {
 public:
  TRouteBackend(TSetupForm& form, const std::vector<TRouteStep>& steps, const TRouteOptions& options,
                TRouteResult& result)
      : form_(form), steps_(steps), options_(options), result_(result) {}

  bool NextEvent(TInputEvent& event) override {
    if (Pending() == 0) {
      FinishStep();
      if (next_ < steps_.size()) {
        action_ = steps_[next_].Action;
        steps_[next_++].Input(*this);
        result_.StepsTaken = next_;
        firstVisit_ = result_.Visits.size();
      }
    }
    return THeadlessBackend::NextEvent(event);
  }

  void Visit(Integer position) {
    TZelvant* z = form_.Wizard();
    TVisit v;
    v.Action = action_;
    v.Position = position;
    v.RealPage = z->GetRealPage(position);
    v.PageName = v.RealPage >= 0 && v.RealPage < z->PageNames()->Count() ? z->PageNames()->Get(v.RealPage) : "";
    v.Steps = z->RouteSteps(TSetupForm::RouteOptions());
    result_.Visits.push_back(v);
  }

  // Reports the step in progress: the page it led to, with its picture.
  void FinishStep() {
    if (action_.empty()) return;
    std::string outcome;
    if (result_.Visits.size() > firstVisit_) {
      TVisit& v = result_.Visits.back();
      v.Picture = Picture(v);
      char line[160];
      std::snprintf(line, sizeof line, "%-9d %-5d %-22s %s", v.Position, v.RealPage, v.PageName.c_str(),
                    v.Picture.empty() ? "" : std::filesystem::path(v.Picture).filename().string().c_str());
      outcome = line;
    } else if (form_.ModalResult() != mrNone) {
      outcome = std::string("finished: modal result ") + std::to_string(form_.ModalResult()) + " (" +
                ResultName(form_.ModalResult()) + ")";
    } else {
      outcome = "-         -     (stays on " + (result_.Visits.empty() ? "the page" : result_.Visits.back().PageName) + ")";
    }
    if (options_.Log) {
      char line[240];
      std::snprintf(line, sizeof line, "  %-32s %s\n", action_.c_str(), outcome.c_str());
      *options_.Log << line;
    }
    action_.clear();
  }

 private:
  std::string Picture(const TVisit& v) {
    if (options_.PictureDir.empty()) return "";
    char name[120];
    std::snprintf(name, sizeof name, "%s-%02zu-%s.png", options_.PicturePrefix.c_str(), result_.Visits.size(),
                  Slug(v.PageName).c_str());
    const std::string file = (std::filesystem::path(options_.PictureDir) / name).string();
    form_.SaveToPng(file);
    return file;
  }

  TSetupForm& form_;
  const std::vector<TRouteStep>& steps_;
  const TRouteOptions& options_;
  TRouteResult& result_;
  size_t next_ = 0;
  size_t firstVisit_ = 0;
  std::string action_ = "start";
};

}  // namespace

std::string Slug(const std::string& text) {
  std::string s;
  for (char ch : text) {
    if ((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')) s += ch;
    else if (ch >= 'A' && ch <= 'Z') s += static_cast<char>(ch - 'A' + 'a');
    else if (!s.empty() && s.back() != '-') s += '-';
  }
  while (!s.empty() && s.back() == '-') s.pop_back();
  return s.empty() ? "page" : s;
}

std::vector<TRouteStep> SetupRoute() {
  return {
      Click("Next", "Zelvant1.NextButton"),
      Click("Back", "Zelvant1.BackButton"),
      Key("Alt+N (Next)", 'N', TShiftState{ssAlt}),
      Click("Next (declined)", "Zelvant1.NextButton"),
      Click("Back", "Zelvant1.BackButton"),
      Click("click \"I accept the agreement\"", "AcceptRadio"),
      Click("Next", "Zelvant1.NextButton"),
      Type("type the name", "UserNameEdit", "Ada Lovelace"),
      Type("type a long folder", "DestinationEdit", "/home/ada/Programs/Zelvant Demo, a setup wizard shown step by step"),
      Click("Next", "Zelvant1.NextButton"),
      Click("click \"Custom\"", "CustomRadio"),
      Click("Next (the program is asked)", "Zelvant1.NextButton"),
      Click("click \"Only me\"", "OptionsContainer.OptionsForm.JustMeRadio"),
      Click("Dialog (Change)", "Zelvant1.ChangeButton"),
      Click("Wizard (Change)", "Zelvant1.ChangeButton"),
      Click("Next", "Zelvant1.NextButton"),
      Click("Change options... (jump)", "ChangeOptionsButton"),
      Click("Next", "Zelvant1.NextButton"),
      Click("Finish", "Zelvant1.NextButton"),
  };
}

std::vector<TRouteStep> TabbedRoute() {
  return {
      Click("click \"Custom\"", "CustomRadio"),
      ClickTab("Options"),
      Click("click \"Only me\"", "OptionsContainer.OptionsForm.JustMeRadio"),
      ClickTab("Ready to Install"),
      Click("Install (jump to finish)", "InstallButton"),
  };
}

TRouteResult RunRoute(TSetupForm& form, const std::vector<TRouteStep>& steps, const TRouteOptions& options) {
  TRouteResult result;
  if (!options.PictureDir.empty()) std::filesystem::create_directories(options.PictureDir);
  auto owned = std::make_unique<TRouteBackend>(form, steps, options, result);
  TRouteBackend* backend = owned.get();
  Application->SetBackend(std::move(owned));
  form.PageShown = [backend](TZelvant*, Integer position) { backend->Visit(position); };
  // The default backend comes back however the run ends.
  struct TRestore {
    TSetupForm& form;
    ~TRestore() {
      form.PageShown = nullptr;
      Application->SetBackend(nullptr);
    }
  } restore{form};
  TZelvant* z = form.Wizard();
  if (!z) throw EInvalidOperation("the form has no wizard Zelvant1");
  // Execute announces the start page only when the wizard moves there from elsewhere.
  const Integer start = z->StartPage();
  if (z->Page() == start) backend->Visit(start);
  result.ModalResult = z->Execute(start);
  backend->FinishStep();
  return result;
}

}  // namespace demo

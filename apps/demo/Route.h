// Scripted routes through a setup wizard: input queued step by step on the headless
// backend while the wizard runs modally, with a report line and a picture of every
// page shown.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "SetupForm.h"
#include "host/forms/Backend.h"

namespace demo {

// What the user does in one step, as input for the headless backend.
struct TRouteStep {
  std::string Action;
  std::function<void(host::THeadlessBackend&)> Input;
};

// A page the wizard showed.
struct TVisit {
  std::string Action;  // the step that led there; "start" for the first page
  Integer Position = 0;
  Integer RealPage = 0;
  std::string PageName;
  std::string Picture;  // file written for it, empty when none
  zelvant::TRouteSteps Steps;  // the wizard's steps taken and left there
};

struct TRouteResult {
  std::vector<TVisit> Visits;
  host::TModalResult ModalResult = host::mrNone;
  size_t StepsTaken = 0;
};

struct TRouteOptions {
  std::string PictureDir;  // empty: no pictures
  std::string PicturePrefix;
  std::ostream* Log = nullptr;  // the step-by-step report, when wanted
};

// The setup wizard's tour: every page, the dialog presentation and a jump back.
std::vector<TRouteStep> SetupRoute();
// The tabbed variant, moved through by clicking its tabs.
std::vector<TRouteStep> TabbedRoute();

// Runs the wizard of form modally from its start page while the steps feed the input.
TRouteResult RunRoute(TSetupForm& form, const std::vector<TRouteStep>& steps, const TRouteOptions& options);

// "Ready to Install" -> "ready-to-install".
std::string Slug(const std::string& text);

}  // namespace demo

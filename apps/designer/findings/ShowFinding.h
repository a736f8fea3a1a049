// Taking the designer to a route finding: the wizard pages to the position concerned
// and the control concerned is selected. Needs no window.
#pragma once

#include "host/design/DesignIntf.h"
#include "zelvant/ZelvRoutes.h"

namespace designer {

struct TFindingTarget {
  host::Integer Position = -1;           // the position the wizard shows for it; -1: it could not page
  host::TComponent* Selected = nullptr;  // the control selected, else the wizard
};

// The position that shows a finding: its own; for a control, the first position showing
// a page the control is shown on; for a page, the first position showing it; -1 when
// none does.
host::Integer FindingPosition(const zelvant::TRouteGraph& graph, const zelvant::TRouteFinding& finding);

// Pages the wizard to the finding's position (when it is not shown already) and selects
// the control concerned, or the wizard. A control that is no longer on the form, or a
// position the wizard refuses, leaves the page as it is.
TFindingTarget ShowFinding(host::IDesigner& designer, zelvant::TZelvant& wizard, const zelvant::TRouteFinding& finding);

}  // namespace designer

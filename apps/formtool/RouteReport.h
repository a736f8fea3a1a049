// formtool's route checks: the findings and the dot graph of the wizards on a form.
#pragma once

#include <iosfwd>
#include <string>

#include "host/core/Component.h"
#include "zelvant/ZelvRoutes.h"

namespace formtool {

// Reads "POS=T1,T2,..." (the positions an "Ask" row's handler may choose, -1 for the
// finish) into options; false when the text is not of that form.
bool ParseAskTargets(const std::string& text, zelvant::TRouteOptions& options);

// Prints `FILE: position N (page "Name"): message` for every finding of every wizard
// on root; 1 when any finding is an error, else 0.
int ReportRoutes(const std::string& file, const host::TComponent& root, const zelvant::TRouteOptions& options,
                 std::ostream& out);

// Writes the route graph of every wizard on root in the dot language.
void WriteRouteDot(const host::TComponent& root, const zelvant::TRouteOptions& options, std::ostream& out);

}  // namespace formtool

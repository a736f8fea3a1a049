#include "RouteReport.h"

#include <ostream>
#include <sstream>

namespace formtool {

using zelvant::TZelvant;

namespace {

std::vector<const TZelvant*> Wizards(const host::TComponent& root) {
  std::vector<const TZelvant*> wizards;
  for (const host::TComponent* c : root.ComponentList())
    if (const auto* z = dynamic_cast<const TZelvant*>(c)) wizards.push_back(z);
  return wizards;
}

bool ParseInteger(const std::string& text, host::Integer& value) {
  std::istringstream in(text);
  in >> value;
  return !text.empty() && in && in.peek() == std::char_traits<char>::eof();
}

}  // namespace

bool ParseAskTargets(const std::string& text, zelvant::TRouteOptions& options) {
  const size_t eq = text.find('=');
  host::Integer position = 0;
  if (eq == std::string::npos || !ParseInteger(text.substr(0, eq), position)) return false;
  std::vector<host::Integer> targets;
  if (text.back() == ',') return false;
  std::istringstream list(text.substr(eq + 1));
  for (std::string item; std::getline(list, item, ',');) {
    host::Integer t = 0;
    if (!ParseInteger(item, t)) return false;
    targets.push_back(t);
  }
  if (targets.empty()) return false;
  options.AskTargets[position] = std::move(targets);
  return true;
}

int ReportRoutes(const std::string& file, const host::TComponent& root, const zelvant::TRouteOptions& options,
                 std::ostream& out) {
  int result = 0;
  for (const TZelvant* z : Wizards(root))
    for (const zelvant::TRouteFinding& f : z->CheckRoutes(options)) {
      out << file << ": " << zelvant::FormatFinding(f) << "\n";
      if (f.Severity == zelvant::TRouteSeverity::Error) result = 1;
    }
  return result;
}

void WriteRouteDot(const host::TComponent& root, const zelvant::TRouteOptions& options, std::ostream& out) {
  for (const TZelvant* z : Wizards(root)) out << zelvant::RouteDot(zelvant::TRouteGraph(*z, options));
}

}  // namespace formtool

// Pieces of form-file text as the writer lays it out: one block per component,
// "object Name: TClass" ... "end", indented two spaces per level.
#pragma once

#include <functional>
#include <string>

namespace designer {

// The block of the named component, moved to the left margin; "" when not found.
std::string ComponentBlock(const std::string& formText, const std::string& name);
// Every "object Name: TClass" header with its name replaced by rename(name, class).
std::string RenameComponents(const std::string& text,
                             const std::function<std::string(const std::string&, const std::string&)>& rename);
// Every line indented by two more spaces.
std::string Indent(const std::string& text);
// "Button12" -> "Button"; a name of digits only stays.
std::string StripNumber(const std::string& name);

}  // namespace designer

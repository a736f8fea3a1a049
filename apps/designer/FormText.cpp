#include "FormText.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace designer {

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

size_t IndentOf(const std::string& line) {
  size_t i = 0;
  while (i < line.size() && line[i] == ' ') ++i;
  return i;
}

// "object Name: TClass" (also "inherited" and "inline"): true with its parts.
bool ParseHeader(const std::string& line, size_t& nameStart, size_t& nameEnd, std::string& cls) {
  const size_t i = IndentOf(line);
  for (const char* keyword : {"object ", "inherited ", "inline "}) {
    const std::string k = keyword;
    if (line.compare(i, k.size(), k) != 0) continue;
    nameStart = i + k.size();
    const size_t colon = line.find(':', nameStart);
    if (colon == std::string::npos) {
      nameEnd = nameStart;  // an unnamed object: "object TClass"
      cls = line.substr(nameStart);
    } else {
      nameEnd = colon;
      size_t c = colon + 1;
      while (c < line.size() && line[c] == ' ') ++c;
      size_t e = c;
      while (e < line.size() && (std::isalnum(static_cast<unsigned char>(line[e])) || line[e] == '_')) ++e;
      cls = line.substr(c, e - c);
    }
    return true;
  }
  return false;
}

}  // namespace

std::string ComponentBlock(const std::string& formText, const std::string& name) {
  const std::vector<std::string> lines = Lines(formText);
  for (size_t i = 0; i < lines.size(); ++i) {
    size_t s = 0, e = 0;
    std::string cls;
    if (!ParseHeader(lines[i], s, e, cls) || lines[i].substr(s, e - s) != name) continue;
    const size_t indent = IndentOf(lines[i]);
    const std::string end = std::string(indent, ' ') + "end";
    std::string out;
    for (size_t j = i; j < lines.size(); ++j) {
      out += lines[j].substr(std::min(indent, IndentOf(lines[j]))) + "\n";
      if (j > i && lines[j] == end) return out;
    }
    return "";  // no end: not a block the writer made
  }
  return "";
}

std::string RenameComponents(const std::string& text,
                             const std::function<std::string(const std::string&, const std::string&)>& rename) {
  std::string out;
  for (const std::string& line : Lines(text)) {
    size_t s = 0, e = 0;
    std::string cls;
    if (ParseHeader(line, s, e, cls)) {
      const std::string name = line.substr(s, e - s);
      const std::string now = rename(name, cls);
      if (e == s) out += line.substr(0, s) + now + ": " + line.substr(s) + "\n";
      else out += line.substr(0, s) + now + line.substr(e) + "\n";
    } else {
      out += line + "\n";
    }
  }
  return out;
}

std::string Indent(const std::string& text) {
  std::string out;
  for (const std::string& line : Lines(text)) out += "  " + line + "\n";
  return out;
}

std::string StripNumber(const std::string& name) {
  size_t e = name.size();
  while (e > 0 && std::isdigit(static_cast<unsigned char>(name[e - 1]))) --e;
  return e == 0 ? name : name.substr(0, e);
}

}  // namespace designer

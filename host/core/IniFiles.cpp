#include "host/core/IniFiles.h"

#include <fstream>
#include <sstream>

#include "host/core/ClassBuilder.h"

namespace host {

HOST_PUBLISHED(TIniFile) {}

namespace {

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return std::string();
  size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

}  // namespace

TIniFile::TIniFile(const std::string& fileName) : fileName_(fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return;
  std::string line;
  std::map<std::string, std::string>* current = nullptr;
  bool first = true;
  while (std::getline(in, line)) {
    if (first && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    first = false;
    std::string t = Trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '#') continue;
    if (t.front() == '[') {
      size_t close = t.find(']');
      current = close == std::string::npos ? nullptr : &sections_[LowerCase(Trim(t.substr(1, close - 1)))];
      continue;
    }
    size_t eq = t.find('=');
    if (!current || eq == std::string::npos) continue;
    std::string key = LowerCase(Trim(t.substr(0, eq)));
    // The first occurrence of a key wins, as the classic reader finds it first.
    current->emplace(key, Trim(t.substr(eq + 1)));
  }
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  auto s = sections_.find(LowerCase(section));
  if (s == sections_.end()) return def;
  auto k = s->second.find(LowerCase(key));
  return k == s->second.end() ? def : k->second;
}

Integer TIniFile::ReadInteger(const std::string& section, const std::string& key, Integer def) const {
  return StrToIntDef(ReadString(section, key, ""), def);
}

bool TIniFile::SectionExists(const std::string& section) const { return sections_.count(LowerCase(section)) > 0; }

}  // namespace host

// TIniFile: read access to classic INI files ([Section] and Key=Value lines).
#pragma once

#include <map>
#include <string>

#include "host/core/Persistent.h"

namespace host {

class TIniFile : public TObject {
  HOST_CLASS(TIniFile, TObject)

  // Reads the whole file now; a missing or unreadable file reads as empty.
  explicit TIniFile(const std::string& fileName);
  const std::string& FileName() const { return fileName_; }
  // The value of key in section (both case-insensitive), or def when either is missing.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  Integer ReadInteger(const std::string& section, const std::string& key, Integer def) const;
  bool SectionExists(const std::string& section) const;

 private:
  std::string fileName_;
  std::map<std::string, std::map<std::string, std::string>> sections_;  // lower-case names
};

}  // namespace host

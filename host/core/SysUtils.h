// Basic types, the host's exception classes and the string helpers of the runtime library.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace host {

using Integer = std::int32_t;
using Cardinal = std::uint32_t;
using NativeInt = std::intptr_t;  // wide enough to hold an object's identity

// Root of the host's exceptions; the message is the user-facing text.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& msg) : std::runtime_error(msg) {}
  std::string Message() const { return what(); }
};

class EListError : public Exception { using Exception::Exception; };        // list index out of bounds
class EStringListError : public EListError { using EListError::EListError; };
class EReadError : public Exception { using Exception::Exception; };        // stream or form file read failure
class EWriteError : public Exception { using Exception::Exception; };
class EFOpenError : public Exception { using Exception::Exception; };       // file could not be opened
class EInvalidCast : public Exception { using Exception::Exception; };      // checked cast failed
class EConvertError : public Exception { using Exception::Exception; };     // bad number or format
class EComponentError : public Exception { using Exception::Exception; };   // component names and ownership
class EClassNotFound : public Exception { using Exception::Exception; };
class EInvalidOperation : public Exception { using Exception::Exception; };
class EInvalidGraphic : public Exception { using Exception::Exception; };   // picture data that cannot be decoded
class EResNotFound : public Exception { using Exception::Exception; };

// One argument of Format: an integer or a string.
using TVarRec = std::variant<long long, std::string>;

// Classic Format: %d %u %x %s %% with optional '-', width and precision; a
// directive whose argument is missing or of the wrong kind raises EConvertError.
std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args);

std::string IntToStr(long long value);
// Decimal with optional sign, or '$' followed by hex digits; anything else raises EConvertError.
Integer StrToInt(std::string_view text);
Integer StrToIntDef(std::string_view text, Integer def);

// The directory part of a path including its trailing separator ("" when there is none).
std::string ExtractFilePath(std::string_view path);
std::string ExtractFileName(std::string_view path);

// Full path of the running executable.
std::string ProgramPath();

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// ASCII case-insensitive, whatever the C locale says about other bytes.
inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
inline bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}
// A hash (FNV-1a) under which texts that are the same for SameText agree.
inline std::uint64_t HashText(std::string_view s) {
  std::uint64_t h = 14695981039346656037ull;
  for (char c : s) h = (h ^ static_cast<unsigned char>(AsciiLower(c))) * 1099511628211ull;
  return h;
}

}  // namespace host

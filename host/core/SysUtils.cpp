#include "host/core/SysUtils.h"

#include <unistd.h>

#include <array>
#include <cctype>
#include <charconv>
#include <climits>

namespace host {

namespace {

std::string Pad(std::string text, int width, bool left) {
  if (width > 0 && static_cast<int>(text.size()) < width) {
    std::string fill(static_cast<size_t>(width) - text.size(), ' ');
    text = left ? text + fill : fill + text;
  }
  return text;
}

std::string FormatInteger(long long v, char conv, int precision) {
  std::string digits;
  bool negative = false;
  if (conv == 'x') {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<unsigned long long>(v), 16);
    digits.assign(buf, r.ptr);
    for (char& c : digits) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  } else if (conv == 'u') {
    digits = std::to_string(static_cast<unsigned long long>(static_cast<unsigned>(v)));
  } else {
    negative = v < 0;
    digits = std::to_string(v);
    if (negative) digits.erase(0, 1);
  }
  if (precision > static_cast<int>(digits.size()))
    digits.insert(0, static_cast<size_t>(precision) - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

}  // namespace

std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args) {
  std::string out;
  auto next = args.begin();
  for (size_t i = 0; i < fmt.size(); ++i) {
    char c = fmt[i];
    if (c != '%') {
      out += c;
      continue;
    }
    if (++i >= fmt.size()) throw EConvertError("Format '" + std::string(fmt) + "' invalid or incompatible with argument");
    if (fmt[i] == '%') {
      out += '%';
      continue;
    }
    bool left = false;
    if (fmt[i] == '-') {
      left = true;
      ++i;
    }
    int width = 0, precision = -1;
    while (i < fmt.size() && std::isdigit(static_cast<unsigned char>(fmt[i])) && width < 10000)
      width = width * 10 + (fmt[i++] - '0');
    if (i < fmt.size() && fmt[i] == '.') {
      precision = 0;
      ++i;
      while (i < fmt.size() && std::isdigit(static_cast<unsigned char>(fmt[i])) && precision < 10000)
        precision = precision * 10 + (fmt[i++] - '0');
    }
    if (i >= fmt.size()) throw EConvertError("Format '" + std::string(fmt) + "' invalid or incompatible with argument");
    char conv = static_cast<char>(std::tolower(static_cast<unsigned char>(fmt[i])));
    if (next == args.end() || (conv != 'd' && conv != 'u' && conv != 'x' && conv != 's'))
      throw EConvertError("Format '" + std::string(fmt) + "' invalid or incompatible with argument");
    const TVarRec& arg = *next++;
    std::string piece;
    if (conv == 's') {
      const auto* s = std::get_if<std::string>(&arg);
      if (!s) throw EConvertError("Format '" + std::string(fmt) + "' invalid or incompatible with argument");
      piece = precision >= 0 ? s->substr(0, static_cast<size_t>(precision)) : *s;
    } else {
      const auto* n = std::get_if<long long>(&arg);
      if (!n) throw EConvertError("Format '" + std::string(fmt) + "' invalid or incompatible with argument");
      piece = FormatInteger(*n, conv, precision);
    }
    out += Pad(std::move(piece), width, left);
  }
  return out;
}

std::string IntToStr(long long value) { return std::to_string(value); }

Integer StrToInt(std::string_view text) {
  std::string_view s = text;
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  unsigned long long magnitude = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  bool ok = !s.empty() && ec == std::errc() && ptr == s.data() + s.size();
  if (ok && magnitude > 0xFFFFFFFFull) ok = false;
  long long value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
  // Hex literals may name the full 32-bit pattern ($FFFFFFFF is -1), as the classic library allows.
  if (ok && base == 16 && !negative) value = static_cast<Integer>(static_cast<std::uint32_t>(magnitude));
  if (!ok || value < INT32_MIN || value > INT32_MAX)
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
  return static_cast<Integer>(value);
}

Integer StrToIntDef(std::string_view text, Integer def) {
  try {
    return StrToInt(text);
  } catch (const EConvertError&) {
    return def;
  }
}

std::string ExtractFilePath(std::string_view path) {
  auto pos = path.find_last_of("/\\");
  return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos + 1));
}

std::string ExtractFileName(std::string_view path) {
  auto pos = path.find_last_of("/\\");
  return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string ProgramPath() {
  std::array<char, 4096> buf{};
  ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  return n > 0 ? std::string(buf.data(), static_cast<size_t>(n)) : std::string();
}

std::string UpperCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return r;
}

std::string LowerCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return r;
}

}  // namespace host

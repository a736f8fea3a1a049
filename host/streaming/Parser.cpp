#include "host/streaming/Parser.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "host/core/Utf8.h"

namespace host {

namespace {

// Character classes by table, free of the C locale.
enum : std::uint8_t { kIdentStart = 1, kIdentChar = 2, kDigit = 4, kBlank = 8, kSymbol = 16 };

struct TCharTables {
  std::uint8_t cls[256] = {};
  std::int8_t hex[256];
  constexpr TCharTables() : hex() {
    for (int c = 0; c < 256; ++c) hex[c] = -1;
    for (int c = '0'; c <= '9'; ++c) {
      cls[c] = kIdentChar | kDigit;
      hex[c] = static_cast<std::int8_t>(c - '0');
    }
    for (int c = 'a'; c <= 'z'; ++c) cls[c] = cls[c - 32] = kIdentStart | kIdentChar;
    for (int c = 0; c < 6; ++c) hex['a' + c] = hex['A' + c] = static_cast<std::int8_t>(10 + c);
    cls[static_cast<unsigned char>('_')] = kIdentStart | kIdentChar;
    for (char c : {' ', '\t', '\n', '\v', '\f', '\r'}) cls[static_cast<unsigned char>(c)] = kBlank;
    for (char c : std::string_view("=:.,[]()<>{}+")) cls[static_cast<unsigned char>(c)] = kSymbol;
  }
};
constexpr TCharTables kChars;

bool Has(char c, std::uint8_t cls) { return (kChars.cls[static_cast<unsigned char>(c)] & cls) != 0; }
bool IsIdentStart(char c) { return Has(c, kIdentStart); }
bool IsIdentChar(char c) { return Has(c, kIdentChar); }
bool IsDigit(char c) { return Has(c, kDigit); }
bool IsSpace(char c) { return Has(c, kBlank); }
bool IsSymbol(char c) { return Has(c, kSymbol); }
int HexValue(char c) { return kChars.hex[static_cast<unsigned char>(c)]; }

#if defined(__SSE2__)
// Decodes sixteen hex digits at in into eight bytes at out, all at once; false, with
// nothing written, unless all sixteen are hex digits.
bool DecodeHex16(const char* in, std::uint8_t* out) {
  const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
  // A byte is in [0, n] when the unsigned minimum with n leaves it as it is.
  auto within = [](__m128i v, char n) { return _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(n)), v); };
  const __m128i digit = _mm_sub_epi8(x, _mm_set1_epi8('0'));
  const __m128i letter = _mm_sub_epi8(_mm_or_si128(x, _mm_set1_epi8(0x20)), _mm_set1_epi8('a'));
  const __m128i isDigit = within(digit, 9), isLetter = within(letter, 5);
  if (_mm_movemask_epi8(_mm_or_si128(isDigit, isLetter)) != 0xFFFF) return false;
  const __m128i nibbles = _mm_or_si128(_mm_and_si128(isDigit, digit),
                                       _mm_and_si128(isLetter, _mm_add_epi8(letter, _mm_set1_epi8(10))));
  // Each 16-bit lane holds a pair, its first digit (the high nibble) in the low byte.
  const __m128i pairs = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(nibbles, _mm_set1_epi16(0x00FF)), 4),
                                     _mm_srli_epi16(nibbles, 8));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(pairs, pairs));
  return true;
}
#else
bool DecodeHex16(const char*, std::uint8_t*) { return false; }
#endif

std::string Printable(char c) {
  if (c >= 32 && c < 127) return std::string{'\'', c, '\''};
  std::string code = std::to_string(static_cast<unsigned char>(c));
  code.insert(code.begin(), '#');
  return code;
}

}  // namespace

EFormReadError::EFormReadError(int line, int column, const std::string& detail, const std::string& context)
    : EReadError("Line " + std::to_string(line) + ", column " + std::to_string(column) + ": " +
                 (context.empty() ? detail : "Error reading " + context + ": " + detail)),
      line_(line), column_(column), detail_(detail), context_(context) {}

TParser::TParser(std::string_view text) : text_(text) {
  // A UTF-8 byte order mark is not part of the form.
  if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
  Next();
}

void TParser::ErrorAt(int line, int column, const std::string& detail) { throw EFormReadError(line, column, detail); }

void TParser::Error(const std::string& detail) const { ErrorAt(token_.Line, token_.Column, detail); }

void TParser::Next() {
  SkipBlanks();
  token_ = TToken{};
  token_.Line = line_;
  token_.Column = column_;
  if (AtEnd()) return;
  char c = Peek();
  if (IsIdentStart(c)) {
    size_t end = pos_ + 1;
    while (end < text_.size() && IsIdentChar(text_[end])) ++end;
    token_.Kind = TTokenKind::Ident;
    token_.Text = text_.substr(pos_, end - pos_);
    Skip(end - pos_);
  } else if (c == '\'' || c == '#') {
    ScanString();
  } else if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) {
    ScanNumber();
  } else if (IsSymbol(c)) {
    token_.Kind = TTokenKind::Symbol;
    token_.Symbol = c;
    Advance();
  } else {
    Error("Invalid character " + Printable(c));
  }
}

void TParser::ScanNumber() {
  token_.Kind = TTokenKind::Integer;
  bool negative = false;
  if (Peek() == '-') {
    negative = true;
    Advance();
  }
  std::uint64_t magnitude = 0;
  bool hex = Peek() == '$';
  if (hex) Advance();
  int digits = 0;
  for (;;) {
    int d = hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
    if (d < 0) break;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
    if (magnitude > (hex ? 0xFFFFFFFFFFFFFFFFull >> 4 : 922337203685477580ull)) Error("Number too large");
    ++digits;
    Advance();
  }
  if (digits == 0) Error("Invalid number");
  if (!hex && Peek() == '.' && IsDigit(Peek(1))) {
    Advance();
    while (IsDigit(Peek())) Advance();
    token_.Kind = TTokenKind::Float;
  }
  if (IsIdentChar(Peek())) Error("Invalid number");
  if (hex && !negative && magnitude <= 0xFFFFFFFFull && magnitude > 0x7FFFFFFFull)
    token_.Value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));  // $FFFFFFFF is -1
  else
    token_.Value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

void TParser::ScanString() {
  token_.Kind = TTokenKind::String;
  // A single fragment without doubled quotes is its own value: a view into the text.
  if (Peek() == '\'') {
    const size_t close = text_.find_first_of("'\n\r", pos_ + 1);
    if (close != std::string_view::npos && text_[close] == '\'' && close + 1 < text_.size() &&
        text_[close + 1] != '\'' && text_[close + 1] != '#') {
      token_.Text = text_.substr(pos_ + 1, close - pos_ - 1);
      Skip(close + 1 - pos_);  // a fragment holds no line break
      return;
    }
  }
  std::string& out = decoded_;
  out.clear();
  while (Peek() == '\'' || Peek() == '#') {
    if (Peek() == '\'') {
      Advance();
      for (;;) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r') Error("Unterminated string");
        if (Peek() == '\'') {
          Advance();
          if (Peek() != '\'') break;
        }
        out += Peek();
        Advance();
      }
    } else {
      Advance();
      std::uint32_t code = 0;
      bool hex = Peek() == '$';
      if (hex) Advance();
      int digits = 0;
      for (;;) {
        int d = hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
        if (d < 0) break;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
        if (code > 0x10FFFF) Error("Invalid character code");
        ++digits;
        Advance();
      }
      if (digits == 0) Error("Invalid character code");
      AppendUtf8(out, code);
    }
  }
  token_.Text = out;
}

std::string TParser::ReadStringValue() {
  if (token_.Kind != TTokenKind::String) Error("String expected");
  std::string value(token_.Text);
  Next();
  while (token_.Is('+')) {
    Next();
    if (token_.Kind != TTokenKind::String) Error("String expected");
    value += token_.Text;
    Next();
  }
  return value;
}

void TParser::ReadBinary(std::vector<std::uint8_t>& bytes) {
  if (!token_.Is('{')) Error("'{' expected");
  // At most one byte per two characters before the closing brace: room for all of
  // them at once, so the digits decode straight into place.
  const size_t close = text_.find('}', pos_);
  bytes.resize(((close == std::string_view::npos ? text_.size() : close) - pos_) / 2);
  std::uint8_t* out = bytes.data();
  for (;;) {
    SkipBlanks();
    if (AtEnd()) ErrorAt(line_, column_, "'}' expected");
    if (text_[pos_] == '}') {
      Advance();
      break;
    }
    // Digit pairs never span a line, so a run of them moves only the column.
    const char* p = text_.data() + pos_;
    const char* const end = text_.data() + text_.size() - 1;
    const char* const runStart = p;
    while (end - p >= 16 && DecodeHex16(p, out)) {
      p += 16;
      out += 8;
    }
    while (p < end) {
      const int hi = HexValue(p[0]), lo = HexValue(p[1]);
      if ((hi | lo) < 0) break;
      *out++ = static_cast<std::uint8_t>(hi << 4 | lo);
      p += 2;
    }
    Skip(static_cast<size_t>(p - runStart));
    if (AtEnd() || text_[pos_] == '}' || (IsSpace(text_[pos_]) && text_[pos_] != '\v' && text_[pos_] != '\f'))
      continue;
    BinaryError();
  }
  bytes.resize(static_cast<size_t>(out - bytes.data()));
  Next();
}

// Where a run of digit pairs stopped at something that is neither a blank nor '}'.
void TParser::BinaryError() {
  if (HexValue(Peek()) < 0) ErrorAt(line_, column_, "Invalid binary value " + Printable(Peek()));
  const int pairLine = line_, pairColumn = column_;
  Advance();
  if (AtEnd() || Peek() == '}' || IsSpace(Peek())) ErrorAt(pairLine, pairColumn, "Odd number of hex digits");
  ErrorAt(line_, column_, "Invalid binary value " + Printable(Peek()));
}

void TParser::Expect(char symbol) {
  if (!token_.Is(symbol)) Error(std::string("'") + symbol + "' expected");
  Next();
}

std::string_view TParser::ExpectIdent() {
  if (token_.Kind != TTokenKind::Ident) Error("Identifier expected");
  const std::string_view name = token_.Text;
  Next();
  return name;
}

}  // namespace host

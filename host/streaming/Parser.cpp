#include "host/streaming/Parser.h"

#include "host/core/Utf8.h"

#include <cctype>

namespace host {

namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

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

bool TToken::IsIdent(std::string_view word) const { return Kind == TTokenKind::Ident && SameText(Text, word); }

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
    size_t start = pos_;
    while (!AtEnd() && IsIdentChar(Peek())) Advance();
    token_.Kind = TTokenKind::Ident;
    token_.Text.assign(text_.substr(start, pos_ - start));
  } else if (c == '\'' || c == '#') {
    ScanString();
  } else if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) {
    ScanNumber();
  } else if (std::string_view("=:.,[]()<>{}+").find(c) != std::string_view::npos) {
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
  std::string& out = token_.Text;
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
}

std::string TParser::ReadStringValue() {
  if (token_.Kind != TTokenKind::String) Error("String expected");
  std::string value = token_.Text;
  Next();
  while (token_.Is('+')) {
    Next();
    if (token_.Kind != TTokenKind::String) Error("String expected");
    value += token_.Text;
    Next();
  }
  return value;
}

std::vector<std::uint8_t> TParser::ReadBinary() {
  if (!token_.Is('{')) Error("'{' expected");
  std::vector<std::uint8_t> bytes;
  for (;;) {
    SkipBlanks();
    if (AtEnd()) ErrorAt(line_, column_, "'}' expected");
    if (Peek() == '}') {
      Advance();
      break;
    }
    // Digit pairs never span a line, so a run of them moves only the column.
    while (pos_ + 1 < text_.size()) {
      int hi = HexValue(text_[pos_]), lo = HexValue(text_[pos_ + 1]);
      if (hi < 0 || lo < 0) break;
      bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
      pos_ += 2;
      column_ += 2;
    }
    if (Peek() == '}' || Peek() == ' ' || Peek() == '\n' || Peek() == '\r' || Peek() == '\t') continue;
    int hi = HexValue(Peek());
    if (hi < 0) ErrorAt(line_, column_, AtEnd() ? std::string("'}' expected") : "Invalid binary value " + Printable(Peek()));
    const int pairLine = line_, pairColumn = column_;
    Advance();
    if (AtEnd() || Peek() == '}' || std::isspace(static_cast<unsigned char>(Peek())))
      ErrorAt(pairLine, pairColumn, "Odd number of hex digits");
    ErrorAt(line_, column_, "Invalid binary value " + Printable(Peek()));
  }
  Next();
  return bytes;
}

void TParser::Expect(char symbol) {
  if (!token_.Is(symbol)) Error(std::string("'") + symbol + "' expected");
  Next();
}

std::string TParser::ExpectIdent() {
  if (token_.Kind != TTokenKind::Ident) Error("Identifier expected");
  std::string name = token_.Text;
  Next();
  return name;
}

}  // namespace host

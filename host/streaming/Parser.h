// Tokenizer of text form files, with line and column of every token.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/SysUtils.h"

namespace host {

// A read error that knows where in the form file it happened.
class EFormReadError : public EReadError {
 public:
  // context names what was being read ("Form1.Zelvant1.WayList.Data"), when known.
  EFormReadError(int line, int column, const std::string& detail, const std::string& context = "");
  int Line() const { return line_; }
  int Column() const { return column_; }
  const std::string& Detail() const { return detail_; }
  const std::string& Context() const { return context_; }

 private:
  int line_;
  int column_;
  std::string detail_;
  std::string context_;
};

enum class TTokenKind { End, Ident, Integer, Float, String, Symbol };

// A token is a view: identifiers and plain strings point into the text being read, a
// string with doubled quotes or character codes into the parser's own buffer, which the
// next token reuses. Identifiers therefore stay valid as long as the text does.
struct TToken {
  TTokenKind Kind = TTokenKind::End;
  std::string_view Text;     // identifier, or the decoded string value (UTF-8)
  std::int64_t Value = 0;    // integers
  char Symbol = 0;           // symbols: = : . , [ ] ( ) < > { } +
  int Line = 1;
  int Column = 1;
  bool Is(char symbol) const { return Kind == TTokenKind::Symbol && Symbol == symbol; }
  bool IsIdent(std::string_view word) const { return Kind == TTokenKind::Ident && SameText(Text, word); }
};

class TParser {
 public:
  explicit TParser(std::string_view text);
  const TToken& Token() const { return token_; }
  void Next();
  // The current token must be '{': decodes hex digit pairs up to '}' into bytes (which
  // it replaces) and moves past the '}'.
  void ReadBinary(std::vector<std::uint8_t>& bytes);
  // A string value: fragments and #codes, continued across lines with '+'.
  std::string ReadStringValue();
  [[noreturn]] void Error(const std::string& detail) const;
  [[noreturn]] static void ErrorAt(int line, int column, const std::string& detail);
  void Expect(char symbol);
  // The identifier, a view into the text.
  std::string_view ExpectIdent();
  // Whether s is a view into the text being parsed.
  bool Holds(std::string_view s) const {
    const std::less_equal<const char*> atMost;
    return atMost(text_.data(), s.data()) && atMost(s.data() + s.size(), text_.data() + text_.size());
  }

 private:
  char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
  bool AtEnd() const { return pos_ >= text_.size(); }
  // Moves over characters that are known not to be line breaks.
  void Skip(size_t count) {
    pos_ += count;
    column_ += static_cast<int>(count);
  }
  void Advance() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_++] == '\n') {
      ++line_;
      column_ = 1;
    } else {
      ++column_;
    }
  }
  void SkipBlanks() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        column_ = 1;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++column_;
      } else {
        break;
      }
      ++pos_;
    }
  }
  [[noreturn]] void BinaryError();
  void ScanString();
  void ScanNumber();

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  int column_ = 1;
  TToken token_;
  std::string decoded_;  // the current string token, when it is not a plain view

};

}  // namespace host

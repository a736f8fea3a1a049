// Decoding UTF-8 text one code point at a time, as text drawing and measuring need it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace host {

// The code point starting at text[pos], advancing pos past it. A byte that does not
// start a well-formed sequence (stray continuation, overlong form, surrogate, beyond
// U+10FFFF, truncated) yields '?' and advances by one byte, so every byte is consumed.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);
// Appends the UTF-8 bytes of a code point.
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace host

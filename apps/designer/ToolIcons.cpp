// The tool bar's 16 x 16 pictures, one letter per pixel ('.' is transparent).
#include <cstring>
#include <string_view>

#include "ToolBar.h"

namespace designer {

namespace {

struct TIcon {
  const char* Name;
  std::string_view Rows[16];
};

constexpr TIcon kIcons[] = {
    {"new",
     {"..kkkkkkkk......", "..kwwwwwwkk.....", "..kwwwwwwkwk....", "..kwwwwwwkkkk...", "..kwwwwwwwwwk...",
      "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kwwwwwwwwwk...",
      "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kkkkkkkkkkk...",
      "................"}},
    {"open",
     {"................", "................", ".kkkk...........", "kyyyyk..........", "kyyyyykkkkkk....",
      "kyyyyyyyyyyk....", "kyyykkkkkkkkkkk.", "kyykooooooooook.", "kykooooooooook..", "kykooooooooook..",
      "kkooooooooook...", "kkooooooooook...", "kkkkkkkkkkkk....", "................", "................",
      "................"}},
    {"save",
     {"kkkkkkkkkkkkkkk.", "knnkwwwwwwwknnk.", "knnkwwwwwwwknnk.", "knnkwwwwwwwknnk.", "knnkwwwwwwwknnk.",
      "knnkkkkkkkkknnk.", "knnnnnnnnnnnnnk.", "knnnnnnnnnnnnnk.", "knnkkkkkkkkknnk.", "knnkssssskskknk.",
      "knnkssssskskknk.", "knnkssssskskknk.", "knnkssssssssknk.", ".kkkkkkkkkkkkkk.", "................",
      "................"}},
    {"saveas",
     {"kkkkkkkkkkkkk...", "knnkwwwwwknnk...", "knnkwwwwwknnk...", "knnkwwwwwknnk...", "knnkkkkkkknnk...",
      "knnnnnnnnnnnk...", "knnnnnnnnnnnk...", "knnkkkkkkknnk.r.", "knnksssksknk.rr.", "knnksssksknkrr..",
      "knnksssskkkrr...", ".kkkkkkkkkrr....", ".........kk.....", "........kk......", "................",
      "................"}},
    {"undo",
     {"................", "................", "....k...........", "...kk...........", "..kbbkkkkkk.....",
      ".kbbbbbbbbbk....", "..kbbkkkkkbbk...", "...kk.....kbbk..", "....k......kbk..", "...........kbk..",
      "...........kbk..", "..........kbbk..", ".......kkkkbbk..", ".......kbbbbk...", ".......kkkkk....",
      "................"}},
    {"redo",
     {"................", "................", "...........k....", "...........kk...", ".....kkkkkkbbk..",
      "....kbbbbbbbbbk.", "...kbbkkkkkbbk..", "..kbbk.....kk...", "..kbk......k....", "..kbk...........",
      "..kbk...........", "..kbbk..........", "..kbbkkkk.......", "...kbbbbk.......", "....kkkkk.......",
      "................"}},
    {"grid",
     {"................", ".k...k...k...k..", "................", "................", "................",
      ".k...k...k...k..", "................", "................", "................", ".k...k...k...k..",
      "................", "................", "................", ".k...k...k...k..", "................",
      "................"}},
    {"run",
     {"................", "...kk...........", "...kgk..........", "...kggk.........", "...kgggk........",
      "...kggggk.......", "...kgggggk......", "...kggggggk.....", "...kggggggk.....", "...kgggggk......",
      "...kggggk.......", "...kgggk........", "...kggk.........", "...kgk..........", "...kk...........",
      "................"}},
    {"quit",
     {"................", ".kkkkkkkkk......", ".kdddddddk......", ".kdddddddk......", ".kdddddddk..k...",
      ".kdddddddk..kk..", ".kdddddkkkkkrrk.", ".kddddkrrrrrrrrk", ".kdddddkkkkkrrk.", ".kdddddddk..kk..",
      ".kdddddddk..k...", ".kdddddddk......", ".kdddddddk......", ".kkkkkkkkk......", "................",
      "................"}},
};

std::uint32_t PixelOf(char c) {
  switch (c) {
    case 'k': return 0xFF000000;
    case 'w': return 0xFFFFFFFF;
    case 'b': return 0xFF1E64C8;
    case 'n': return 0xFF204080;
    case 'y': return 0xFFF0D060;
    case 'o': return 0xFFD8A840;
    case 'g': return 0xFF30A040;
    case 'r': return 0xFFD03030;
    case 's': return 0xFFC0C0C0;
    case 'd': return 0xFF808080;
    default: return 0x00000000;
  }
}

}  // namespace

void DrawToolIcon(host::TBitmap& bitmap, const std::string& name) {
  bitmap.SetSize(0, 0);
  for (const TIcon& icon : kIcons) {
    if (name != icon.Name) continue;
    bitmap.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) bitmap.SetPixel(x, y, PixelOf(icon.Rows[y][static_cast<size_t>(x)]));
    return;
  }
}

}  // namespace designer

// Letters: see ColorOf in PixelArt.h ('.' is the olive background).
#include "PaletteArt.h"

namespace zelvant::art {

namespace {

constexpr std::string_view kZelvantPaletteRows[] = {
    "........................",
    ".................y...y..",
    "................y....y..",
    "...................yywyy",
    "kkkkkkkkkkkkkkkkkkk..y..",
    "knnnnnnnnnnnnnnnnnk.....",
    "knnnnnnnnnnnnnnnnn..ww..",
    "kssssssssssssssss..ww..y",
    "ksddddwsssssssss..kk....",
    "ksdtttwsddddddd..kk.....",
    "ksdtttwsssssss..kk......",
    "ksdtttwsddddd..kk.......",
    "ksdtttwsssss..kk..k.....",
    "ksdtttwssss..kk..sk.....",
    "ksdtttwssss.kk..ssk.....",
    "ksdwwwwssss....sssk.....",
    "ksdddddddddddddddsk.....",
    "ksssssssssssssssssk.....",
    "kssswwwkwwwkswwwksk.....",
    "kssswsskwsskswssksk.....",
    "kssskkkkkkkkskkkksk.....",
    "ksssssssssssssssssk.....",
    "kkkkkkkkkkkkkkkkkkk.....",
    "........................",
};

constexpr std::string_view kBoxPaletteRows[] = {
    "........................",
    "........................",
    "........................",
    "..wwwwwwwwwwwwwwk.......",
    "..wssssssssssssskk......",
    "..wssssssssssssskwk.....",
    "..wssssssssssssskwwk....",
    "..wssssssssssssskwwwk...",
    "..wssssssssssssskwwwwk..",
    "..wssssssssssssskkkkkk..",
    "..wsssssssssssssssssdk..",
    "..wsssssssssssssssssdk..",
    "..wsssssssssssssssssdk..",
    "..wsssssssssssssssssdk..",
    "..wsssssssssssssssssdk..",
    "..wsssssssssssssssssdk..",
    "..wsssssssssssssssssdk..",
    "..wsssssssssssssssssdk..",
    "..wsssssssssssssssssdk..",
    "..wddddddddddddddddddk..",
    "..kkkkkkkkkkkkkkkkkkdk..",
    "........................",
    "........................",
    "........................",
};

constexpr std::string_view kFormPaletteRows[] = {
    "........................",
    ".ddddddddddddddddddddd..",
    ".dwwwwwwwwwwwwwwwwwwwdw.",
    ".dw..................dw.",
    ".dw..................dw.",
    ".dw..kkkkkkkkkkkkkk..dw.",
    ".dw..knnnnnnnnnnnnk..dw.",
    ".dw..knnnnnnnnnnnnk..dw.",
    ".dw..kssssssssssssk..dw.",
    ".dw..kssssssssssssk..dw.",
    ".dw..ksswwwwwwwwssk..dw.",
    ".dw..kssssssssssssk..dw.",
    ".dw..kssssssssssssk..dw.",
    ".dw..kssssssssssssk..dw.",
    ".dw..kssssssssssssk..dw.",
    ".dw..kssssssssssssk..dw.",
    ".dw..kssssssssssssk..dw.",
    ".dw..kssssssssssssk..dw.",
    ".dw..kkkkkkkkkkkkkk..dw.",
    ".dw..................dw.",
    ".dw..................dw.",
    ".dddddddddddddddddddddw.",
    "..wwwwwwwwwwwwwwwwwwwww.",
    "........................",
};

static_assert(WellFormed(TArt{kZelvantPaletteRows}, 24, 24));
static_assert(WellFormed(TArt{kBoxPaletteRows}, 24, 24));
static_assert(WellFormed(TArt{kFormPaletteRows}, 24, 24));

}  // namespace

const TArt kZelvantPalette{kZelvantPaletteRows};
const TArt kBoxPalette{kBoxPaletteRows};
const TArt kFormPalette{kFormPaletteRows};

}  // namespace zelvant::art

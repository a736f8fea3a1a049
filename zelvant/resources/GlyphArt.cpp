// Letters: see ColorOf in PixelArt.h ('.' is the olive background).
#include "GlyphArt.h"

namespace zelvant::art {

namespace {

constexpr std::string_view kHelpRows[] = {
    "..................",
    "......bbbbbb......",
    ".....bbbbbbbb.....",
    "....bbbbnnbbbb....",
    "....bbbnn..bbbn...",
    "....bbbn...bbbn...",
    ".....nnn...bbbn...",
    "..........bbbbn...",
    ".........bbbbnn...",
    "........bbbbnn....",
    "........bbbnn.....",
    "........bbbn......",
    ".........nnn......",
    "........bbb.......",
    "........bbbn......",
    "........bbbn......",
    ".........nnn......",
    "..................",
};

constexpr std::string_view kZelvantOkRows[] = {
    "..................",
    "..................",
    "..................",
    ".............lggg.",
    "............lggg..",
    "...........lggg...",
    "..........lggg....",
    ".........lggg.....",
    ".lllg...lggg......",
    "..lggg.lggg.......",
    "...lgggggg........",
    "....lgggg.........",
    ".....lgg..........",
    "......g...........",
    "..................",
    "..................",
    "..................",
    "..................",
};

constexpr std::string_view kFinishRows[] = {
    "..................",
    ".kwwkkwwkkwwkk....",
    ".kwwkkwwkkwwkk....",
    ".kkkwwkkwwkkww....",
    ".kkkwwkkwwkkww....",
    ".kwwkkwwkkwwkk....",
    ".kwwkkwwkkwwkk....",
    ".k................",
    ".k.............gg.",
    ".k............ggg.",
    ".k...........ggg..",
    ".k....gg....ggg...",
    ".k.....ggg.ggg....",
    ".k......ggggg.....",
    ".k.......ggg......",
    ".k........g.......",
    ".k................",
    "..................",
};

constexpr std::string_view kDialogOkRows[] = {
    "..................",
    "kkkkkkkkkkkk......",
    "knnnnnnnnnnk......",
    "knnnnnnnnnnk......",
    "kkkkkkkkkkkk......",
    "kwwwwwwwwwwk......",
    "kwwwwwwwwwwk...gg.",
    "kwwwwwwwwwwk..ggg.",
    "kwwwwwwwwww..ggg..",
    "kwww....ww..ggg...",
    "kwww.gg....ggg....",
    "kkkk..ggg.ggg.....",
    ".......ggggg......",
    "........ggg.......",
    ".........g........",
    "..................",
    "..................",
    "..................",
};

constexpr std::string_view kChangeZelvantRows[] = {
    "..................",
    "kkkkkkk...........",
    "kwwwwwk...........",
    "kwkkkkkkk.........",
    "kwkwwwwwk.........",
    "kwkwkkkkkkk.......",
    "kwkwkwwwwwk.......",
    "kwkwkwdddwk.......",
    "kwkwkwwwwwk.......",
    "kkkwkwdddwk.......",
    "..kwkwwwwwk...g...",
    "..kkkwdddwk...gg..",
    "....kwwwwwk.ggggg.",
    "....kkkkkkk.gggggg",
    "............ggggg.",
    "..............gg..",
    "..............g...",
    "..................",
};

constexpr std::string_view kChangeDialogRows[] = {
    "..................",
    "..................",
    ".kkkkkkkkkkkkkkkk.",
    ".knnnnnnnnnnnnnnk.",
    ".knnnnnnnnnnnnnnk.",
    ".kssssssssssssssk.",
    ".ksdddsswwwwwwwsk.",
    ".kssssssssssssssk.",
    ".ksdddsswwwwwwwsk.",
    ".kssssssssssssssk.",
    ".ksdddsswwwwwwwsk.",
    ".kssssssssssssssk.",
    ".ksssswwwkswwwksk.",
    ".ksssswddkswddksk.",
    ".kssssssssssssssk.",
    ".kkkkkkkkkkkkkkkk.",
    "..................",
    "..................",
};

constexpr std::string_view kCancelRows[] = {
    "..................",
    "..................",
    "..................",
    "..rrrm......rrrm..",
    "...rrrm....rrrm...",
    "....rrrm..rrrm....",
    ".....rrrmrrrm.....",
    "......rrrrrm......",
    ".......rrrm.......",
    "......rrrrrm......",
    ".....rrrmrrrm.....",
    "....rrrm..rrrm....",
    "...rrrm....rrrm...",
    "..rrrm......rrrm..",
    "..................",
    "..................",
    "..................",
    "..................",
};

constexpr std::string_view kArrowLeftRows[] = {
    "................",
    "................",
    ".......g........",
    "......gg........",
    ".....ggg........",
    "....gggg........",
    "...ggggggggggg..",
    "..gggggggggggg..",
    "..gggggggggggg..",
    "...ggggggggggg..",
    "....gggg........",
    ".....ggg........",
    "......gg........",
    ".......g........",
    "................",
    "................",
};

constexpr std::string_view kArrowRightRows[] = {
    "................",
    "................",
    "........g.......",
    "........gg......",
    "........ggg.....",
    "........gggg....",
    "..ggggggggggg...",
    "..gggggggggggg..",
    "..gggggggggggg..",
    "..ggggggggggg...",
    "........gggg....",
    "........ggg.....",
    "........gg......",
    "........g.......",
    "................",
    "................",
};

static_assert(WellFormed(TArt{kHelpRows}, 18, 18));
static_assert(WellFormed(TArt{kZelvantOkRows}, 18, 18));
static_assert(WellFormed(TArt{kFinishRows}, 18, 18));
static_assert(WellFormed(TArt{kDialogOkRows}, 18, 18));
static_assert(WellFormed(TArt{kChangeZelvantRows}, 18, 18));
static_assert(WellFormed(TArt{kChangeDialogRows}, 18, 18));
static_assert(WellFormed(TArt{kCancelRows}, 18, 18));
static_assert(WellFormed(TArt{kArrowLeftRows}, 16, 16));
static_assert(WellFormed(TArt{kArrowRightRows}, 16, 16));

}  // namespace

const TArt kHelp{kHelpRows};
const TArt kZelvantOk{kZelvantOkRows};
const TArt kFinish{kFinishRows};
const TArt kDialogOk{kDialogOkRows};
const TArt kChangeZelvant{kChangeZelvantRows};
const TArt kChangeDialog{kChangeDialogRows};
const TArt kCancel{kCancelRows};
const TArt kArrowLeft{kArrowLeftRows};
const TArt kArrowRight{kArrowRightRows};

}  // namespace zelvant::art

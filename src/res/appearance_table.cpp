#include "res/appearance_table.h"

#include "res/resource.h"

namespace {

using A = Appearance;

// The board menu goes from light to dark and then to the colours, not in the order of the
// command numbers; a board's index is its command number less the first board's. A marble's index
// follows neither its menu place nor its numbers.
constexpr Appearance kAppearances[] = {
    {A::kBoard, ID_BOARD_LIGHT_MONO, "OnBoardLightMono", 4, IDB_BOARD_LIGHT_MONO,
     "board_light_mono", "明るいモノクロ", "ボードを明るいモノクロ調に変更"},
    {A::kBoard, ID_BOARD_DARK_MONO, "OnBoardDarkMono", 0, IDB_BOARD_DARK_MONO, "board_dark_mono",
     "暗いモノクロ", "ボードを暗いモノクロ調に変更"},
    {A::kBoard, ID_BOARD_LIGHT_WOOD, "OnBoardLightWood", 1, IDB_BOARD_LIGHT_WOOD,
     "board_light_wood", "明るい木目", "ボードを明るい木目調に変更"},
    {A::kBoard, ID_BOARD_DARK_WOOD, "OnBoardDarkWood", 5, IDB_BOARD_DARK_WOOD, "board_dark_wood",
     "暗い木目", "ボードを暗い木目調に変更"},
    {A::kBoard, ID_BOARD_PALE_BLUE, "OnBoardPaleBlue", 3, IDB_BOARD_PALE_BLUE, "board_pale_blue",
     "淡い水色", "ボードを淡い水色調に変更"},
    {A::kBoard, ID_BOARD_RED, "OnBoardRed", 2, IDB_BOARD_RED, "board_red", "厳しい赤",
     "ボードを厳しい赤色に変更"},

    {A::kMarble, ID_MARBLE_RED, "OnMarbleRed", 0, IDB_MARBLE_RED, "marble_red", "赤",
     "ビー玉の色を赤色にします"},
    {A::kMarble, ID_MARBLE_BLUE, "OnMarbleBlue", 2, IDB_MARBLE_BLUE, "marble_blue", "青",
     "ビー玉の色を青色にします"},
    {A::kMarble, ID_MARBLE_YELLOW, "OnMarbleYellow", 1, IDB_MARBLE_YELLOW, "marble_yellow", "黄",
     "ビー玉の色を黄色にします"},
    {A::kMarble, ID_MARBLE_GREEN, "OnMarbleGreen", 3, IDB_MARBLE_GREEN, "marble_green", "緑",
     "ビー玉の色を緑色にします"},
    {A::kMarble, ID_MARBLE_AQUA, "OnMarbleAqua", 4, IDB_MARBLE_AQUA, "marble_aqua", "水",
     "ビー玉の色を水色にします"},
    {A::kMarble, ID_MARBLE_PURPLE, "OnMarblePurple", 5, IDB_MARBLE_PURPLE, "marble_purple", "紫",
     "ビー玉の色を紫色にします"},
};

} // namespace

std::span<const Appearance> Appearances() {
    return kAppearances;
}

const Appearance* FindAppearance(int nId) {
    for (const Appearance& look : kAppearances) {
        if (look.nId == nId)
            return &look;
    }
    return nullptr;
}

const Appearance* FindAppearanceOfBitmap(int nBitmapId) {
    for (const Appearance& look : kAppearances) {
        if (look.nBitmapId == nBitmapId)
            return &look;
    }
    return nullptr;
}

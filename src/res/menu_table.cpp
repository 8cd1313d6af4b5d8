#include "res/menu_table.h"

#include "res/resource.h"

namespace {

using K = MenuTemplateItem;

// The board popup follows the look of the pictures (light to dark, then the colours), not the
// order of the command numbers.
constexpr MenuTemplateItem kMainMenu[] = {
    {K::kPopup, 0, "ゲーム(&F)", 0},
    {K::kItem, ID_GAME_NEW_FIRST, "先手で新規ゲーム(&N)", 0},
    {K::kItem, ID_GAME_NEW_SECOND, "後手で新規ゲーム(&C)", 0},
    {K::kSeparator, 0, nullptr, 0},
    {K::kItem, ID_GAME_TAKEBACK, "ちょっと待った！", 0},
    {K::kSeparator, 0, nullptr, 0},
    {K::kItem, ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", 0},

    {K::kPopup, 0, "思考レベル(&L)", 0},
    {K::kItem, ID_LEVEL_1, "初心者向け", 0},
    {K::kItem, ID_LEVEL_2, "普通の人向け", 0},
    {K::kItem, ID_LEVEL_3, "玄人向け", 0},
    {K::kItem, ID_LEVEL_4, "仙人向け", 0},

    {K::kPopup, 0, "ボード", 0},
    {K::kItem, ID_BOARD_LIGHT_MONO, "明るいモノクロ", 0},
    {K::kItem, ID_BOARD_DARK_MONO, "暗いモノクロ", 0},
    {K::kItem, ID_BOARD_LIGHT_WOOD, "明るい木目", 0},
    {K::kItem, ID_BOARD_DARK_WOOD, "暗い木目", 0},
    {K::kItem, ID_BOARD_PALE_BLUE, "淡い水色", 0},
    {K::kItem, ID_BOARD_RED, "厳しい赤", 0},

    {K::kPopup, 0, "ビー玉", 0},
    {K::kItem, ID_MARBLE_RED, "赤", 0},
    {K::kItem, ID_MARBLE_BLUE, "青", 0},
    {K::kItem, ID_MARBLE_YELLOW, "黄", 0},
    {K::kItem, ID_MARBLE_GREEN, "緑", 0},
    {K::kItem, ID_MARBLE_AQUA, "水", 0},
    {K::kItem, ID_MARBLE_PURPLE, "紫", 0},

    {K::kPopup, 0, "ヘルプ(&H)", MFT_RIGHTJUSTIFY | MFT_RIGHTORDER},
    {K::kItem, ID_APP_ABOUT, "Ravelo2 のﾊﾞｰｼﾞｮﾝ情報(&A)...", 0},
    {K::kItem, ID_HELP_RULES, "説明(&H)", 0},
};

// Take-back has no key: it is chosen from the menu only.
constexpr AcceleratorItem kAccelerators[] = {
    {"Ctrl+N", ID_FILE_NEW},
    {"Ctrl+O", ID_FILE_OPEN},
    {"Ctrl+S", ID_FILE_SAVE},
    {"Ctrl+Z", ID_EDIT_UNDO},
    {"Ctrl+X", ID_EDIT_CUT},
    {"Ctrl+C", ID_EDIT_COPY},
    {"Ctrl+V", ID_EDIT_PASTE},
    {"Alt+Backspace", ID_EDIT_UNDO},
    {"Shift+Del", ID_EDIT_CUT},
    {"Ctrl+Ins", ID_EDIT_COPY},
    {"Shift+Ins", ID_EDIT_PASTE},
    {"F6", ID_NEXT_PANE},
    {"Shift+F6", ID_PREV_PANE},
    // F1, the desktop's key for help, opens the manual; no menu item carries it.
    {"F1", ID_HELP},
};

} // namespace

std::span<const MenuTemplateItem> MainMenuTemplate() {
    return kMainMenu;
}

std::span<const AcceleratorItem> MainAccelerators() {
    return kAccelerators;
}

const char* MenuTextOf(int nId) {
    for (const MenuTemplateItem& item : kMainMenu) {
        if (item.nKind == K::kItem && item.nId == nId)
            return item.pszText;
    }
    return nullptr;
}

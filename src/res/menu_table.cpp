#include "res/menu_table.h"

#include "res/resource.h"

namespace {

using K = MenuTemplateItem;

// The board popup follows the look of the pictures (light to dark, then the colours), not the
// order of the command numbers.
constexpr MenuTemplateItem kMainMenu[] = {
    {K::kPopup, 0, "ゲーム(&F)", nullptr},
    {K::kItem, ID_GAME_NEW_FIRST, "先手で新規ゲーム(&N)", nullptr},
    {K::kItem, ID_GAME_NEW_SECOND, "後手で新規ゲーム(&C)", nullptr},
    {K::kSeparator, 0, nullptr, nullptr},
    {K::kItem, ID_GAME_TAKEBACK, "ちょっと待った！", nullptr},
    {K::kSeparator, 0, nullptr, nullptr},
    {K::kItem, ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", nullptr},

    {K::kPopup, 0, "思考レベル(&L)", nullptr},
    {K::kItem, ID_LEVEL_1, "初心者向け", nullptr},
    {K::kItem, ID_LEVEL_2, "普通の人向け", nullptr},
    {K::kItem, ID_LEVEL_3, "玄人向け", nullptr},
    {K::kItem, ID_LEVEL_4, "仙人向け", nullptr},

    {K::kPopup, 0, "ボード", nullptr},
    {K::kItem, ID_BOARD_LIGHT_MONO, "明るいモノクロ", nullptr},
    {K::kItem, ID_BOARD_DARK_MONO, "暗いモノクロ", nullptr},
    {K::kItem, ID_BOARD_LIGHT_WOOD, "明るい木目", nullptr},
    {K::kItem, ID_BOARD_DARK_WOOD, "暗い木目", nullptr},
    {K::kItem, ID_BOARD_PALE_BLUE, "淡い水色", nullptr},
    {K::kItem, ID_BOARD_RED, "厳しい赤", nullptr},

    {K::kPopup, 0, "ビー玉", nullptr},
    {K::kItem, ID_MARBLE_RED, "赤", nullptr},
    {K::kItem, ID_MARBLE_BLUE, "青", nullptr},
    {K::kItem, ID_MARBLE_YELLOW, "黄", nullptr},
    {K::kItem, ID_MARBLE_GREEN, "緑", nullptr},
    {K::kItem, ID_MARBLE_AQUA, "水", nullptr},
    {K::kItem, ID_MARBLE_PURPLE, "紫", nullptr},
};

} // namespace

std::span<const MenuTemplateItem> MainMenuTemplate() {
    return kMainMenu;
}

const char* MenuTextOf(int nId) {
    for (const MenuTemplateItem& item : kMainMenu) {
        if (item.nKind == K::kItem && item.nId == nId)
            return item.pszText;
    }
    return nullptr;
}

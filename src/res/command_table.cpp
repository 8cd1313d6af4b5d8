#include "res/command_table.h"

#include "res/appearance_table.h"
#include "res/resource.h"

namespace {

enum Popup { kGame, kLevel, kBoard, kMarble, kHelp };

constexpr PopupInfo kPopups[] = {
    {"ゲーム(&F)", 0},
    {"思考レベル(&L)", 0},
    {"ボード", 0},
    {"ビー玉", 0},
    {"ヘルプ(&H)", MFT_RIGHTJUSTIFY | MFT_RIGHTORDER},
};

using O = CommandOwner;
using U = UpdateRule;

// The game and level menus; the board and marble menus come from the appearance table.
constexpr CommandInfo kGameAndLevel[] = {
    {ID_GAME_NEW_FIRST, O::kView, U::kAlways, kGame, false, "先手で新規ゲーム(&N)",
     "ユーザの先手で新規にゲームを始める"},
    {ID_GAME_NEW_SECOND, O::kView, U::kAlways, kGame, false, "後手で新規ゲーム(&C)",
     "ユーザ後手で新規にゲームを始める"},
    {ID_GAME_TAKEBACK, O::kView, U::kAsked, kGame, true, "ちょっと待った！",
     "自分の選択した手を待ったできます"},
    {ID_APP_EXIT, O::kFrame, U::kAlways, kGame, true, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)",
     "ｱﾌﾟﾘｹｰｼｮﾝを終了します\n終了"},
    {ID_LEVEL_1, O::kView, U::kAsked, kLevel, false, "初心者向け", "ルールを覚える人用です"},
    {ID_LEVEL_2, O::kView, U::kAsked, kLevel, false, "普通の人向け", "手軽にラヴェロを楽しめます"},
    {ID_LEVEL_3, O::kView, U::kAsked, kLevel, false, "玄人向け",
     "まじめに取り組むあなたにおすすめ"},
    {ID_LEVEL_4, O::kView, U::kAsked, kLevel, false, "仙人向け", "ピリッとした戦いを好むあなたに"},
};

// The help menu, then the commands that only keys reach: the document's file commands, F1 for
// the manual, and the edit and pane keys that nobody carries out.
constexpr CommandInfo kHelpAndKeys[] = {
    {ID_APP_ABOUT, O::kApplication, U::kAlways, kHelp, false, "Ravelo2 のﾊﾞｰｼﾞｮﾝ情報(&A)...",
     "ﾌﾟﾛｸﾞﾗﾑの情報，ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {ID_HELP_RULES, O::kApplication, U::kAlways, kHelp, false, "説明(&H)",
     "ゲームの説明を表示します\nゲームの説明"},
    {ID_FILE_NEW, O::kApplication, U::kAlways, -1, false, nullptr, nullptr},
    {ID_FILE_OPEN, O::kApplication, U::kAlways, -1, false, nullptr, nullptr},
    {ID_FILE_SAVE, O::kDocument, U::kAlways, -1, false, nullptr, nullptr},
    {ID_HELP, O::kApplication, U::kAlways, -1, false, nullptr, nullptr},
    {ID_EDIT_UNDO, O::kNobody, U::kAlways, -1, false, nullptr, nullptr},
    {ID_EDIT_CUT, O::kNobody, U::kAlways, -1, false, nullptr, nullptr},
    {ID_EDIT_COPY, O::kNobody, U::kAlways, -1, false, nullptr, nullptr},
    {ID_EDIT_PASTE, O::kNobody, U::kAlways, -1, false, nullptr, nullptr},
    {ID_NEXT_PANE, O::kNobody, U::kAlways, -1, false, nullptr, nullptr},
    {ID_PREV_PANE, O::kNobody, U::kAlways, -1, false, nullptr, nullptr},
};

// Take-back has no key: it is chosen from the menu only. F1, the desktop's key for help, opens the
// manual; no menu item carries it.
constexpr AcceleratorItem kAccelerators[] = {
    {"Ctrl+N", ID_FILE_NEW},      {"Ctrl+O", ID_FILE_OPEN},
    {"Ctrl+S", ID_FILE_SAVE},     {"Ctrl+Z", ID_EDIT_UNDO},
    {"Ctrl+X", ID_EDIT_CUT},      {"Ctrl+C", ID_EDIT_COPY},
    {"Ctrl+V", ID_EDIT_PASTE},    {"Alt+Backspace", ID_EDIT_UNDO},
    {"Shift+Del", ID_EDIT_CUT},   {"Ctrl+Ins", ID_EDIT_COPY},
    {"Shift+Ins", ID_EDIT_PASTE}, {"F6", ID_NEXT_PANE},
    {"Shift+F6", ID_PREV_PANE},   {"F1", ID_HELP},
};

std::vector<CommandInfo> MakeCommands() {
    std::vector<CommandInfo> commands(std::begin(kGameAndLevel), std::end(kGameAndLevel));
    for (const Appearance& look : Appearances()) {
        commands.push_back({look.nId, O::kView, U::kAsked,
                            look.nKind == Appearance::kBoard ? kBoard : kMarble, false,
                            look.pszText, look.pszPrompt});
    }
    commands.insert(commands.end(), std::begin(kHelpAndKeys), std::end(kHelpAndKeys));
    return commands;
}

} // namespace

std::span<const PopupInfo> Popups() {
    return kPopups;
}

const std::vector<CommandInfo>& Commands() {
    static const std::vector<CommandInfo> commands = MakeCommands();
    return commands;
}

const CommandInfo* FindCommand(int nId) {
    for (const CommandInfo& command : Commands()) {
        if (command.nId == nId)
            return &command;
    }
    return nullptr;
}

std::span<const AcceleratorItem> MainAccelerators() {
    return kAccelerators;
}

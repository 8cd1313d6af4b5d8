#include "res/command_table.h"

#include "res/appearance_table.h"
#include "res/resource.h"

namespace {

enum Popup { kGame, kLevel, kBoard, kMarble, kOptions, kHelp };

constexpr PopupInfo kPopups[] = {
    {"ゲーム(&F)", 0}, {"思考レベル(&L)", 0}, {"ボード", 0},
    {"ビー玉", 0},     {"オプション(&O)", 0}, {"ヘルプ(&H)", MFT_RIGHTJUSTIFY | MFT_RIGHTORDER},
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

// The options menu, the help menu, then the commands that only keys reach: the document's file
// commands, F1 for the manual, and the edit and pane keys that nobody carries out. Every option
// is off until the player turns it on.
constexpr CommandInfo kOptionsHelpAndKeys[] = {
    {ID_OPTION_ANIMATE, O::kView, U::kAsked, kOptions, false, "ビー玉の動きを見せる(&A)",
     "ビー玉が１個ずつ箱に入っていく様子を見せます"},
    {ID_OPTION_KEEP_MARK, O::kView, U::kAsked, kOptions, false, "最後の手の印を残す(&M)",
     "コンピュータが最後に選んだ箱の印を、次の手まで表示します"},
    {ID_OPTION_COUNTS, O::kView, U::kAsked, kOptions, false, "ビー玉の数を表示(&N)",
     "それぞれの箱のビー玉の数を数字で表示します"},
    {ID_OPTION_RESIZABLE, O::kFrame, U::kAsked, kOptions, false,
     "ウィンドウの大きさを変えられるようにする(&R)",
     "ウィンドウの大きさに合わせてボードを拡大します"},
    {ID_OPTION_QUIET, O::kView, U::kAsked, kOptions, false, "選べない所でメッセージを出さない(&Q)",
     "選べない所を選んだとき、メッセージの代わりにステータスバーと音で知らせます"},
    {ID_HINT, O::kView, U::kAsked, kOptions, true, "ヒント(&H)",
     "仙人向けのコンピュータがあなたならどの箱を選ぶかを示します"},
    {ID_OPTION_REMEMBER, O::kFrame, U::kAsked, kOptions, true, "設定を記憶する(&S)",
     "思考レベル、ボード、ビー玉の色とオプションを次回の起動時にも使います"},
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
// manual; no menu item carries it. H asks for a hint.
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
    {"F1", ID_HELP},
    {"H", ID_HINT},
};

std::vector<CommandInfo> MakeCommands() {
    std::vector<CommandInfo> commands(std::begin(kGameAndLevel), std::end(kGameAndLevel));
    for (const Appearance& look : Appearances()) {
        commands.push_back({look.nId, O::kView, U::kAsked,
                            look.nKind == Appearance::kBoard ? kBoard : kMarble, false,
                            look.pszText, look.pszPrompt});
    }
    commands.insert(commands.end(), std::begin(kOptionsHelpAndKeys), std::end(kOptionsHelpAndKeys));
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

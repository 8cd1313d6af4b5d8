#include "res/string_table.h"

#include "res/resource.h"

namespace {

struct StringEntry {
    int nId;
    const char* pszText;
};

constexpr StringEntry kStrings[] = {
    {IDR_MAINFRAME, "Ravelo2\n\nRavelo\n\n\nRavelo2.Document\nRavelo Document"},
    {AFX_IDS_APP_TITLE, "Ravelo2"},
    {AFX_IDS_IDLEMESSAGE, "ラヴェロへようこそ"},
    {ID_INDICATOR_TURN, "人間側とコンピュータ."},
    {ID_INDICATOR_PROGRESS, "---％"},

    {ID_GAME_NEW_FIRST, "ユーザの先手で新規にゲームを始める"},
    {ID_GAME_NEW_SECOND, "ユーザ後手で新規にゲームを始める"},
    {ID_GAME_TAKEBACK, "自分の選択した手を待ったできます"},
    {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝを終了します\n終了"},

    {ID_LEVEL_1, "ルールを覚える人用です"},
    {ID_LEVEL_2, "手軽にラヴェロを楽しめます"},
    {ID_LEVEL_3, "まじめに取り組むあなたにおすすめ"},
    {ID_LEVEL_4, "ピリッとした戦いを好むあなたに"},

    {ID_BOARD_LIGHT_MONO, "ボードを明るいモノクロ調に変更"},
    {ID_BOARD_DARK_MONO, "ボードを暗いモノクロ調に変更"},
    {ID_BOARD_LIGHT_WOOD, "ボードを明るい木目調に変更"},
    {ID_BOARD_DARK_WOOD, "ボードを暗い木目調に変更"},
    {ID_BOARD_PALE_BLUE, "ボードを淡い水色調に変更"},
    {ID_BOARD_RED, "ボードを厳しい赤色に変更"},

    {ID_MARBLE_RED, "ビー玉の色を赤色にします"},
    {ID_MARBLE_BLUE, "ビー玉の色を青色にします"},
    {ID_MARBLE_YELLOW, "ビー玉の色を黄色にします"},
    {ID_MARBLE_GREEN, "ビー玉の色を緑色にします"},
    {ID_MARBLE_AQUA, "ビー玉の色を水色にします"},
    {ID_MARBLE_PURPLE, "ビー玉の色を紫色にします"},

    {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報，ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {ID_HELP_RULES, "ゲームの説明を表示します\nゲームの説明"},

    {AFX_IDS_SCSIZE, "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更"},
    {AFX_IDS_SCMOVE, "ｳｨﾝﾄﾞｳの位置を変更"},
    {AFX_IDS_SCMINIMIZE, "ｳｨﾝﾄﾞｳを最小化する"},
    {AFX_IDS_SCMAXIMIZE, "ｳｨﾝﾄﾞｳを最大化する"},
    {AFX_IDS_SCCLOSE, "作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示"},
    {AFX_IDS_SCRESTORE, "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す"},
};

} // namespace

QString LoadString(int nId) {
    for (const StringEntry& entry : kStrings) {
        if (entry.nId == nId)
            return QString::fromUtf8(entry.pszText);
    }
    return QString();
}

QString LoadPrompt(int nId) {
    const QString text = LoadString(nId);
    const qsizetype nBreak = text.indexOf(QLatin1Char('\n'));
    return nBreak < 0 ? text : text.left(nBreak);
}

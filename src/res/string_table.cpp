#include "res/string_table.h"

#include "res/command_table.h"
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

    {AFX_IDS_SCSIZE, "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更"},
    {AFX_IDS_SCMOVE, "ｳｨﾝﾄﾞｳの位置を変更"},
    {AFX_IDS_SCMINIMIZE, "ｳｨﾝﾄﾞｳを最小化する"},
    {AFX_IDS_SCMAXIMIZE, "ｳｨﾝﾄﾞｳを最大化する"},
    {AFX_IDS_SCCLOSE, "作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示"},
    {AFX_IDS_SCRESTORE, "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す"},
};

} // namespace

QString LoadString(int nId) {
    // A command's string is its prompt, kept with the command.
    if (const CommandInfo* pCommand = FindCommand(nId))
        return QString::fromUtf8(pCommand->pszString ? pCommand->pszString : "");
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

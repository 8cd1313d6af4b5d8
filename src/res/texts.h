#pragma once

// The fixed texts that the game shows in message boxes and in the status bar, exactly as the
// user reads them.

// Turn controller.
inline constexpr char kTextCannotChoose[] = "そこは選択できません！";
inline constexpr char kTextYouWin[] = "あなたの勝ちです";
inline constexpr char kTextYouLose[] = "あなたの負けです";

// Game commands.
inline constexpr char kTextAskNewGame[] = "現在のゲームを放棄し，新しく始めますか？";
inline constexpr char kTextCannotTakeBack[] = "「待った！」はできません！";

// Turn pane and the idle progress pane.
inline constexpr char kTextGameOver[] = "ゲーム終了";
inline constexpr char kTextYourTurn[] = "あなたの番です";
inline constexpr char kTextComputerThinking[] = "パソコンが考え中です";
inline constexpr char kTextNoProgress[] = "---％";

// The board and its places, as the tooltips and the screen reader name them.
inline constexpr char kTextBoardName[] = "ラヴェロのボード";
inline constexpr char kTextPitWithMarbles[] = "%1: ビー玉 %2個";
inline constexpr char kTextUserStore[] = "あなたの右端の箱: ビー玉 %1個";
inline constexpr char kTextComputerStore[] = "コンピュータの左端の箱: ビー玉 %1個";
// What the screen reader hears after the computer's moves: the pits it played since the user's
// last move, by the names of the tooltips.
inline constexpr char kTextUserPitName[] = "あなたの箱 %1";
inline constexpr char kTextComputerPitName[] = "コンピュータの箱 %1";
inline constexpr char kTextComputerChose[] = "コンピュータが選んだ箱: %1";
inline constexpr char kTextNameSeparator[] = "、";
inline constexpr char kTextSentenceEnd[] = "。";
// The hint, in status pane 0 until the next move, by the name of the tooltips.
inline constexpr char kTextHint[] = "ヒント: %1";

// The rules, shown by the help menu's explanation item. The list markers and the indents are
// ASCII; the brackets, digits and stops inside the sentences are full-width.
inline constexpr char kTextRules[] = "ラヴェロの基本的なルール\n"
                                     "\n"
                                     " (1) コンピュータ（上側６つの箱が陣地）よりも早く\n"
                                     "     ユーザ側（手前６つの箱）のビー玉を全て移動し\n"
                                     "     ビー玉をなくすことができれば勝ちです．\n"
                                     " (2) 移動はターン制でコンピュータと交互に行います．\n"
                                     " (3) 移動は次のルールに従います．\n"
                                     "   1. 移動したいビー玉のある箱を１つ選びます．\n"
                                     "   2. そこのビー玉を全て取り除きます．\n"
                                     "   3. 逆時計回りに隣の箱から順に，取り除いた\n"
                                     "      ビー玉を１つずつ入れていきます．\n"
                                     "   4. 最後のビー玉が右端の箱に入ると，自分のターンを\n"
                                     "      もう一度できます．コンピュータは左端の箱になります．\n"
                                     "\n"
                                     "より詳しい説明は付属のドキュメントをご覧ください．";

// The about box.
inline constexpr char kTextAboutTitle[] = "Ravelo2 のﾊﾞｰｼﾞｮﾝ情報";
inline constexpr char kTextAboutVersion[] = "Ravelo2 Version %1.%2";
inline constexpr char kTextAboutOk[] = "OK";
inline constexpr char kTextAboutReadFirst[] = "ご使用前に付属のドキュメントをお読みください．";

// The user manual, which F1 opens in the desktop's browser.
inline constexpr char kTextManualNotFound[] = "説明書のファイルが見つかりません。";
inline constexpr char kTextNoBrowser[] = "説明書を表示するブラウザを起動できません。";

// File commands of the document, which carries no content.
inline constexpr char kTextCannotSaveFile[] = "ファイル「%1」に保存できません。\n%2";

// Start-up problems, said before or instead of the window.
inline constexpr char kTextCannotOpenFile[] = "ファイル「%1」を開けません。\n%2";
inline constexpr char kTextFileNotFound[] = "ファイルが見つかりません。";
inline constexpr char kTextFileIsFolder[] = "フォルダは開けません。";
inline constexpr char kTextFileNotPermitted[] = "読み取りが許可されていません。";
inline constexpr char kTextFileNotReadable[] = "読み取り用に開けませんでした。";
inline constexpr char kTextNoDisplay[] =
    "ravelo2: 画面に接続できません。DISPLAY または WAYLAND_DISPLAY を確かめてください。";
inline constexpr char kTextUsage[] = "使い方: ravelo2 [ファイル]";
inline constexpr char kTextUnknownOption[] = "ravelo2: 不明なオプションです: %1";
inline constexpr char kTextTooManyArguments[] = "ravelo2: 引数が多すぎます: %1";

// The game's own settings file, kept while "remember" is on; each problem is one line on standard
// error, and the game goes on.
inline constexpr char kTextSettingsUnreadable[] =
    "ravelo2: 設定ファイル「%1」を読めないため、既定の設定で始めます。";
inline constexpr char kTextSettingsBroken[] =
    "ravelo2: 設定ファイル「%1」には読めない行があるため、読めた値だけを使います。";
inline constexpr char kTextSettingsBadValue[] =
    "ravelo2: 設定ファイル「%1」の %2 の値「%3」は使えないため、既定の値を使います。";
inline constexpr char kTextSettingsCannotSave[] =
    "ravelo2: 設定ファイル「%1」に書き込めないため、今の設定は次の起動に残りません。";
inline constexpr char kTextSettingsCannotRemove[] =
    "ravelo2: 設定ファイル「%1」を削除できないため、次の起動でもその設定が読まれます。";

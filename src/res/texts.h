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

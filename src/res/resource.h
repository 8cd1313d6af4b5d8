#pragma once

// Numbers of the program's resources and commands. Pictures, cursor and icon keep the numbers
// they are known by in the menus and the appearance tables; commands and strings share ids, so
// that a command's status-bar prompt is the string with the command's own number.

// Pictures, cursor, icon and the menu/accelerator set of the main window.
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDC_PICK = 138;
inline constexpr int IDB_MARBLE_YELLOW = 139;
inline constexpr int IDB_MARBLE_GREEN = 140;
inline constexpr int IDB_MARBLE_MASK = 141;
inline constexpr int IDB_MARBLE_RED = 142;
inline constexpr int IDB_MARBLE_PURPLE = 143;
inline constexpr int IDB_MARBLE_AQUA = 144;
inline constexpr int IDB_MARBLE_BLUE = 145;
inline constexpr int IDB_BOARD_DARK_MONO = 152;
inline constexpr int IDB_BOARD_LIGHT_WOOD = 153;
inline constexpr int IDB_BOARD_RED = 154;
inline constexpr int IDB_BOARD_PALE_BLUE = 155;
inline constexpr int IDB_BOARD_LIGHT_MONO = 156;
inline constexpr int IDB_BOARD_DARK_WOOD = 157;

// Think levels.
inline constexpr int ID_LEVEL_1 = 32771;
inline constexpr int ID_LEVEL_2 = 32772;
inline constexpr int ID_LEVEL_3 = 32773;
inline constexpr int ID_LEVEL_4 = 32774;

// Game commands.
inline constexpr int ID_GAME_NEW_FIRST = 32775;
inline constexpr int ID_GAME_NEW_SECOND = 32776;
inline constexpr int ID_GAME_TAKEBACK = 32777;
inline constexpr int ID_HELP_RULES = 32778;

// Marble colours.
inline constexpr int ID_MARBLE_RED = 32779;
inline constexpr int ID_MARBLE_BLUE = 32780;
inline constexpr int ID_MARBLE_YELLOW = 32781;
inline constexpr int ID_MARBLE_GREEN = 32782;
inline constexpr int ID_MARBLE_AQUA = 32783;
inline constexpr int ID_MARBLE_PURPLE = 32784;

// Board pictures.
inline constexpr int ID_BOARD_DARK_MONO = 32785;
inline constexpr int ID_BOARD_LIGHT_WOOD = 32786;
inline constexpr int ID_BOARD_RED = 32787;
inline constexpr int ID_BOARD_PALE_BLUE = 32788;
inline constexpr int ID_BOARD_LIGHT_MONO = 32789;
inline constexpr int ID_BOARD_DARK_WOOD = 32790;

// The options menu: a modern way to play, each choice off until the player turns it on.
inline constexpr int ID_OPTION_ANIMATE = 32791;
inline constexpr int ID_OPTION_KEEP_MARK = 32792;
inline constexpr int ID_OPTION_COUNTS = 32793;
inline constexpr int ID_OPTION_RESIZABLE = 32794;
inline constexpr int ID_OPTION_QUIET = 32795;
inline constexpr int ID_HINT = 32796;
inline constexpr int ID_OPTION_REMEMBER = 32797;

// Standard commands of the application shell.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP = 57670;

// Keys that the accelerator table carries but nothing in this game handles: the edit commands
// and the pane switches (the view has no panes).
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;

// The about box.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDC_STATIC = -1;

// Strings of the shell and the status bar.
inline constexpr int AFX_IDS_APP_TITLE = 57344;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;
inline constexpr int ID_SEPARATOR = 0;
inline constexpr int ID_INDICATOR_TURN = 59143;
inline constexpr int ID_INDICATOR_PROGRESS = 59144;

// Prompts of the window's system menu.
inline constexpr int AFX_IDS_SCSIZE = 61184;
inline constexpr int AFX_IDS_SCMOVE = 61185;
inline constexpr int AFX_IDS_SCMINIMIZE = 61186;
inline constexpr int AFX_IDS_SCMAXIMIZE = 61187;
inline constexpr int AFX_IDS_SCCLOSE = 61190;
inline constexpr int AFX_IDS_SCRESTORE = 61202;

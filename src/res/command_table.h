#pragma once

#include <span>
#include <vector>

// The game's commands as one list: from it the menu bar, the status-bar prompts, the keys and the
// route of every command are made.

// Who carries a command out. The route runs view, document, frame, application; a command that
// nobody carries out (the edit keys, the pane keys) is disabled and does nothing.
enum class CommandOwner { kNobody, kView, kDocument, kFrame, kApplication };

// Whether the owner's update handler is asked before a popup opens and before the command runs
// (it may disable the command and set its check mark), or the command is simply enabled.
enum class UpdateRule { kAlways, kAsked };

struct CommandInfo {
    int nId;
    CommandOwner nOwner;
    UpdateRule nUpdate;
    int nPopup;            // the menu that carries it (index into Popups()), -1 for a key only
    bool bSeparatorBefore; // a separator stands above its item
    const char* pszText;   // the menu item with its '&' mnemonic; null for a key only
    const char* pszString; // the prompt, then after a line feed a short name; null for none
};

// A popup of the menu bar; MFT_ flags put the help popup at the bar's right end.
struct PopupInfo {
    const char* pszTitle;
    unsigned nType;
};
inline constexpr unsigned MFT_RIGHTORDER = 0x2000;
inline constexpr unsigned MFT_RIGHTJUSTIFY = 0x4000;

std::span<const PopupInfo> Popups();

// Every command, the menu items in menu order (popup by popup), then those that only a key
// reaches.
const std::vector<CommandInfo>& Commands();
const CommandInfo* FindCommand(int nId);

// The keys of the main window, in table order. A command may have several keys.
struct AcceleratorItem {
    const char* pszKey; // portable key-sequence text
    int nId;
};
std::span<const AcceleratorItem> MainAccelerators();

#pragma once

#include <span>

// The board pictures and marble colours that the player can choose, each in the order of its
// menu. A row is all the game needs of a choice: its command, its menu text and prompt, the
// picture it loads, and the index that marks the current choice in the menu. A new marble colour
// is a row here and a style in the picture generator (tools/picture_gen), which draws the file.
struct Appearance {
    enum Kind { kBoard, kMarble };
    Kind nKind;
    int nId;                // the command
    const char* pszName;    // the command's handler, as the game's documents name it
    int nIndex;             // the index stored when chosen, which places the check mark
    int nBitmapId;          // the picture's number
    const char* pszPicture; // the picture's file, as the generator names it
    const char* pszText;    // the menu item
    const char* pszPrompt;  // what status pane 0 says while the item is highlighted
};

// Boards first, then marbles, each kind in its menu's order.
std::span<const Appearance> Appearances();

// The row of a command or of a picture number; null for none.
const Appearance* FindAppearance(int nId);
const Appearance* FindAppearanceOfBitmap(int nBitmapId);

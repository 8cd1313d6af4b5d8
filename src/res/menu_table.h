#pragma once

#include <cstddef>
#include <span>

// The menu bar of the main window as one flat template, in menu order: a popup line opens a
// popup that takes every following item up to the next popup line.
struct MenuTemplateItem {
    enum Kind { kPopup, kItem, kSeparator };
    Kind nKind;
    int nId;             // command id of an item; 0 for popups and separators
    const char* pszText; // label with its '&' mnemonic; null for separators
    const char* pszKey;  // shortcut in portable key-sequence text, or null
};

std::span<const MenuTemplateItem> MainMenuTemplate();

// The label a command carries in the main menu, or null when no menu item carries it.
const char* MenuTextOf(int nId);

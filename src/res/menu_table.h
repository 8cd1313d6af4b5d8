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
    unsigned nType;      // MFT_ flags of a popup; 0 for everything else
};

// A popup that stands at the right end of the menu bar, with every popup after it; its
// submenus would cascade to the left.
inline constexpr unsigned MFT_RIGHTORDER = 0x2000;
inline constexpr unsigned MFT_RIGHTJUSTIFY = 0x4000;

std::span<const MenuTemplateItem> MainMenuTemplate();

// The keys of the main window, in table order. A command may have several keys; the file
// commands reach the document and the application, the edit and pane keys reach nobody and so
// do nothing.
struct AcceleratorItem {
    const char* pszKey; // portable key-sequence text
    int nId;
};

std::span<const AcceleratorItem> MainAccelerators();

// The label a command carries in the main menu, or null when no menu item carries it.
const char* MenuTextOf(int nId);

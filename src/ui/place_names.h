#pragma once

class QString;

// What a place of the board is called when the player asks what lies in it (the tooltip, the
// screen reader): its name and its marbles. Pits are numbered 1 to 6 from the left of the screen
// in both rows, as the keys that sow them are.
QString PlaceName(int nRow, int nIndex, int nCount);
// A pit's name alone, as the tooltips begin: "あなたの箱 3", "コンピュータの箱 1".
QString PitName(int nRow, int nIndex);

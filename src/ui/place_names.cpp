#include "ui/place_names.h"

#include "res/texts.h"

#include <QString>

QString PitName(int nRow, int nIndex) {
    // The computer's pits run from right to left on the screen.
    const int nNumber = nRow == 0 ? nIndex + 1 : 6 - nIndex;
    return QString::fromUtf8(nRow == 0 ? kTextUserPitName : kTextComputerPitName).arg(nNumber);
}

QString PlaceName(int nRow, int nIndex, int nCount) {
    if (nIndex == 6) {
        return QString::fromUtf8(nRow == 0 ? kTextUserStore : kTextComputerStore).arg(nCount);
    }
    return QString::fromUtf8(kTextPitWithMarbles).arg(PitName(nRow, nIndex)).arg(nCount);
}

#pragma once

#include <QDialog>

class QRect;

// The about box: the program's icon, its version and copyright, a word to read the
// documentation first, and an OK button that Enter and Esc also press. Laid out in dialog units
// of its 9-point font, like the game's other fixed layouts.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

    int DoModal() { return exec(); }

    // Dialog units to pixels: a horizontal unit is a quarter of the font's average character
    // width, a vertical unit an eighth of its character height.
    QRect MapDialogRect(const QRect& units) const;

private:
    int m_nBaseUnitX = 0;
    int m_nBaseUnitY = 0;
};

// The board pictures and marble colours: a choice takes effect at once, in any state of the
// game, and lasts until the program ends.

#include "view/ravelo2_view.h"

#include "ui/pictures.h"

void CRavelo2View::OnAppearance(const Appearance& look) {
    const bool bBoard = look.nKind == Appearance::kBoard;
    // Choosing the current picture again loads it again and repaints, which takes away a
    // last-move marker on the screen.
    LoadBitmapInto(bBoard ? g_bmpBoard : g_bmpMarble, look.nBitmapId);
    (bBoard ? m_nBoardStyle : m_nMarbleColor) = look.nIndex;
    Invalidate();
}

void CRavelo2View::OnUpdateAppearance(CCmdUI* pCmdUI, const Appearance& look) const {
    const int nCurrent = look.nKind == Appearance::kBoard ? m_nBoardStyle : m_nMarbleColor;
    pCmdUI->SetCheck(nCurrent == look.nIndex);
}

// The board pictures and marble colours: a choice takes effect at once, in any state of the
// game, and lasts until the program ends.

#include "view/ravelo2_view.h"

#include "res/resource.h"
#include "ui/pictures.h"

void CRavelo2View::SetBoardPicture(int nBitmapId, int nStyle) {
    LoadBitmapInto(g_bmpBoard, nBitmapId);
    m_nBoardStyle = nStyle;
    Invalidate();
}

void CRavelo2View::SetMarblePicture(int nBitmapId, int nColor) {
    LoadBitmapInto(g_bmpMarble, nBitmapId);
    m_nMarbleColor = nColor;
    Invalidate();
}

// A board's index is its command id less the first board command; a marble's index is fixed
// by its own table and follows neither the menu nor the ids.
void CRavelo2View::OnBoardDarkMono() {
    SetBoardPicture(IDB_BOARD_DARK_MONO, 0);
}
void CRavelo2View::OnBoardLightWood() {
    SetBoardPicture(IDB_BOARD_LIGHT_WOOD, 1);
}
void CRavelo2View::OnBoardRed() {
    SetBoardPicture(IDB_BOARD_RED, 2);
}
void CRavelo2View::OnBoardPaleBlue() {
    SetBoardPicture(IDB_BOARD_PALE_BLUE, 3);
}
void CRavelo2View::OnBoardLightMono() {
    SetBoardPicture(IDB_BOARD_LIGHT_MONO, 4);
}
void CRavelo2View::OnBoardDarkWood() {
    SetBoardPicture(IDB_BOARD_DARK_WOOD, 5);
}

void CRavelo2View::OnMarbleRed() {
    SetMarblePicture(IDB_MARBLE_RED, 0);
}
void CRavelo2View::OnMarbleYellow() {
    SetMarblePicture(IDB_MARBLE_YELLOW, 1);
}
void CRavelo2View::OnMarbleBlue() {
    SetMarblePicture(IDB_MARBLE_BLUE, 2);
}
void CRavelo2View::OnMarbleGreen() {
    SetMarblePicture(IDB_MARBLE_GREEN, 3);
}
void CRavelo2View::OnMarbleAqua() {
    SetMarblePicture(IDB_MARBLE_AQUA, 4);
}
void CRavelo2View::OnMarblePurple() {
    SetMarblePicture(IDB_MARBLE_PURPLE, 5);
}

void CRavelo2View::OnUpdateBoardDarkMono(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nBoardStyle == 0);
}
void CRavelo2View::OnUpdateBoardLightWood(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nBoardStyle == 1);
}
void CRavelo2View::OnUpdateBoardRed(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nBoardStyle == 2);
}
void CRavelo2View::OnUpdateBoardPaleBlue(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nBoardStyle == 3);
}
void CRavelo2View::OnUpdateBoardLightMono(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nBoardStyle == 4);
}
void CRavelo2View::OnUpdateBoardDarkWood(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nBoardStyle == 5);
}

void CRavelo2View::OnUpdateMarbleRed(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nMarbleColor == 0);
}
void CRavelo2View::OnUpdateMarbleYellow(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nMarbleColor == 1);
}
void CRavelo2View::OnUpdateMarbleBlue(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nMarbleColor == 2);
}
void CRavelo2View::OnUpdateMarbleGreen(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nMarbleColor == 3);
}
void CRavelo2View::OnUpdateMarbleAqua(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nMarbleColor == 4);
}
void CRavelo2View::OnUpdateMarblePurple(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_nMarbleColor == 5);
}

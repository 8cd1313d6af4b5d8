// The game commands: new games, take-back and the think level, with their menu states.

#include "view/ravelo2_view.h"

#include "res/texts.h"
#include "ui/message_box.h"

void CRavelo2View::OnNewGameFirst() {
    NewGame(true);
}

void CRavelo2View::OnNewGameSecond() {
    NewGame(false);
}

void CRavelo2View::NewGame(bool bUserFirst) {
    // The question comes first in every state; the timer goes on while it is open, so the
    // computer's move may be shown, or the game may end, before the answer.
    if (AfxMessageBox(QString::fromUtf8(kTextAskNewGame), MB_OKCANCEL | MB_ICONQUESTION) ==
        IDCANCEL)
        return;
    // The abandoned move is never shown: the search stops and the thread ends before the board
    // is set up again; so does a hint, and a sowing being shown ends where it is.
    StopHint();
    ClearHint();
    EndAnimation(false);
    if (ComputerPending())
        StopWorker();
    m_nComputerPit = -1;
    m_bShowLastMove = false;
    m_board.SetUserTurn(bUserFirst);
    m_board.NewGame();
    m_player.NewGame();
    m_computerPits.clear();
    Invalidate();
    SetTurnState(bUserFirst ? TurnState::UserToMove : TurnState::ComputerToStart);
}

void CRavelo2View::OnTakeBack() {
    if (!m_board.IsRunning())
        return;
    StopHint();
    EndAnimation(true);
    if (!m_board.TakeBack()) {
        AfxMessageBox(QString::fromUtf8(kTextCannotTakeBack));
        return;
    }
    // Undoing the computer's opening moves of a game it began gives it the move again.
    ClearHint();
    m_computerPits.clear(); // the computer's moves are undone
    if (m_options.bKeepMark)
        m_bShowLastMove = false;
    Invalidate();
    SetTurnState(StateOfTurn());
}

void CRavelo2View::OnUpdateTakeBack(CCmdUI* pCmdUI) const {
    pCmdUI->Enable(m_board.HasHistory() && UserMayAct() && m_board.IsRunning());
}

void CRavelo2View::OnLevel(int nLevel) {
    m_player.SetLevel(nLevel);
}

void CRavelo2View::OnUpdateLevel(CCmdUI* pCmdUI, int nLevel) const {
    pCmdUI->Enable(UserMayAct());
    pCmdUI->SetCheck(m_player.GetLevel() == nLevel);
}

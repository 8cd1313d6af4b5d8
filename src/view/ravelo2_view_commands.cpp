// The game commands: new games, take-back and the think level, with their menu states.

#include "view/ravelo2_view.h"

#include "res/texts.h"
#include "ui/message_box.h"
#include "ui/wait_cursor.h"

void CRavelo2View::OnNewGameFirst() {
    NewGame(1);
}

void CRavelo2View::OnNewGameSecond() {
    NewGame(0);
}

void CRavelo2View::NewGame(int bUserFirst) {
    // The question comes first in every state; the timer goes on while it is open, so the
    // computer's move may be shown, or the game may end, before the answer.
    if (AfxMessageBox(QString::fromUtf8(kTextAskNewGame), MB_OKCANCEL | MB_ICONQUESTION) ==
        IDCANCEL)
        return;
    if (m_bComputerPending) {
        // The abandoned move is never applied or shown: the search stops and the thread ends
        // before the board is set up again.
        StopWorker();
        EndWaitCursor();
    }
    m_bShowLastMove = 0;
    m_bComputerPending = 0;
    m_board.SetUserTurn(bUserFirst);
    m_board.NewGame();
    m_bUserMayAct = bUserFirst;
    m_computerPits.clear();
    Invalidate();
    AnnounceTurn();
}

void CRavelo2View::OnTakeBack() {
    if (!m_board.IsRunning())
        return;
    if (!m_board.TakeBack()) {
        AfxMessageBox(QString::fromUtf8(kTextCannotTakeBack));
        return;
    }
    // Undoing the computer's opening moves of a game it began gives it the move again.
    m_bUserMayAct = m_board.IsUserTurn();
    m_computerPits.clear(); // the computer's moves are undone
    Invalidate();
    AnnounceTurn();
}

void CRavelo2View::OnUpdateTakeBack(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_board.HasHistory() && m_bUserMayAct && m_board.IsRunning());
}

void CRavelo2View::OnLevel(int nLevel) {
    m_board.SetLevel(nLevel);
}

void CRavelo2View::OnUpdateLevel(CCmdUI* pCmdUI, int nLevel) {
    pCmdUI->Enable(m_bUserMayAct);
    pCmdUI->SetCheck(m_board.GetLevel() == nLevel);
}

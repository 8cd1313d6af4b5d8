// The turn controller: the user's click, the computer's move on its worker thread, the timer
// that shows that move, and the end of the game.

#include "view/ravelo2_view.h"

#include "res/resource.h"
#include "res/texts.h"
#include "ui/board_geometry.h"
#include "ui/message_box.h"
#include "ui/pictures.h"
#include "ui/wait_cursor.h"
#include "view/board_accessible.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimerEvent>

#include <atomic>
#include <system_error>
#include <utility>

namespace {

std::atomic<CRavelo2View::WorkerHook> g_pfnWorkerHook{nullptr};

constexpr int kTimerPeriodMs = 800;
constexpr int kClickSlop2 = 25; // a release counts as a click within 5 pixels on each axis

} // namespace

CRavelo2View::CRavelo2View(QWidget* pParent) : QWidget(pParent) {
    setFixedSize(kBoardWidth, kBoardHeight);
    // Every paint covers the whole board area, so nothing needs erasing first: no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The keys play the board: it takes the keyboard when the window opens.
    setFocusPolicy(Qt::StrongFocus);
    CBoardAccessible::InstallFactory();
    m_hintPlayer.SetLevel(4);
    m_hintPlayer.NewGame();
}

CRavelo2View::~CRavelo2View() {
    // A computer move or a hint in progress is abandoned: stop the search and wait for the
    // thread, which then touches nothing of the view's.
    StopHint();
    EndAnimation(false);
    StopWorker();
    if (ComputerPending())
        EndWaitCursor();
}

int CRavelo2View::OnCreate() {
    m_board.NewGame();
    m_player.NewGame();
    m_bShowLastMove = false;
    m_player.SetLevel(1);
    m_nTurnState = TurnState::UserToMove;
    m_nMarbleColor = 1;
    m_nBoardStyle = 1;
    // The screen reader starts from the first position.
    AnnounceShownPosition();
    AnnounceTurn();
    m_nTimerId = startTimer(kTimerPeriodMs);
    return m_nTimerId != 0 ? 0 : -1;
}

void CRavelo2View::SetTurnState(TurnState state) {
    // The busy cursor shows exactly while a computer move is under way.
    const bool bWasPending = ComputerPending();
    m_nTurnState = state;
    if (ComputerPending() && !bWasPending)
        BeginWaitCursor();
    if (!ComputerPending() && bWasPending)
        EndWaitCursor();
    AnnounceTurn();
}

CRavelo2View::TurnState CRavelo2View::StateOfTurn() const {
    if (!m_board.IsRunning())
        return TurnState::GameOver;
    return m_board.IsUserTurn() ? TurnState::UserToMove : TurnState::ComputerToStart;
}

void CRavelo2View::OnLButtonDown(int x, int y) {
    // A click while a sowing is shown only ends it.
    if (IsAnimating()) {
        EndAnimation(true);
        m_bSwallowRelease = true;
        return;
    }
    if (UserMayAct() && m_board.IsUserTurn()) {
        m_nDownX = x;
        m_nDownY = y;
    }
}

void CRavelo2View::OnLButtonUp(int x, int y) {
    if (std::exchange(m_bSwallowRelease, false))
        return;
    if (IsAnimating()) {
        EndAnimation(true);
        return;
    }
    if (!UserMayPlay())
        return;
    const long long dx = static_cast<long long>(m_nDownX) - x;
    const long long dy = static_cast<long long>(m_nDownY) - y;
    if (dx * dx > kClickSlop2 || dy * dy > kClickSlop2)
        return;

    int nPit = -1;
    int nRow = 0;
    HitTestPit(x, y, nPit, nRow);
    PlayUserPit(nPit);
}

bool CRavelo2View::UserMayPlay() const {
    return UserMayAct() && m_board.IsRunning() && m_board.IsUserTurn();
}

void CRavelo2View::OnKeyPit(int nPit) {
    if (IsAnimating())
        EndAnimation(true);
    else if (UserMayPlay())
        PlayUserPit(nPit);
}

void CRavelo2View::PlayUserPit(int nPit) {
    if (nPit < 0 || !m_board.UserMove(nPit)) {
        Refuse();
        return;
    }
    // A hint still thinking is stopped before anything else; its answer is old news.
    StopHint();
    ClearHint();
    m_computerPits.clear(); // the user has answered the computer's moves
    if (g_hcurArrow)
        setCursor(*g_hcurArrow);
    if (m_board.IsSideEmpty(kSideUser))
        m_board.SetRunning(false);
    ShowSowing(kUserRow, nPit);
    if (!m_board.IsRunning()) {
        m_board.SetUserTurn(true);
        SetTurnState(TurnState::GameOver);
        AfterSowing([] { AfxMessageBox(QString::fromUtf8(kTextYouWin)); });
        return;
    }
    if (m_board.IsUserTurn()) {
        SetTurnState(TurnState::UserToMove); // another move: the last marble reached the store
        return;
    }
    StartComputerMove();
}

void CRavelo2View::StartComputerMove() {
    SetTurnState(TurnState::ComputerThinking);
    // The user's move is on the screen before the computer starts to think.
    UpdateWindow();
    m_player.ClearStop();
    try {
        m_worker.Start(m_player, m_board, [](CComputerPlayer& player, CGameBoard& board) {
            return ComputerThreadProc(&player, &board);
        });
    } catch (const std::system_error&) {
        // No thread: the next tick shows the unchanged position as the computer's move and the
        // tick after that tries again.
        m_nComputerPit = -1;
        SetTurnState(TurnState::ComputerMoveReady);
    }
}

int CRavelo2View::ComputerThreadProc(CComputerPlayer* pPlayer, CGameBoard* pBoard) {
    if (const WorkerHook pfnHook = g_pfnWorkerHook.load())
        pfnHook(pPlayer);
    return pPlayer->ThinkAndMove(*pBoard);
}

void CRavelo2View::OnTimer() {
    UpdateProgressPane();
    switch (m_nTurnState) {
    case TurnState::UserToMove:
    case TurnState::GameOver:
        return;
    case TurnState::ComputerThinking:
        if (m_worker.IsRunning()) {
            RestoreWaitCursor();
            return;
        }
        m_nComputerPit = m_worker.Join();
        SetTurnState(TurnState::ComputerMoveReady);
        [[fallthrough]];
    case TurnState::ComputerMoveReady:
        // The user's sowing is shown whole first; the computer's own is shown until its end.
        if (!IsAnimating())
            ShowComputerMove();
        return;
    case TurnState::ComputerToStart:
        StartComputerMove();
        return;
    }
}

void CRavelo2View::ShowComputerMove() {
    // The worker played its pit on its own copy; the same move is made here, where the window
    // shows it.
    const int nPit = std::exchange(m_nComputerPit, -1);
    if (nPit >= 0) {
        m_board.ApplyMove(nPit, kComputerRow);
        m_computerPits.push_back(nPit);
        ShowSowing(kComputerRow, nPit);
    } else {
        m_board.PublishCounts(); // no move could be made: the unchanged position is shown
    }
    AfterSowing([this] { FinishComputerMove(); });
}

void CRavelo2View::FinishComputerMove() {
    // The marker comes with the sowing's last frame.
    m_bShowLastMove = true;
    if (m_board.IsSideEmpty(kSideComputer))
        m_board.SetRunning(false);
    Invalidate();
    if (!m_board.IsRunning()) {
        m_board.SetUserTurn(true);
        SetTurnState(TurnState::GameOver);
        AfxMessageBox(QString::fromUtf8(kTextYouLose));
        return;
    }
    SetTurnState(StateOfTurn());
}

void CRavelo2View::StopWorker() {
    if (m_worker.IsRunning())
        m_player.RequestStop();
    m_worker.Join();
    m_player.ClearStop();
}

void CRavelo2View::WaitForWorkerForTest() {
    while (m_worker.IsRunning())
        std::this_thread::yield();
}

void CRavelo2View::KillTimerForTest() {
    if (m_nTimerId != 0)
        killTimer(m_nTimerId);
    m_nTimerId = 0;
}

void CRavelo2View::SetWorkerHookForTest(WorkerHook pfnHook) {
    g_pfnWorkerHook.store(pfnHook);
}

void CRavelo2View::mousePressEvent(QMouseEvent* pEvent) {
    if (pEvent->button() == Qt::LeftButton) {
        const QPoint point = BoardPoint(pEvent->position());
        OnLButtonDown(point.x(), point.y());
    }
}

void CRavelo2View::mouseReleaseEvent(QMouseEvent* pEvent) {
    if (pEvent->button() == Qt::LeftButton) {
        const QPoint point = BoardPoint(pEvent->position());
        OnLButtonUp(point.x(), point.y());
    }
}

void CRavelo2View::timerEvent(QTimerEvent* pEvent) {
    if (pEvent->timerId() == m_animationTimer.timerId())
        StepAnimation();
    else if (pEvent->timerId() == m_hintTimer.timerId())
        PollHint();
    else
        OnTimer();
}

int CRavelo2View::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    if (const Appearance* pLook = FindAppearance(nID)) {
        pCmdUI ? OnUpdateAppearance(pCmdUI, *pLook) : OnAppearance(*pLook);
        return 1;
    }
    if (nID >= ID_LEVEL_1 && nID <= ID_LEVEL_4) {
        const int nLevel = nID - ID_LEVEL_1 + 1;
        pCmdUI ? OnUpdateLevel(pCmdUI, nLevel) : OnLevel(nLevel);
        return 1;
    }
    switch (nID) {
    case ID_OPTION_ANIMATE:
    case ID_OPTION_KEEP_MARK:
    case ID_OPTION_COUNTS:
    case ID_OPTION_QUIET:
        pCmdUI ? OnUpdateOption(pCmdUI, nID) : OnOption(nID);
        return 1;
    case ID_HINT:
        pCmdUI ? OnUpdateHint(pCmdUI) : OnHint();
        return 1;
    case ID_GAME_NEW_FIRST:
        if (!pCmdUI)
            OnNewGameFirst();
        return 1;
    case ID_GAME_NEW_SECOND:
        if (!pCmdUI)
            OnNewGameSecond();
        return 1;
    case ID_GAME_TAKEBACK:
        pCmdUI ? OnUpdateTakeBack(pCmdUI) : OnTakeBack();
        return 1;
    default:
        return 0;
    }
}

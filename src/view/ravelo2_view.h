#pragma once

#include "rules/game_board.h"
#include "ui/cmd_ui.h"
#include "view/computer_thread.h"

#include <QWidget>
#include <memory>
#include <vector>

class QPainter;

// The view that runs the game: it owns the board, takes the user's clicks as moves, lets the
// computer answer on a worker thread that an 800 ms timer polls, draws the board and writes the
// status panes, and handles the game, level and appearance commands.
class CRavelo2View : public QWidget, public CCmdTarget {
public:
    explicit CRavelo2View(QWidget* pParent = nullptr);
    ~CRavelo2View() override;

    // --- turn controller ---------------------------------------------------------------------
    // Sets up the first game and the timer; -1 when the view cannot run (no timer).
    int OnCreate();
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    // The user's pit chosen by a key or by the screen reader's press: the gate and the refusals
    // of a click.
    void OnKeyPit(int nPit);
    void OnTimer();
    static void ComputerThreadProc(CGameBoard* pBoard);

    // --- drawing and pointer -----------------------------------------------------------------
    void OnDraw(QPainter* pDC);
    // What status pane 1 says: whose turn it is, or that the game is over.
    QString TurnText() const;
    // What the screen reader reads as the board's description: the turn text, and after the
    // computer's moves the pits it played since the user's last move.
    QString BoardDescription() const;
    // The pits the computer played since the user's last move, as the user's pits describe
    // them; empty before the computer's first move is shown.
    QString ComputerPitsText() const;
    void UpdateProgressPane();
    void OnMouseMove(int x, int y);

    // --- game commands -----------------------------------------------------------------------
    void OnNewGameFirst();
    void OnNewGameSecond();
    void OnTakeBack();
    void OnUpdateTakeBack(CCmdUI* pCmdUI);
    void OnLevel1() { OnLevel(1); }
    void OnLevel2() { OnLevel(2); }
    void OnLevel3() { OnLevel(3); }
    void OnLevel4() { OnLevel(4); }
    void OnUpdateLevel1(CCmdUI* pCmdUI) { OnUpdateLevel(pCmdUI, 1); }
    void OnUpdateLevel2(CCmdUI* pCmdUI) { OnUpdateLevel(pCmdUI, 2); }
    void OnUpdateLevel3(CCmdUI* pCmdUI) { OnUpdateLevel(pCmdUI, 3); }
    void OnUpdateLevel4(CCmdUI* pCmdUI) { OnUpdateLevel(pCmdUI, 4); }

    // --- appearance commands -----------------------------------------------------------------
    void OnBoardDarkMono();
    void OnBoardLightWood();
    void OnBoardRed();
    void OnBoardPaleBlue();
    void OnBoardLightMono();
    void OnBoardDarkWood();
    void OnMarbleRed();
    void OnMarbleBlue();
    void OnMarbleYellow();
    void OnMarbleGreen();
    void OnMarbleAqua();
    void OnMarblePurple();
    void OnUpdateBoardDarkMono(CCmdUI* pCmdUI);
    void OnUpdateBoardLightWood(CCmdUI* pCmdUI);
    void OnUpdateBoardRed(CCmdUI* pCmdUI);
    void OnUpdateBoardPaleBlue(CCmdUI* pCmdUI);
    void OnUpdateBoardLightMono(CCmdUI* pCmdUI);
    void OnUpdateBoardDarkWood(CCmdUI* pCmdUI);
    void OnUpdateMarbleRed(CCmdUI* pCmdUI);
    void OnUpdateMarbleBlue(CCmdUI* pCmdUI);
    void OnUpdateMarbleYellow(CCmdUI* pCmdUI);
    void OnUpdateMarbleGreen(CCmdUI* pCmdUI);
    void OnUpdateMarbleAqua(CCmdUI* pCmdUI);
    void OnUpdateMarblePurple(CCmdUI* pCmdUI);

    int OnCmdMsg(int nID, CCmdUI* pCmdUI) override;

    // --- state, read by the frame and the tests ----------------------------------------------
    CGameBoard& Board() { return m_board; }
    const CGameBoard& Board() const { return m_board; }
    int UserMayAct() const { return m_bUserMayAct; }
    int ComputerPending() const { return m_bComputerPending; }
    int ShowLastMove() const { return m_bShowLastMove; }
    int BoardStyle() const { return m_nBoardStyle; }
    int MarbleColor() const { return m_nMarbleColor; }
    int IsWorkerRunning() const { return m_pWorker && m_pWorker->IsRunning(); }
    int HasWorker() const { return m_pWorker != nullptr; }

    // The text of the tooltip that is open, or an empty string.
    QString ToolTipText() const;
    // The user's pit that holds the keyboard focus, -1 before a key has moved it.
    int KeyPit() const { return m_nKeyPit; }

    // Test hooks: wait for the worker to end on its own; stop the real 800 ms timer so that only
    // the test's calls of OnTimer step the controller; run a procedure on the worker before it
    // thinks (a test holds the worker there).
    void WaitForWorkerForTest();
    void KillTimerForTest();
    using WorkerHook = void (*)(CGameBoard* pBoard);
    static void SetWorkerHookForTest(WorkerHook pfnHook);

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    // The logical pixel that a pointer position lies in.
    static QPoint LogicalPoint(const QPointF& position);
    void ShowPlaceTip();
    // The user may play a pit now: the user's turn in a running game, no computer move pending.
    int UserMayPlay() const;
    // Plays the user's pit, -1 for none; a refusal says so in a box.
    void PlayUserPit(int nPit);
    void MoveKeyFocus(int nPit);
    void DrawKeyFocus(QPainter* pDC) const;
    // Tells the screen reader which places changed since it was last told.
    void AnnounceShownPosition();
    // Tells the screen reader the board's description once the turn has settled, if it changed.
    void AnnounceTurn();
    void StartComputerMove();
    void StopWorker();
    void NewGame(int bUserFirst);
    void OnLevel(int nLevel);
    void OnUpdateLevel(CCmdUI* pCmdUI, int nLevel);
    void SetBoardPicture(int nBitmapId, int nStyle);
    void SetMarblePicture(int nBitmapId, int nColor);
    // Asks for a repaint of the whole board, without erasing: the paint covers every pixel.
    void Invalidate();
    // Paints at once if a repaint is due, so the user sees the move before the computer thinks.
    void UpdateWindow();

    int m_nBoardStyle = 1;
    int m_nMarbleColor = 1;
    int m_bComputerPending = 0;
    std::unique_ptr<CComputerThread> m_pWorker;
    int m_bUserMayAct = 1;
    // No release can lie within 5 pixels of this before the first accepted press.
    int m_nDownY = -1000;
    int m_nDownX = -1000;
    int m_bShowLastMove = 0;
    CGameBoard m_board;

    int m_nTimerId = 0;
    int m_bPaintPending = 0;
    // The place whose tooltip was last asked for (row -1: none), and where it was asked.
    int m_nTipRow = -1;
    int m_nTipIndex = 0;
    QPoint m_tipPos;
    // The keyboard's pit, drawn only once a key has moved it; a click leaves it where it is.
    int m_nKeyPit = -1;
    // The position the screen reader was last told of, and whose turn.
    std::int32_t m_nAnnounced[2][kPlaces] = {};
    QString m_announcedDescription;
    // The computer's pits shown since the user's last move, oldest first.
    std::vector<int> m_computerPits;
};

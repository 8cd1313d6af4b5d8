#pragma once

#include "ai/computer_player.h"
#include "res/appearance_table.h"
#include "rules/game_board.h"
#include "ui/cmd_ui.h"
#include "ui/sowing_animation.h"
#include "view/computer_thread.h"

#include <QBasicTimer>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;

// The view that runs the game: it owns the board and the computer player, takes the user's
// clicks and keys as moves, lets the computer think on a worker thread that an 800 ms timer
// polls, draws the board and writes the status panes, and handles the game, level, appearance
// and option commands and the hint.
class CRavelo2View : public QWidget, public CCmdTarget {
public:
    // Where the turn stands. Every change goes through SetTurnState, which also sets what follows
    // from the state: the busy cursor and what the screen reader is told; the status panes and
    // the menus read the state when they are drawn.
    enum class TurnState {
        UserToMove,        // the user may move
        ComputerThinking,  // the worker thread is choosing the computer's move
        ComputerMoveReady, // its move waits to be shown at the next tick
        ComputerToStart,   // the computer has the move; the next tick starts its worker
        GameOver,          // a side has emptied its pits; only a new game goes on
    };

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
    // What the worker thread runs: the player's move on the worker's own copy of the board.
    static int ComputerThreadProc(CComputerPlayer* pPlayer, CGameBoard* pBoard);

    // --- drawing and pointer -----------------------------------------------------------------
    void OnDraw(QPainter* pDC);
    // What status pane 1 says: whose turn it is, or that the game is over.
    QString TurnText() const;
    // What status pane 2 says: the computer's progress while it has the move, else "---％".
    QString ProgressText() const;
    void UpdateProgressPane();
    void OnMouseMove(int x, int y);
    // What the screen reader reads as the board's description: the turn text, and after the
    // computer's moves the pits it played since the user's last move.
    QString BoardDescription() const;
    // The pits the computer played since the user's last move; empty before the computer's
    // first move is shown.
    QString ComputerPitsText() const;
    // What a user's pit says besides its name: the computer's pits since the user's last move,
    // and the hint when it names this pit.
    QString PitDescription(int nPit) const;

    // --- game commands -----------------------------------------------------------------------
    void OnNewGameFirst();
    void OnNewGameSecond();
    void OnTakeBack();
    void OnUpdateTakeBack(CCmdUI* pCmdUI) const;

    // --- options: a modern way to play, each off until the player turns it on ---------------
    struct Options {
        bool bAnimate = false;  // a sowing is shown one marble at a time
        bool bKeepMark = false; // the last-move mark stays until the next sowing
        bool bCounts = false;   // every place's marbles as a number
        bool bQuiet = false;    // a refusal in the status bar with a beep instead of a box
        bool operator==(const Options&) const = default;
    };
    const Options& GetOptions() const { return m_options; }
    void SetOptions(const Options& options);
    void OnOption(int nID);
    void OnUpdateOption(CCmdUI* pCmdUI, int nID) const;
    // The level-4 player's choice in the user's place, on a thread of its own: the keyboard's
    // focus goes to that pit and status pane 0 names it.
    void OnHint();
    void OnUpdateHint(CCmdUI* pCmdUI) const;

    // --- appearance commands: one handler for every row of the appearance table -------------
    void OnAppearance(const Appearance& look);
    void OnUpdateAppearance(CCmdUI* pCmdUI, const Appearance& look) const;

    int OnCmdMsg(int nID, CCmdUI* pCmdUI) override;

    // --- state, read by the frame and the tests ----------------------------------------------
    CGameBoard& Board() { return m_board; }
    const CGameBoard& Board() const { return m_board; }
    CComputerPlayer& Player() { return m_player; }
    TurnState GetTurnState() const { return m_nTurnState; }
    // The user may act: it is the user's turn, or the game is over.
    bool UserMayAct() const {
        return m_nTurnState == TurnState::UserToMove || m_nTurnState == TurnState::GameOver;
    }
    // A computer move has been started and has not been shown yet.
    bool ComputerPending() const {
        return m_nTurnState == TurnState::ComputerThinking ||
               m_nTurnState == TurnState::ComputerMoveReady;
    }
    bool ShowLastMove() const { return m_bShowLastMove; }
    int BoardStyle() const { return m_nBoardStyle; }
    int MarbleColor() const { return m_nMarbleColor; }
    bool IsWorkerRunning() const { return m_worker.IsRunning(); }

    // The position the screen shows: the frame of a sowing being shown, else the shown copy.
    // The paint, the tooltips and the screen reader's names all read it.
    const Position& DisplayedCounts() const;
    bool IsAnimating() const { return m_animation.IsRunning(); }
    // Where the board lies in the view: the whole board, its proportions kept and centred, as
    // large as the view allows. A point of the view in board pixels (floored), and a rectangle of
    // the board in the view.
    QPoint BoardPoint(const QPointF& position) const;
    QRect ViewRect(int x, int y, int nWidth, int nHeight) const;

    // The text of the tooltip that is open, or an empty string.
    QString ToolTipText() const;
    // The user's pit that holds the keyboard focus, -1 before a key has moved it.
    int KeyPit() const { return m_nKeyPit; }

    // Test hooks: wait for the worker to end on its own; stop the real 800 ms timer so that only
    // the test's calls of OnTimer step the controller; run a procedure on the worker before it
    // thinks (a test holds the worker there).
    void WaitForWorkerForTest();
    void KillTimerForTest();
    using WorkerHook = void (*)(CComputerPlayer* pPlayer);
    static void SetWorkerHookForTest(WorkerHook pfnHook);
    // Shows the next frame of a sowing, as the animation's timer does; waits for a hint to be
    // chosen and shows it, as the hint's timer does.
    void StepAnimationForTest();
    void WaitForHintForTest();

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    // The one place where the turn changes state; see TurnState.
    void SetTurnState(TurnState state);
    // The state that follows a move or a take-back: whose turn the board says it is.
    TurnState StateOfTurn() const;
    void ShowPlaceTip();
    // The user may play a pit now: the user's turn in a running game, no computer move pending.
    bool UserMayPlay() const;
    // Plays the user's pit, -1 for none; a refusal says so in a box.
    void PlayUserPit(int nPit);
    // A click or a key that cannot play: a box, or with quiet refusals status pane 0 and a beep.
    void Refuse();
    // Shows the sowing of (nRow, nPit), just played on the board: publishes the position, one
    // marble at a time when the player asked for it; what waits for the sowing runs after its
    // last frame.
    void ShowSowing(int nRow, int nPit);
    void AfterSowing(std::function<void()> next);
    void StepAnimation();
    // Ends a sowing being shown at its last frame; what waited for it runs too, unless a new
    // game drops it.
    void EndAnimation(bool bRunWhatWaits);
    void FinishComputerMove();
    void StopHint();
    // Shows the hint once its thread has chosen.
    void PollHint();
    void ShowHint(int nPit);
    // What status pane 0 says while a hint is shown: "ヒント: あなたの箱 3".
    QString HintText() const;
    void ClearHint();
    void MoveKeyFocus(int nPit);
    void DrawKeyFocus(QPainter* pDC) const;
    // Tells the screen reader which places changed since it was last told.
    void AnnounceShownPosition();
    // Tells the screen reader the board's description once the turn has settled, if it changed.
    void AnnounceTurn();
    void StartComputerMove();
    void ShowComputerMove();
    void StopWorker();
    void NewGame(bool bUserFirst);
    void OnLevel(int nLevel);
    void OnUpdateLevel(CCmdUI* pCmdUI, int nLevel) const;
    // Asks for a repaint of the whole board, without erasing: the paint covers every pixel.
    void Invalidate();
    // Paints at once if a repaint is due, so the user sees the move before the computer thinks.
    void UpdateWindow();

    int m_nBoardStyle = 1;
    int m_nMarbleColor = 1;
    TurnState m_nTurnState = TurnState::UserToMove;
    // The player outlives the worker that thinks with it.
    CComputerPlayer m_player;
    CComputerThread m_worker;
    // No release can lie within 5 pixels of this before the first accepted press.
    int m_nDownY = -1000;
    int m_nDownX = -1000;
    bool m_bShowLastMove = false;
    CGameBoard m_board;
    // The pit the worker handed back, waiting to be shown; -1 for none.
    int m_nComputerPit = -1;

    int m_nTimerId = 0;
    bool m_bPaintPending = false;
    // The place whose tooltip was last asked for (row -1: none), and where it was asked.
    int m_nTipRow = -1;
    int m_nTipIndex = 0;
    QPoint m_tipPos;
    // The keyboard's pit, drawn only once a key has moved it; a click leaves it where it is.
    int m_nKeyPit = -1;
    // The position the screen reader was last told of, and the description it heard last.
    std::int32_t m_nAnnounced[2][kPlaces] = {};
    QString m_announcedDescription;
    // The computer's pits shown since the user's last move, oldest first.
    std::vector<int> m_computerPits;

    Options m_options;
    CSowingAnimation m_animation;
    QBasicTimer m_animationTimer;
    std::function<void()> m_afterSowing;
    // A press that ended a sowing being shown: its release plays nothing.
    bool m_bSwallowRelease = false;

    // The hint's own player, level 4 with a generator of its own, so that a hint never changes
    // what the computer chooses later; its thread, polled by a short timer.
    CComputerPlayer m_hintPlayer;
    CComputerThread m_hintWorker;
    QBasicTimer m_hintTimer;
    int m_nHintPit = -1; // the pit the hint shown names, until the next move
};

#include "view_fixture.h"
#include "res/resource.h"
#include "ui/command_menu.h"
#include "ui/wait_cursor.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

using testing_support::Line;

// The game and level popups of the menu bar on the view's command route.
class GameCommandTest : public FlowTest {
protected:
    GameCommandTest() {
        m_menu.Build(&m_menuBar);
        m_menu.SetRoute({m_pView});
    }

    struct ItemState {
        bool bEnabled;
        bool bChecked;
    };
    ItemState State(int nID) {
        CCmdUI cmdUI(nID);
        m_menu.UpdateCommand(cmdUI);
        return {cmdUI.m_bEnabled != 0, cmdUI.m_nCheck == 1};
    }
    // As the popup shows them after opening.
    ItemState Shown(int nID) {
        QAction* pAction = m_menu.FindAction(nID);
        for (QMenu* pPopup : m_menu.Popups()) {
            if (pPopup->actions().contains(pAction))
                m_menu.UpdatePopup(pPopup);
        }
        return {pAction->isEnabled(), pAction->isChecked()};
    }
    using FlowTest::Shown;

    void NewGame(int nID, int nAnswer) {
        m_recorder.Answer(nAnswer);
        m_menu.Execute(nID);
    }

    QMenuBar m_menuBar;
    CCommandMenu m_menu;
};

const int kLevels[] = {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3, ID_LEVEL_4};

// Take-back and levels need the user's turn; new games are always there.
TEST_F(GameCommandTest, MenuStatesInEveryStateOfTheGame) {
    auto expectStates = [this](const char* pszState, bool bTakeBack, bool bLevels) {
        SCOPED_TRACE(pszState);
        EXPECT_EQ(Shown(ID_GAME_TAKEBACK).bEnabled, bTakeBack);
        EXPECT_FALSE(Shown(ID_GAME_TAKEBACK).bChecked);
        for (int i = 0; i < 4; ++i) {
            const ItemState level = Shown(kLevels[i]);
            EXPECT_EQ(level.bEnabled, bLevels);
            EXPECT_EQ(level.bChecked, m_pView->Board().GetLevel() == i + 1);
        }
        EXPECT_TRUE(Shown(ID_GAME_NEW_FIRST).bEnabled);
        EXPECT_TRUE(Shown(ID_GAME_NEW_SECOND).bEnabled);
    };
    expectStates("user to move, nothing to take back", false, true);
    Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21}); // one answer, no extra turn
    ClickPit(2);
    expectStates("user to move after a move", true, true);

    s_bHoldWorker = 1;
    ClickPit(0);
    expectStates("computer thinking", false, false);
    ReleaseWorker();
    expectStates("computer move ready", false, false);
    Tick();
    expectStates("user to move after the computer's move", true, true);

    NewGame(ID_GAME_NEW_SECOND, IDOK);
    expectStates("computer to start", false, false);

    Put({0, 0, 0, 0, 0, 1, 20, 4, 4, 4, 4, 5, 6, 0});
    NewGame(ID_GAME_NEW_FIRST, IDOK);
    Put({0, 0, 0, 0, 0, 1, 20, 4, 4, 4, 4, 5, 6, 0});
    ClickPit(5);
    ASSERT_EQ(m_pView->Board().IsRunning(), 0);
    expectStates("game over", false, true);
}

TEST_F(GameCommandTest, LevelCommandsCheckTheirLevelAndSurviveNewGames) {
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m_menu.Execute(kLevels[i]), 1);
        EXPECT_EQ(m_pView->Board().GetLevel(), i + 1);
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(Shown(kLevels[j]).bChecked, i == j);
    }
    m_menu.Execute(ID_LEVEL_3);
    NewGame(ID_GAME_NEW_FIRST, IDOK);
    EXPECT_EQ(m_pView->Board().GetLevel(), 3);
    NewGame(ID_GAME_NEW_SECOND, IDOK);
    EXPECT_EQ(m_pView->Board().GetLevel(), 3);
}

TEST_F(GameCommandTest, DisabledCommandsDoNothingEvenByKey) {
    ClickPit(2);
    s_bHoldWorker = 1;
    ClickPit(0);
    ASSERT_EQ(m_pView->IsWorkerRunning(), 1);
    // The actions are enabled outside an open popup, so a key would reach them: the update
    // handlers are asked again first.
    m_menu.FindAction(ID_LEVEL_4)->trigger();
    EXPECT_EQ(m_pView->Board().GetLevel(), 1);
    EXPECT_EQ(m_menu.Execute(ID_GAME_TAKEBACK), 0);
    EXPECT_EQ(m_recorder.Count(), 0u);
    ReleaseWorker();
    Tick();
}

TEST_F(GameCommandTest, NewGameAnsweredWithCancelChangesNothing) {
    ClickPit(2);
    const Line before = Live();
    NewGame(ID_GAME_NEW_FIRST, IDCANCEL);
    ASSERT_EQ(m_recorder.Count(), 1u);
    EXPECT_EQ(m_recorder.Last(), U("現在のゲームを放棄し，新しく始めますか？"));
    EXPECT_EQ(m_recorder.Boxes()[0].nType, MB_OKCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(Live(), before);
    EXPECT_TRUE(m_pView->Board().HasHistory());
    NewGame(ID_GAME_NEW_SECOND, IDCANCEL);
    EXPECT_EQ(Live(), before);
    EXPECT_EQ(m_pView->UserMayAct(), 1);
}

TEST_F(GameCommandTest, CancelWhileTheComputerThinksLetsItsMoveBeShown) {
    s_bHoldWorker = 1;
    ClickPit(0);
    NewGame(ID_GAME_NEW_FIRST, IDCANCEL);
    EXPECT_EQ(m_pView->IsWorkerRunning(), 1);
    EXPECT_EQ(WaitCursorCount(), 1);
    ReleaseWorker();
    Tick();
    EXPECT_EQ(m_pView->ShowLastMove(), 1);
    EXPECT_EQ(Shown(), Live());
    EXPECT_NE(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
}

TEST_F(GameCommandTest, NewGameFirstWhileTheComputerThinksAbandonsItsMove) {
    s_bHoldWorker = 1;
    ClickPit(0);
    ASSERT_EQ(m_pView->IsWorkerRunning(), 1);
    NewGame(ID_GAME_NEW_FIRST, IDOK);
    // The worker was stopped and has ended; the board is the start with the user to move.
    EXPECT_EQ(m_pView->IsWorkerRunning(), 0);
    EXPECT_EQ(Live(), kStart);
    EXPECT_EQ(Shown(), kStart);
    EXPECT_FALSE(m_pView->Board().HasHistory());
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 1);
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_EQ(m_pView->ComputerPending(), 0);
    EXPECT_EQ(m_pView->ShowLastMove(), 0);
    EXPECT_EQ(m_pView->Board().IsStopRequested(), 0);
    EXPECT_EQ(WaitCursorCount(), 0);
    // No computer move turns up later.
    Tick();
    Tick();
    EXPECT_EQ(Live(), kStart);
    EXPECT_EQ(Shown(), kStart);
    Paint();
    EXPECT_EQ(Pane(1), U("あなたの番です"));
    EXPECT_EQ(Pane(2), U("---％"));
    // And the next game is played as usual.
    s_bHoldWorker = 0;
    ClickPit(0);
    AwaitWorker();
    Tick();
    EXPECT_EQ(testing_support::Sum(Shown()), 48);
    EXPECT_NE(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
}

TEST_F(GameCommandTest, NewGameWhileTheComputersMoveWaitsToBeShown) {
    ClickPit(0);
    AwaitWorker(); // Computer move ready
    NewGame(ID_GAME_NEW_SECOND, IDOK);
    EXPECT_EQ(Live(), kStart);
    EXPECT_EQ(WaitCursorCount(), 0);
    EXPECT_EQ(m_pView->ComputerPending(), 0);
    EXPECT_EQ(m_pView->UserMayAct(), 0);
}

TEST_F(GameCommandTest, NewGameSecondLetsTheComputerOpenOnTheNextTick) {
    ClickPit(2);
    NewGame(ID_GAME_NEW_SECOND, IDOK);
    EXPECT_EQ(Live(), kStart);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 0);
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_EQ(m_pView->ComputerPending(), 0);
    EXPECT_EQ(m_pView->HasWorker(), 0);
    Paint();
    EXPECT_EQ(Pane(1), U("パソコンが考え中です"));
    EXPECT_EQ(Pane(2), U("  0％"));
    Tick();
    EXPECT_EQ(m_pView->ComputerPending(), 1);
    EXPECT_EQ(m_pView->HasWorker(), 1);
    AwaitWorker();
    Tick();
    EXPECT_NE(Shown(), kStart);
    EXPECT_EQ(m_pView->Board().GetHistory()->nRow, 1);
}

TEST_F(GameCommandTest, NewGameIsAskedAlsoAfterTheGameHasEnded) {
    Put({0, 0, 0, 0, 0, 1, 20, 4, 4, 4, 4, 5, 6, 0});
    ClickPit(5);
    ASSERT_EQ(m_pView->Board().IsRunning(), 0);
    m_recorder.Clear();
    NewGame(ID_GAME_NEW_FIRST, IDOK);
    ASSERT_EQ(m_recorder.Count(), 1u);
    EXPECT_EQ(m_pView->Board().IsRunning(), 1);
    EXPECT_EQ(Live(), kStart);
}

TEST_F(GameCommandTest, TakeBackAfterAnExtraTurnRestoresThePositionBeforeIt) {
    ClickPit(2);
    ASSERT_TRUE(State(ID_GAME_TAKEBACK).bEnabled);
    EXPECT_EQ(m_menu.Execute(ID_GAME_TAKEBACK), 1);
    EXPECT_EQ(Live(), kStart);
    EXPECT_EQ(Shown(), kStart);
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_FALSE(State(ID_GAME_TAKEBACK).bEnabled);
}

TEST_F(GameCommandTest, TakeBackUndoesTheUsersMoveAndTheComputersReplies) {
    // Either of the computer's pits (3 with three, 4 with two) ends in its store, so it answers
    // with at least two moves; none of its answers can empty its row.
    const Line start = {4, 4, 4, 4, 4, 4, 0, 0, 0, 0, 3, 2, 0, 19};
    Put(start);
    ClickPit(0);
    AwaitWorker();
    Tick();
    int nComputerMoves = 1;
    while (!m_pView->UserMayAct()) {
        Tick(); // the next computer move starts one tick after the previous one was shown
        ASSERT_EQ(m_pView->ComputerPending(), 1);
        AwaitWorker();
        Tick();
        ++nComputerMoves;
    }
    ASSERT_GE(nComputerMoves, 2);
    ASSERT_EQ(m_pView->Board().IsRunning(), 1);
    ASSERT_EQ(m_pView->Board().GetHistory()->nSerial, 1 + nComputerMoves);
    EXPECT_EQ(m_menu.Execute(ID_GAME_TAKEBACK), 1);
    EXPECT_EQ(Live(), start);
    EXPECT_EQ(Shown(), start);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 1);
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_FALSE(State(ID_GAME_TAKEBACK).bEnabled);
}

TEST_F(GameCommandTest, TakeBackOfTheComputersOpeningGivesItTheMoveAgain) {
    NewGame(ID_GAME_NEW_SECOND, IDOK);
    // One choice for the computer, and no extra turn.
    const Line opening = {4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21};
    testing_support::PutPosition(m_pView->Board(), opening, 0);
    Tick();
    AwaitWorker();
    Tick();
    ASSERT_EQ(m_pView->UserMayAct(), 1);
    ASSERT_TRUE(State(ID_GAME_TAKEBACK).bEnabled);
    m_menu.Execute(ID_GAME_TAKEBACK);
    EXPECT_EQ(Live(), opening);
    EXPECT_EQ(Shown(), opening);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 0);
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_FALSE(State(ID_GAME_TAKEBACK).bEnabled);
    Tick(); // the computer chooses its opening afresh
    EXPECT_EQ(m_pView->ComputerPending(), 1);
    AwaitWorker();
    Tick();
    EXPECT_EQ(m_pView->UserMayAct(), 1);
}

TEST_F(GameCommandTest, TakeBackWithNothingToTakeBackIsRefusedAndAfterTheGameSilent) {
    m_pView->OnTakeBack(); // the handler itself, past the menu state
    ASSERT_EQ(m_recorder.Count(), 1u);
    EXPECT_EQ(m_recorder.Last(), U("「待った！」はできません！"));
    EXPECT_EQ(m_recorder.Boxes()[0].nType, MB_OK);
    EXPECT_EQ(Live(), kStart);

    Put({0, 0, 0, 0, 0, 1, 20, 4, 4, 4, 4, 5, 6, 0});
    ClickPit(5);
    ASSERT_EQ(m_pView->Board().IsRunning(), 0);
    ASSERT_TRUE(m_pView->Board().HasHistory());
    m_recorder.Clear();
    const Line after = Live();
    m_pView->OnTakeBack();
    EXPECT_EQ(m_recorder.Count(), 0u);
    EXPECT_EQ(Live(), after);
}

TEST_F(GameCommandTest, AppearanceChangesWhileTheComputerThinks) {
    s_bHoldWorker = 1;
    ClickPit(0);
    EXPECT_TRUE(State(ID_BOARD_DARK_WOOD).bEnabled);
    EXPECT_EQ(m_menu.Execute(ID_BOARD_DARK_WOOD), 1);
    EXPECT_EQ(m_pView->BoardStyle(), 5);
    Paint();
    EXPECT_EQ(Pane(1), U("パソコンが考え中です"));
    EXPECT_EQ(m_pView->IsWorkerRunning(), 1);
    ReleaseWorker();
    Tick();
    EXPECT_EQ(m_pView->ShowLastMove(), 1);
}

} // namespace

#include "view_fixture.h"

#include <QCursor>

namespace {

const char* const kYourTurn = "あなたの番です";
const char* const kThinking = "パソコンが考え中です";

TEST_F(ViewTest, StartsWithTheUserToMoveAndAMoveIntoTheOwnStoreKeepsTheMove) {
    Paint();
    EXPECT_EQ(m_pView->Board().GetLevel(), 1);
    EXPECT_EQ(Live(), kStart);
    EXPECT_EQ(Pane(1), U(kYourTurn));
    EXPECT_EQ(Pane(2), U("---％"));
    ClickPit(2);
    EXPECT_EQ(Shown(), (Line{4, 4, 0, 5, 5, 5, 1, 4, 4, 4, 4, 4, 4, 0}));
    Tick();
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_EQ(m_pView->HasWorker(), 0);
    EXPECT_EQ(m_recorder.Count(), 0u);
}

TEST_F(ViewTest, EmptyingTheLastUserPitWinsAndEndsTheGame) {
    Put({0, 0, 0, 0, 0, 2, 19, 4, 4, 4, 4, 5, 6, 0});
    m_recorder.WhileOpen([this] { // ticks while the box is open only refresh the progress
        Tick();
        EXPECT_EQ(m_pView->HasWorker(), 0);
    });
    ClickPit(5);
    ASSERT_EQ(m_recorder.Count(), 1u);
    EXPECT_EQ(m_recorder.Last(), U("あなたの勝ちです"));
    EXPECT_EQ(m_recorder.Boxes()[0].nType, MB_OK);
    EXPECT_EQ(m_pView->Board().IsRunning(), 0);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 1);
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    Paint();
    EXPECT_EQ(Pane(1), U("ゲーム終了"));
    EXPECT_EQ(Pane(2), U("---％"));
    m_pView->Board().SetPosition({{1, 0, 0, 0, 0, 0, 30}, {4, 4, 4, 4, 1, 0, 0}});
    ClickPit(0); // game over: clicks and ticks do nothing and say nothing
    Tick();
    EXPECT_EQ(Live(), (Line{1, 0, 0, 0, 0, 0, 30, 4, 4, 4, 4, 1, 0, 0}));
    EXPECT_EQ(m_recorder.Count(), 1u);
    EXPECT_EQ(m_pView->HasWorker(), 0);
}

// The computer's only choice is its pit 0 with three marbles: no extra turn.
TEST_F(ViewTest, ComputerThinksOnItsThreadAndItsMoveIsShownOnTheNextTick) {
    Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21});
    s_bHold = 1;
    ClickPit(0);
    const Line afterUser{0, 5, 5, 5, 5, 4, 0, 3, 0, 0, 0, 0, 0, 21};
    EXPECT_EQ(Shown(), afterUser);
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_EQ(m_pView->IsWorkerRunning(), 1);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    QGuiApplication::changeOverrideCursor(QCursor(Qt::ArrowCursor));
    Paint();
    EXPECT_EQ(Pane(1), U(kThinking));
    EXPECT_EQ(Pane(2), U("  0％"));
    m_pStatusBar->SetPaneText(1, U("x"));
    m_pStatusBar->SetPaneText(2, U("x"));
    Tick(); // brings the busy cursor back and renews the progress pane only
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(Pane(1), U("x"));
    EXPECT_EQ(Pane(2), U("  0％"));
    EXPECT_EQ(m_pView->ComputerPending(), 1);
    QTest::mousePress(m_pView, Qt::LeftButton, Qt::NoModifier, PitPoint(5)); // not remembered
    ClickPit(3);
    EXPECT_EQ(Shown(), afterUser);
    Release();
    EXPECT_EQ(Shown(), afterUser); // played on the live board, not shown before the tick
    Tick();
    EXPECT_EQ(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 0, 1, 1, 1, 0, 0, 21}));
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_EQ(m_pView->ComputerPending(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // The marker lies on the computer's pit 0 at (349, 7) in the next paint and only there.
    const QImage first = Paint();
    EXPECT_EQ(first.pixel(349 + 20, 5), qRgb(255, 0, 0));
    EXPECT_EQ(first.pixel(349 + 20, 4), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(349, 5), qRgb(0, 0, 0));
    EXPECT_NE(first.pixel(349 + 20, 3), qRgb(0, 0, 0));
    EXPECT_EQ(Pane(1), U(kYourTurn));
    EXPECT_EQ(Pane(2), U("---％"));
    EXPECT_NE(Paint().pixel(349 + 20, 5), qRgb(255, 0, 0));
    QTest::mouseRelease(m_pView, Qt::LeftButton, Qt::NoModifier, PitPoint(5));
    EXPECT_EQ(Live(), (Line{0, 5, 5, 5, 5, 4, 0, 0, 1, 1, 1, 0, 0, 21}));
    EXPECT_EQ(m_recorder.Count(), 0u);
}

// Computer pit 4 holds two: into pit 5 and its store, another move; then pit 5's one marble
// empties its row.
TEST_F(ViewTest, ComputerExtraTurnsAreShownOneAtATimeAndItsEmptyRowWins) {
    Put({4, 4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 2, 0, 22});
    ClickPit(0);
    AwaitWorker();
    Tick();
    EXPECT_EQ(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 0, 0, 0, 0, 0, 1, 23}));
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_EQ(WaitCursorCount(), 0);
    EXPECT_EQ(m_pView->HasWorker(), 1);
    Tick(); // the next move starts one tick later
    EXPECT_EQ(WaitCursorCount(), 1);
    AwaitWorker();
    m_recorder.WhileOpen([this] {
        EXPECT_EQ(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 0, 0, 0, 0, 0, 0, 24}));
        EXPECT_EQ(m_pView->ShowLastMove(), 1);
    });
    Tick();
    EXPECT_EQ(m_recorder.Last(), U("あなたの負けです"));
    EXPECT_EQ(m_pView->Board().IsRunning(), 0);
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 1);
    EXPECT_EQ(WaitCursorCount(), 0);
    ClickPit(1);
    EXPECT_EQ(m_recorder.Count(), 1u);
}

TEST_F(ViewTest, ReleaseOffAFullUserPitIsRefusedAndChangesNothing) {
    ClickPit(2); // an extra turn: one record, the user still to move
    const MoveRecord* pHead = m_pView->Board().GetHistory();
    const Line before = Live();
    const QPoint kRefused[] = {{420, 60},  {100, 20}, {30, 60}, {116, 80},  {89, 118},
                               {465, 125}, {406, 89}, {63, 89}, PitPoint(2)};
    for (const QPoint& point : kRefused) {
        m_recorder.Clear();
        Click(point);
        ASSERT_EQ(m_recorder.Count(), 1u) << point.x() << "," << point.y();
        EXPECT_EQ(m_recorder.Last(), U("そこは選択できません！"));
        EXPECT_EQ(Live(), before);
        EXPECT_EQ(m_pView->Board().GetHistory(), pHead);
        EXPECT_EQ(m_pView->HasWorker(), 0);
    }
}

TEST_F(ViewTest, ReleaseIsAClickOnlyWithinFivePixelsOfTheAcceptedPress) {
    QTest::mouseRelease(m_pView, Qt::LeftButton, Qt::NoModifier, PitPoint(2));
    for (const QPoint& d : {QPoint(6, 0), QPoint(-6, 0), QPoint(0, 6), QPoint(0, -6)})
        Click(PitPoint(2), d.x(), d.y());
    Click(QPoint(80, 70), 0, 6);
    EXPECT_EQ(Live(), kStart);
    EXPECT_EQ(m_recorder.Count(), 0u);
    Click(QPoint(113, 80), 5, 0); // pit 0's last column, released in the gap
    EXPECT_EQ(m_recorder.Last(), U("そこは選択できません！"));
    Click(PitPoint(2), 5, -5);
    EXPECT_EQ(Live(), (Line{4, 4, 0, 5, 5, 5, 1, 4, 4, 4, 4, 4, 4, 0}));
}

TEST_F(ViewTest, WorkerThatCannotStartShowsTheUnchangedPositionThenTriesAgain) {
    CComputerThread::FailNextStartForTest();
    ClickPit(0);
    const Line afterUser = Live();
    EXPECT_EQ(m_pView->HasWorker(), 0);
    Tick();
    EXPECT_EQ(Shown(), afterUser);
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_EQ(WaitCursorCount(), 0);
    Tick();
    AwaitWorker();
    Tick();
    EXPECT_NE(Shown(), afterUser);
}

TEST_F(ViewTest, HandOnlyOverAUserPitWithMarblesWhileTheUserMayPlay) {
    QTest::mouseMove(m_pView, PitPoint(0));
    EXPECT_EQ(m_pView->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(m_pView->cursor().hotSpot(), QPoint(5, 5));
    QTest::mouseMove(m_pView, QPoint(420, 60));
    EXPECT_EQ(m_pView->cursor().shape(), Qt::ArrowCursor);
    ClickPit(2);
    QTest::mouseMove(m_pView, PitPoint(2));
    EXPECT_EQ(m_pView->cursor().shape(), Qt::ArrowCursor);
    s_bHold = 1;
    ClickPit(0);
    QGuiApplication::changeOverrideCursor(QCursor(Qt::ArrowCursor));
    QTest::mouseMove(m_pView, PitPoint(3));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Release();
    Tick();
    m_pView->Board().SetRunning(0); // after the game, the arrow everywhere
    QTest::mouseMove(m_pView, PitPoint(1));
    EXPECT_EQ(m_pView->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ViewTest, TakeBackAndLevelsNeedTheUsersTurnAndNewGamesAreAlwaysThere) {
    const int kLevels[] = {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3, ID_LEVEL_4};
    const auto expect = [&](const char* pszState, bool bTakeBack, bool bLevels) {
        SCOPED_TRACE(pszState);
        EXPECT_EQ(Enabled(ID_GAME_TAKEBACK), bTakeBack);
        for (int nID : kLevels)
            EXPECT_EQ(Enabled(nID), bLevels);
        EXPECT_TRUE(Enabled(ID_GAME_NEW_FIRST) && Enabled(ID_GAME_NEW_SECOND));
    };
    expect("nothing to take back", false, true);
    Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21});
    ClickPit(2);
    expect("after a move", true, true);
    s_bHold = 1;
    ClickPit(0);
    expect("computer thinking", false, false);
    Release();
    expect("computer move ready", false, false);
    Tick();
    expect("after the computer's move", true, true);
    Command(ID_GAME_NEW_SECOND);
    expect("computer to start", false, false);
    Command(ID_GAME_NEW_FIRST);
    Put({0, 0, 0, 0, 0, 1, 20, 4, 4, 4, 4, 5, 6, 0});
    ClickPit(5);
    expect("game over", false, true);
}

TEST_F(ViewTest, LevelCommandsCheckTheirLevelOnlyAndSurviveNewGames) {
    const int kLevels[] = {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3, ID_LEVEL_4};
    for (int i = 0; i < 4; ++i) {
        Command(kLevels[i]);
        EXPECT_EQ(m_pView->Board().GetLevel(), i + 1);
        for (int j = 0; j < 4; ++j) {
            m_menu.UpdatePopup(m_menu.Popups()[1]);
            EXPECT_EQ(m_menu.FindAction(kLevels[j])->isChecked(), i == j) << i << j;
        }
    }
    Command(ID_LEVEL_3);
    Command(ID_GAME_NEW_FIRST);
    EXPECT_EQ(m_pView->Board().GetLevel(), 3);
}

TEST_F(ViewTest, NewGameIsAskedAndThenAbandonsTheComputersMoveWhetherThinkingOrReady) {
    for (const bool bReady : {false, true}) {
        Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21});
        s_bHold = bReady ? 0 : 1;
        ClickPit(0);
        if (bReady)
            AwaitWorker();
        Command(ID_GAME_NEW_FIRST, IDCANCEL); // asked first, in every state; Cancel keeps all
        EXPECT_EQ(m_recorder.Last(), U("現在のゲームを放棄し，新しく始めますか？"));
        EXPECT_EQ(m_recorder.Boxes().back().nType, MB_OKCANCEL | MB_ICONQUESTION);
        EXPECT_EQ(m_pView->IsWorkerRunning(), bReady ? 0 : 1);
        EXPECT_EQ(m_pView->ComputerPending(), 1);
        Command(ID_GAME_NEW_FIRST);
        EXPECT_EQ(m_pView->IsWorkerRunning(), 0);
        EXPECT_EQ(WaitCursorCount(), 0);
        EXPECT_EQ(Live(), kStart);
        EXPECT_EQ(m_pView->UserMayAct(), 1);
        Tick();
        EXPECT_EQ(Shown(), kStart);
        EXPECT_EQ(m_pView->Board().HasHistory(), 0);
    }
}

TEST_F(ViewTest, NewGameSecondLetsTheComputerOpenOnTheNextTickWithoutAMarker) {
    Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21});
    ClickPit(0);
    AwaitWorker();
    Tick(); // a marker is due
    Command(ID_GAME_NEW_SECOND);
    EXPECT_EQ(m_pView->ShowLastMove(), 0);
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 0);
    Paint();
    EXPECT_EQ(Pane(1), U(kThinking));
    EXPECT_EQ(Pane(2), U("  0％"));
    Tick();
    EXPECT_EQ(m_pView->HasWorker(), 1);
    AwaitWorker();
    Tick();
    EXPECT_NE(Shown(), kStart);
}

TEST_F(ViewTest, TakeBackUndoesTheUsersMoveWithTheComputersReplies) {
    Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21});
    ClickPit(2); // an extra turn
    const Line afterExtra = Live();
    ClickPit(0);
    AwaitWorker();
    Tick();
    Command(ID_GAME_TAKEBACK);
    EXPECT_EQ(Shown(), afterExtra);
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_FALSE(Enabled(ID_GAME_TAKEBACK));
    m_pView->OnTakeBack(); // past the menu state: refused with a box
    EXPECT_EQ(m_recorder.Last(), U("「待った！」はできません！"));
    m_pView->Board().SetRunning(0); // after the game: silent
    m_pView->OnTakeBack();
    EXPECT_EQ(m_recorder.Count(), 1u);
}

TEST_F(ViewTest, TakeBackOfTheComputersOpeningGivesItTheMoveAgain) {
    Command(ID_GAME_NEW_SECOND);
    Tick();
    AwaitWorker();
    Tick();
    for (int i = 0; i < 20 && !m_pView->UserMayAct(); ++i) { // the computer's extra turns
        Tick();
        AwaitWorker();
        Tick();
    }
    m_pView->OnTakeBack();
    EXPECT_EQ(Shown(), kStart);
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    Tick();
    EXPECT_EQ(m_pView->HasWorker(), 1);
}

TEST_F(ViewTest, ClosingTheViewStopsAThinkingComputerAndEndsItsBusyCursor) {
    for (const bool bReady : {false, true}) {
        s_bHold = bReady ? 0 : 1;
        ClickPit(0);
        if (bReady)
            AwaitWorker(); // a finished move not yet shown
        delete m_pView;    // a held worker ends only on the stop request
        EXPECT_EQ(WaitCursorCount(), 0);
        m_pView = new CRavelo2View(&m_window);
        m_window.setCentralWidget(m_pView);
        m_pView->OnCreate();
        m_pView->KillTimerForTest();
    }
}

} // namespace

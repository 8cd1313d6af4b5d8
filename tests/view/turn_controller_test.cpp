#include "view_fixture.h"
#include "ui/pictures.h"
#include "ui/wait_cursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>

namespace {

using testing_support::Line;

TEST_F(FlowTest, AtStartTheUserHasTheMoveAtLevelOne) {
    Paint();
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_EQ(m_pView->ComputerPending(), 0);
    EXPECT_EQ(m_pView->Board().GetLevel(), 1);
    EXPECT_EQ(m_pView->Board().IsRunning(), 1);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 1);
    EXPECT_EQ(m_pView->HasWorker(), 0);
    EXPECT_EQ(Live(), kStart);
    EXPECT_EQ(Pane(1), U("あなたの番です"));
    EXPECT_EQ(Pane(2), U("---％"));
}

TEST_F(FlowTest, MoveEndingInTheOwnStoreKeepsTheTurnAndStartsNoWorker) {
    ClickPit(2); // four marbles, four places to the store
    EXPECT_EQ(Shown(), (Line{4, 4, 0, 5, 5, 5, 1, 4, 4, 4, 4, 4, 4, 0}));
    EXPECT_EQ(Live(), Shown());
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_EQ(m_pView->HasWorker(), 0);
    EXPECT_EQ(WaitCursorCount(), 0);
    EXPECT_EQ(m_recorder.Count(), 0u);
    Tick();
    EXPECT_EQ(m_pView->HasWorker(), 0);
}

TEST_F(FlowTest, EmptyingTheLastUserPitWinsAndEndsTheGame) {
    // The last marble leaves the user's row and the turn would pass: the game ends instead.
    Put({0, 0, 0, 0, 0, 2, 19, 4, 4, 4, 4, 5, 6, 0});
    ClickPit(5);
    ASSERT_EQ(m_recorder.Count(), 1u);
    EXPECT_EQ(m_recorder.Last(), U("あなたの勝ちです"));
    EXPECT_EQ(m_recorder.Boxes()[0].nType, MB_OK);
    EXPECT_EQ(m_pView->Board().IsRunning(), 0);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 1);
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_EQ(m_pView->HasWorker(), 0);
    EXPECT_EQ(Shown(), Live());
    Paint();
    EXPECT_EQ(Pane(1), U("ゲーム終了"));
    EXPECT_EQ(Pane(2), U("---％"));

    // Game over: clicks and ticks change nothing and say nothing.
    const Line after = Live();
    ClickPit(5);
    ClickPit(0);
    Tick();
    EXPECT_EQ(Live(), after);
    EXPECT_EQ(m_recorder.Count(), 1u);
}

TEST_F(FlowTest, TicksDuringTheWinMessageOnlyRefreshTheProgressPane) {
    Put({0, 0, 0, 0, 0, 1, 20, 4, 4, 4, 4, 5, 6, 0});
    m_recorder.WhileOpen([this] {
        EXPECT_EQ(m_pView->UserMayAct(), 1);
        Tick();
        Tick();
        EXPECT_EQ(m_pView->HasWorker(), 0);
        EXPECT_EQ(Pane(2), U("---％"));
    });
    ClickPit(5);
    EXPECT_EQ(m_recorder.Last(), U("あなたの勝ちです"));
    EXPECT_EQ(m_pView->HasWorker(), 0);
}

TEST_F(FlowTest, OrdinaryMoveHandsTheMoveToTheComputerThread) {
    s_bHoldWorker = 1;
    ClickPit(0);
    EXPECT_EQ(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_EQ(m_pView->ComputerPending(), 1);
    EXPECT_EQ(m_pView->IsWorkerRunning(), 1);
    EXPECT_EQ(WaitCursorCount(), 1);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Paint();
    EXPECT_EQ(Pane(1), U("パソコンが考え中です"));
    EXPECT_EQ(Pane(2), U("  0％"));

    // Ticks while it thinks bring the busy cursor back and change nothing else.
    QGuiApplication::changeOverrideCursor(QCursor(Qt::ArrowCursor));
    Tick();
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(m_pView->ComputerPending(), 1);
    EXPECT_EQ(Pane(1), U("パソコンが考え中です"));
    EXPECT_EQ(Pane(2), U("  0％"));

    ReleaseWorker();
    // The computer has moved on the live board; nothing is shown before the next tick.
    EXPECT_EQ(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
    EXPECT_NE(Live(), Shown());
    EXPECT_EQ(testing_support::Sum(Live()), 48);
    Tick();
    EXPECT_EQ(Shown(), Live());
    EXPECT_EQ(m_pView->ShowLastMove(), 1);
    EXPECT_EQ(m_pView->ComputerPending(), 0);
    EXPECT_EQ(m_pView->UserMayAct(), m_pView->Board().IsUserTurn());
    if (m_pView->UserMayAct()) {
        EXPECT_EQ(WaitCursorCount(), 0);
    }
}

TEST_F(FlowTest, ComputerMoveIsShownOnTheFirstTickAfterItsThreadEnds) {
    // The computer's only marbles lie in its pit 0: three of them, no extra turn.
    Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21});
    ClickPit(0);
    AwaitWorker();
    Tick();
    EXPECT_EQ(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 0, 1, 1, 1, 0, 0, 21}));
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 1);
    EXPECT_EQ(WaitCursorCount(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // The marker shows in the first paint and only there.
    ASSERT_EQ(m_pView->ShowLastMove(), 1);
    Paint();
    EXPECT_EQ(m_pView->ShowLastMove(), 0);
    EXPECT_EQ(Pane(1), U("あなたの番です"));
    EXPECT_EQ(Pane(2), U("---％"));
}

// The marker goes with the first paint after the computer's move, whatever causes it: here
// choosing the current marble colour again.
TEST_F(FlowTest, MarkerSitsOnThePitTheComputerPlayedInThatOnePaint) {
    Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21});
    ClickPit(0);
    AwaitWorker();
    Tick();
    m_pView->OnMarbleYellow();
    // Computer pit 0 lies at (349, 7): the marker's red inside is rows 5 and 6.
    QImage first = m_pView->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(first.pixel(349 + 20, 5), qRgb(255, 0, 0));
    EXPECT_EQ(first.pixel(349, 5), qRgb(0, 0, 0));
    QImage second = m_pView->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(second.pixel(349 + 20, 5), qRgb(255, 0, 0));
}

TEST_F(FlowTest, ComputerExtraTurnsAreShownOneAtATimeAndItsEmptyRowWins) {
    // Computer pit 4 holds two: into pit 5 and its store, another move; then pit 5's one
    // marble into the store empties its row.
    Put({4, 4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 2, 0, 22});
    ClickPit(0);
    AwaitWorker();
    Tick(); // the first computer move is shown
    EXPECT_EQ(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 0, 0, 0, 0, 0, 1, 23}));
    EXPECT_EQ(m_pView->ShowLastMove(), 1);
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_EQ(m_pView->ComputerPending(), 0);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 0);
    EXPECT_EQ(WaitCursorCount(), 0);
    Paint();
    EXPECT_EQ(Pane(1), U("パソコンが考え中です"));

    Tick(); // the next computer move starts one tick later
    EXPECT_EQ(m_pView->ComputerPending(), 1);
    EXPECT_EQ(WaitCursorCount(), 1);
    EXPECT_EQ(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 0, 0, 0, 0, 0, 1, 23}));
    AwaitWorker();

    m_recorder.WhileOpen([this] {
        // The final position with its marker is up while the box is open.
        EXPECT_EQ(Shown(), (Line{0, 5, 5, 5, 5, 4, 0, 0, 0, 0, 0, 0, 0, 24}));
        EXPECT_EQ(m_pView->ShowLastMove(), 1);
        EXPECT_EQ(m_pView->Board().IsRunning(), 0);
    });
    Tick();
    ASSERT_EQ(m_recorder.Count(), 1u);
    EXPECT_EQ(m_recorder.Last(), U("あなたの負けです"));
    EXPECT_EQ(m_pView->UserMayAct(), 1);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 1);
    EXPECT_EQ(m_pView->ComputerPending(), 0);
    EXPECT_EQ(WaitCursorCount(), 0);
    Paint();
    EXPECT_EQ(Pane(1), U("ゲーム終了"));
    ClickPit(1);
    EXPECT_EQ(m_recorder.Count(), 1u);
    EXPECT_EQ(Shown(), Live());
}

TEST_F(FlowTest, ReleaseOffTheUserPitsIsRefusedAndChangesNothing) {
    ClickPit(2); // an extra turn: one record in the history, the user still to move
    const Line before = Live();
    const MoveRecord* pHead = m_pView->Board().GetHistory();
    ASSERT_NE(pHead, nullptr);
    const QPoint refused[] = {
        {420, 60},  // the user's store
        {100, 20},  // the computer's row
        {30, 60},   // the computer's store
        {116, 80},  // the gap between pits 0 and 1
        {89, 118},  // below the pits
        {465, 125}, // the black strip
        PitPoint(2) // now empty
    };
    for (const QPoint& point : refused) {
        m_recorder.Clear();
        Click(point);
        ASSERT_EQ(m_recorder.Count(), 1u) << point.x() << "," << point.y();
        EXPECT_EQ(m_recorder.Last(), U("そこは選択できません！"));
        EXPECT_EQ(m_recorder.Boxes()[0].nType, MB_OK);
        EXPECT_EQ(Live(), before);
        EXPECT_EQ(Shown(), before);
        EXPECT_EQ(m_pView->Board().GetHistory(), pHead);
        EXPECT_EQ(m_pView->UserMayAct(), 1);
        EXPECT_EQ(m_pView->HasWorker(), 0);
    }
}

TEST_F(FlowTest, ReleaseCountsAsAClickOnlyWithinFivePixelsOfThePress) {
    // Without any accepted press, a release is no click.
    QTest::mouseRelease(m_pView, Qt::LeftButton, Qt::NoModifier, PitPoint(2));
    EXPECT_EQ(Live(), kStart);
    for (const QPoint& offset :
         {QPoint(6, 0), QPoint(-6, 0), QPoint(0, 6), QPoint(0, -6), QPoint(6, 6), QPoint(30, 0)}) {
        Click(PitPoint(2), offset.x(), offset.y());
        EXPECT_EQ(Live(), kStart) << offset.x() << "," << offset.y();
    }
    EXPECT_EQ(m_recorder.Count(), 0u);
    Click(PitPoint(2), 5, -5); // both pits 2: played
    EXPECT_EQ(Live(), (Line{4, 4, 0, 5, 5, 5, 1, 4, 4, 4, 4, 4, 4, 0}));
}

TEST_F(FlowTest, ReleaseNearThePressButOffThePitIsRefused) {
    // Press on pit 0's last column, release 5 pixels on in the gap.
    Click(QPoint(113, 80), 5, 0);
    EXPECT_EQ(m_recorder.Last(), U("そこは選択できません！"));
    EXPECT_EQ(Live(), kStart);
}

TEST_F(FlowTest, PressesAndReleasesWhileTheComputerHasTheMoveAreIgnored) {
    Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21}); // one answer, no extra turn
    s_bHoldWorker = 1;
    ClickPit(0);
    ASSERT_EQ(m_pView->UserMayAct(), 0);
    const Line shown = Shown();
    // A press on pit 5 is not remembered, and a click does nothing.
    QTest::mousePress(m_pView, Qt::LeftButton, Qt::NoModifier, PitPoint(5));
    ClickPit(3);
    EXPECT_EQ(m_recorder.Count(), 0u);
    EXPECT_EQ(Shown(), shown);
    ReleaseWorker();
    Tick();
    ASSERT_EQ(m_pView->UserMayAct(), 1);
    // The press made while the computer had the move counts for nothing now.
    const Line before = Live();
    QTest::mouseRelease(m_pView, Qt::LeftButton, Qt::NoModifier, PitPoint(5));
    EXPECT_EQ(Live(), before);
    EXPECT_EQ(m_recorder.Count(), 0u);
}

TEST_F(FlowTest, WorkerThatCannotStartShowsTheUnchangedPositionThenTriesAgain) {
    CComputerThread::FailNextStartForTest();
    ClickPit(0);
    const Line afterUser = Live();
    EXPECT_EQ(m_pView->HasWorker(), 0);
    EXPECT_EQ(m_pView->ComputerPending(), 1);
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_EQ(WaitCursorCount(), 1);

    Tick(); // shown as the computer's move: nothing changed, the computer still to move
    EXPECT_EQ(Shown(), afterUser);
    EXPECT_EQ(m_pView->ComputerPending(), 0);
    EXPECT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_EQ(m_pView->Board().IsUserTurn(), 0);
    EXPECT_EQ(WaitCursorCount(), 0);
    EXPECT_EQ(m_recorder.Count(), 0u);

    Tick(); // the next try starts a worker
    EXPECT_EQ(m_pView->HasWorker(), 1);
    EXPECT_EQ(m_pView->ComputerPending(), 1);
    AwaitWorker();
    Tick();
    EXPECT_NE(Shown(), afterUser);
    EXPECT_EQ(testing_support::Sum(Shown()), 48);
}

TEST_F(FlowTest, CursorShowsTheHandOnlyOverAUserPitWithMarbles) {
    ASSERT_NE(g_hcurPick, nullptr);
    const QPoint pit0 = PitPoint(0);
    QTest::mouseMove(m_pView, pit0);
    EXPECT_EQ(m_pView->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(m_pView->cursor().hotSpot(), QPoint(5, 5));
    QTest::mouseMove(m_pView, QPoint(420, 60)); // the store
    EXPECT_EQ(m_pView->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(m_pView, pit0);
    ClickPit(2); // empties pit 2, extra turn
    QTest::mouseMove(m_pView, PitPoint(2));
    EXPECT_EQ(m_pView->cursor().shape(), Qt::ArrowCursor);

    // While the computer has the move the busy cursor stays over a full pit.
    s_bHoldWorker = 1;
    ClickPit(0);
    QGuiApplication::changeOverrideCursor(QCursor(Qt::ArrowCursor));
    QTest::mouseMove(m_pView, PitPoint(3));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ReleaseWorker();
}

TEST_F(FlowTest, AfterTheGameTheArrowShowsEverywhere) {
    Put({0, 0, 0, 0, 0, 1, 20, 4, 4, 4, 4, 5, 6, 0});
    ClickPit(5);
    ASSERT_EQ(m_pView->Board().IsRunning(), 0);
    m_pView->Board().SetPosition({{4, 4, 4, 4, 4, 4, 0}, {0, 0, 0, 0, 0, 0, 0}});
    m_pView->Board().SetRunning(0);
    QTest::mouseMove(m_pView, PitPoint(1));
    EXPECT_EQ(m_pView->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FlowTest, ProgressPaneIsRenewedOnEveryTickWhileTheTurnPaneStays) {
    s_bHoldWorker = 1;
    ClickPit(0);
    Paint();
    m_pStatusBar->SetPaneText(2, U("xx"));
    Tick();
    EXPECT_EQ(Pane(2), U("  0％"));
    EXPECT_EQ(Pane(1), U("パソコンが考え中です"));
    m_pStatusBar->SetPaneText(1, U("yy"));
    Tick();
    EXPECT_EQ(Pane(1), U("yy")); // only a paint writes the turn pane
    ReleaseWorker();
}

} // namespace

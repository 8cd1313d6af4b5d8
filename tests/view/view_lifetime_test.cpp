#include "view_fixture.h"
#include "ui/wait_cursor.h"

namespace {

TEST_F(FlowTest, ClosingTheViewWhileTheComputerThinksStopsItsThread) {
    s_bHoldWorker = 1;
    ClickPit(0);
    ASSERT_EQ(m_pView->IsWorkerRunning(), 1);
    delete m_pView; // the worker is held: only the stop request lets it end
    m_pView = nullptr;
    EXPECT_EQ(WaitCursorCount(), 0);
}

TEST_F(FlowTest, ClosingTheViewWithAFinishedMoveNotYetShown) {
    ClickPit(0);
    AwaitWorker();
    delete m_pView;
    m_pView = nullptr;
    EXPECT_EQ(WaitCursorCount(), 0);
}

// The real search, stopped while it runs: level 4 on the opening thinks long enough for the
// stop to meet it in most runs, and the outcome must be right either way.
TEST_F(FlowTest, NewGameStopsARealSearchAndNothingOfItReachesTheBoard) {
    m_pView->Board().SetLevel(4);
    for (int i = 0; i < 3; ++i) {
        ClickPit(0);
        m_recorder.Answer(IDOK);
        m_pView->OnNewGameFirst();
        EXPECT_EQ(m_pView->IsWorkerRunning(), 0);
        EXPECT_EQ(Live(), kStart);
        Tick();
        EXPECT_EQ(Shown(), kStart);
        EXPECT_FALSE(m_pView->Board().HasHistory());
    }
}

} // namespace

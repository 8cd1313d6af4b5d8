#include "view_fixture.h"

#include "res/resource.h"
#include "ui/pictures.h"
#include "ui/wait_cursor.h"

#include <QTest>
#include <chrono>
#include <thread>

std::atomic<int> FlowTest::s_bHoldWorker{0};

FlowTest::FlowTest() {
    LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
    LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
    LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
    LoadCursors();
    m_pStatusBar = new CStatusBar(&m_window);
    static const int indicators[] = {ID_SEPARATOR, ID_INDICATOR_TURN, ID_INDICATOR_PROGRESS};
    m_pStatusBar->SetIndicators(indicators, 3);
    m_window.setStatusBar(m_pStatusBar);
    m_pView = new CRavelo2View(&m_window);
    m_window.setCentralWidget(m_pView);
    EXPECT_EQ(m_pView->OnCreate(), 0);
    m_pView->KillTimerForTest();
    m_window.show();
    s_bHoldWorker = 0;
    CRavelo2View::SetWorkerHookForTest(&FlowTest::HoldWorker);
}

FlowTest::~FlowTest() {
    s_bHoldWorker = 0;
    // The window takes the view with it; a worker still running is stopped there.
    delete m_pView;
    CRavelo2View::SetWorkerHookForTest(nullptr);
    EXPECT_EQ(WaitCursorCount(), 0) << "every busy cursor has ended";
}

void FlowTest::Click(QPoint point, int dx, int dy) {
    QTest::mousePress(m_pView, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseRelease(m_pView, Qt::LeftButton, Qt::NoModifier, point + QPoint(dx, dy));
}

void FlowTest::ReleaseWorker() {
    s_bHoldWorker = 0;
    AwaitWorker();
}

testing_support::Line FlowTest::Shown() const {
    testing_support::Line line{};
    for (int i = 0; i < kPlaces; ++i) {
        line[static_cast<std::size_t>(i)] = m_pView->Board().GetShownCount(i, kUserRow);
        line[static_cast<std::size_t>(kPlaces + i)] =
            m_pView->Board().GetShownCount(i, kComputerRow);
    }
    return line;
}

void FlowTest::Paint() {
    m_pView->grab();
}

void FlowTest::HoldWorker(CGameBoard* pBoard) {
    while (s_bHoldWorker.load() && !pBoard->IsStopRequested())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

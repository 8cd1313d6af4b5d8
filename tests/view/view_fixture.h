#pragma once

#include "message_recorder.h"
#include "res/resource.h"
#include "support/positions.h"
#include "ui/board_geometry.h"
#include "ui/command_menu.h"
#include "ui/pictures.h"
#include "ui/status_bar.h"
#include "ui/wait_cursor.h"
#include "view/board_accessible.h"
#include "view/ravelo2_view.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <thread>

using namespace testing_support;

// One step of a scenario: what the player, the timer or the computer does, and the facts that
// must hold afterwards, each a word of the window's state (see State).
struct Step {
    const char* pszDo;
    const char* pszThen;
};

// The view in a window with the game's status bar and menu, on the offscreen platform. The real
// timer is stopped, so only the steps' ticks move the turn controller; boxes go to a recorder;
// while held, a starting worker waits before it thinks, until let go or stopped.
class ViewTest : public ::testing::Test {
protected:
    ViewTest() {
        // Every new game takes the next tie-break seed from the test's own, which it prints, so
        // that a failure replays with RAVELO2_TEST_SEED.
        const char* pszSeed = std::getenv("RAVELO2_TEST_SEED");
        s_nSeed = pszSeed ? std::strtoull(pszSeed, nullptr, 10) : 7;
        std::printf("RAVELO2_TEST_SEED=%llu\n", static_cast<unsigned long long>(s_nSeed.load()));
        m_rng.n = s_nSeed;
        CRandom::SetSeedSourceForTest([] { return static_cast<std::uint32_t>(s_nSeed++); });
        LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
        LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
        LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
        LoadCursors();
        m_pStatusBar = new CStatusBar(&m_window);
        const int kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_TURN, ID_INDICATOR_PROGRESS};
        m_pStatusBar->SetIndicators(kIndicators, 3);
        m_window.setStatusBar(m_pStatusBar);
        m_pView = new CRavelo2View(&m_window);
        m_window.setCentralWidget(m_pView);
        EXPECT_EQ(m_pView->OnCreate(), 0);
        m_pView->KillTimerForTest();
        m_menu.Build(m_window.menuBar());
        m_menu.SetRoute(m_pView);
        m_window.show();
        s_bHold = 0;
        m_previousNotifier = SetScreenReaderNotifier([this](QAccessibleEvent* pEvent) {
            if (pEvent->type() == QAccessible::DescriptionChanged)
                m_heard << pEvent->accessibleInterface()->text(QAccessible::Description);
        });
        CRavelo2View::SetWorkerHookForTest([](CComputerPlayer* pPlayer) {
            while (s_bHold.load() && !pPlayer->IsStopRequested())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
    }
    ~ViewTest() override {
        s_bHold = 0;
        delete m_pView; // a worker still running is stopped here
        CRavelo2View::SetWorkerHookForTest(nullptr);
        SetScreenReaderNotifier(m_previousNotifier);
        CRandom::SetSeedSourceForTest(nullptr);
        EXPECT_EQ(WaitCursorCount(), 0) << "every busy cursor has ended";
    }

    static QString U(const char* psz) { return QString::fromUtf8(psz); }
    static QPoint PitPoint(int nPit) {
        const board_layout::Point origin = board_layout::PlaceOrigin(kUserRow, nPit);
        return QPoint(origin.x + 25, origin.y + 25);
    }
    Line Live() const { return Snapshot(m_pView->Board()); }

    // The window's state as words: run, act (the user may act), pend, work (the thread runs),
    // turn, busy (cursors begun), mark (marker due), level, keypit, take and levels (menu items
    // enabled), checked (the checked levels, as digits), the shown and live positions, the panes
    // (spaces as _), the last box with its type, the boxes said, the moves in the history, the
    // pointer's shape and hot spot, the override cursor; from the last paint red (the marker on
    // the newest move's pit) and frame (the user's pit with the keyboard's frame); the tooltip;
    // the board's descriptions that the screen reader heard in the step (| between two), the
    // description of the user's first pit; a sowing being shown (anim), the position on the
    // screen (disp) and status pane 0.
    std::set<std::string> State() {
        // An unheld worker is awaited, so that whether it still runs never depends on its speed.
        if (!s_bHold.load())
            m_pView->WaitForWorkerForTest();
        CGameBoard& board = m_pView->Board();
        const auto line = [](const Line& l) {
            std::string s;
            for (int n : l)
                s += "," + std::to_string(n);
            return s.substr(1);
        };
        const auto word = [](QString s) { return s.replace(' ', '_').toStdString(); };
        const auto shape = [](const QCursor* p) {
            const int n = p ? p->shape() : -1;
            return n == Qt::ArrowCursor  ? "arrow"
                   : n == Qt::WaitCursor ? "wait"
                   : n < 0               ? "none"
                                         : "hand";
        };
        const auto command = [this](int nID) {
            CCmdUI cmdUI(nID);
            m_menu.UpdateCommand(cmdUI);
            return cmdUI;
        };
        int nHistory = 0;
        for (const MoveRecord* p = board.GetHistory(); p; p = p->pNext)
            ++nHistory;
        std::string checked;
        for (int nLevel = 1; nLevel <= 4; ++nLevel)
            checked += command(ID_LEVEL_1 + nLevel - 1).m_nCheck == 1 ? std::to_string(nLevel) : "";
        const QCursor cursor = m_pView->cursor();
        std::ostringstream out;
        out << "run" << board.IsRunning() << " act" << m_pView->UserMayAct() << " pend"
            << m_pView->ComputerPending() << " work" << m_pView->IsWorkerRunning() << " turn"
            << board.IsUserTurn() << " busy" << WaitCursorCount() << " mark"
            << m_pView->ShowLastMove() << " level" << m_pView->Player().GetLevel() << " keypit"
            << m_pView->KeyPit() << " take" << command(ID_GAME_TAKEBACK).m_bEnabled << " levels"
            << command(ID_LEVEL_1).m_bEnabled << " shown=" << line(Snapshot(board, true))
            << " live=" << line(Live()) << " pane1=" << word(m_pStatusBar->GetPaneText(1))
            << " pane2=" << word(m_pStatusBar->GetPaneText(2)) << " box=" << word(m_recorder.Last())
            << " boxes" << m_recorder.Count() << " type"
            << (m_recorder.Count() ? m_recorder.Boxes().back().nType : 99) << " hist" << nHistory
            << " checked" << checked << " cursor=" << shape(&cursor) << " hot"
            << cursor.hotSpot().x() << "," << cursor.hotSpot().y()
            << " override=" << shape(QGuiApplication::overrideCursor()) << " red" << m_bRed
            << " frame" << m_nFrame << " tip=" << word(m_tip)
            << " tipnow=" << word(m_pView->ToolTipText()) << " heard=" << word(m_heard.join('|'))
            << " anim" << m_pView->IsAnimating()
            << " disp=" << line(ToLine(m_pView->DisplayedCounts())) << " pane0="
            << word(m_pStatusBar->currentMessage().isEmpty() ? m_pStatusBar->GetPaneText(0)
                                                             : m_pStatusBar->currentMessage())
            << " pitdesc="
            << word(QAccessible::queryAccessibleInterface(m_pView)->child(0)->text(
                   QAccessible::Description));
        std::istringstream in(out.str());
        return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
    }

    void Key(int nKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool bRepeat = false) {
        QKeyEvent press(QEvent::KeyPress, nKey, modifiers, QString(), bRepeat);
        QCoreApplication::sendEvent(m_pView, &press);
    }

    void Do(const std::string& action) {
        std::istringstream in(action);
        std::string verb, a, b;
        in >> verb >> a >> b;
        const auto point = [](const std::string& s) {
            int x = 0, y = 0;
            return std::sscanf(s.c_str(), "%d,%d", &x, &y) == 2 ? QPoint(x, y)
                                                                : PitPoint(std::stoi(s));
        };
        const std::map<std::string, int> kKeys = {{"left", Qt::Key_Left},
                                                  {"right", Qt::Key_Right},
                                                  {"return", Qt::Key_Return},
                                                  {"space", Qt::Key_Space}};
        const std::map<std::string, int> kCommands = {{"new1", ID_GAME_NEW_FIRST},
                                                      {"new2", ID_GAME_NEW_SECOND},
                                                      {"takeback", ID_GAME_TAKEBACK},
                                                      {"level1", ID_LEVEL_1},
                                                      {"level2", ID_LEVEL_2},
                                                      {"level3", ID_LEVEL_3},
                                                      {"level4", ID_LEVEL_4},
                                                      {"animate", ID_OPTION_ANIMATE},
                                                      {"keepmark", ID_OPTION_KEEP_MARK},
                                                      {"counts", ID_OPTION_COUNTS},
                                                      {"quiet", ID_OPTION_QUIET},
                                                      {"hint", ID_HINT}};
        if (verb == "hold" || verb == "go" || verb == "put")
            s_bHold = verb == "hold";
        if (verb == "put") { // a game in progress at this position, the user to move
            Line l{};
            std::istringstream numbers(action.substr(4));
            for (int& n : l)
                numbers >> n;
            PutPosition(m_pView->Board(), l, 1);
        }
        if (verb == "click" || verb == "press")
            QTest::mousePress(m_pView, Qt::LeftButton, Qt::NoModifier, point(a));
        if (verb == "click" || verb == "release")
            QTest::mouseRelease(m_pView, Qt::LeftButton, Qt::NoModifier,
                                point(a) + (b.empty() ? QPoint() : point(b)));
        if (verb == "move")
            QTest::mouseMove(m_pView, point(a));
        if (verb == "arrow") { // something else took the cursor and the panes
            QGuiApplication::changeOverrideCursor(QCursor(Qt::ArrowCursor));
            m_pStatusBar->SetPaneText(1, "x");
            m_pStatusBar->SetPaneText(2, "x");
        }
        if (verb == "key")
            Key(kKeys.count(a) ? kKeys.at(a) : Qt::Key_1 + std::stoi(a) - 1,
                b == "keypad" ? Qt::KeypadModifier
                : b == "ctrl" ? Qt::ControlModifier
                              : Qt::NoModifier,
                b == "repeat");
        if (verb == "tick")
            m_pView->OnTimer();
        if (verb == "await" || verb == "go")
            m_pView->WaitForWorkerForTest();
        if (verb == "cmd") { // a new game's question is answered OK unless cancelled
            if (a.rfind("new", 0) == 0)
                m_recorder.Answer(b == "cancel" ? IDCANCEL : IDOK);
            m_menu.Execute(kCommands.at(a));
        }
        if (verb == "paint") {
            const QImage image = m_pView->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const MoveRecord* pLast = m_pView->Board().GetHistory();
            int x = 0, y = 0;
            if (pLast)
                GetPitOrigin(pLast->nRow, pLast->nPit, x, y);
            m_bRed = pLast && image.pixel(x + 20, y - 2) == qRgb(255, 0, 0) &&
                     image.pixel(x + 20, y - 3) == qRgb(0, 0, 0) &&
                     image.pixel(x, y - 2) == 0xff000000;
            m_nFrame = -1; // the user's pit framed in its rim: white outside, black inside
            for (int nPit = 0; nPit < 6; ++nPit) {
                const int x = board_layout::PlaceOrigin(kUserRow, nPit).x;
                if (image.pixel(x - 3, 90) == qRgb(255, 255, 255) &&
                    image.pixel(x + kPlaceSize + 1, 90) == qRgb(0, 0, 0))
                    m_nFrame = nPit;
            }
        }
        if (verb == "tip") {
            QHelpEvent event(QEvent::ToolTip, point(a), m_pView->mapToGlobal(point(a)));
            QCoreApplication::sendEvent(m_pView, &event);
            m_tip = event.isAccepted() ? m_pView->ToolTipText() : QString();
        }
        if (verb == "over")
            m_pView->Board().SetRunning(0);
        if (verb == "takeback")
            m_pView->OnTakeBack(); // the handler itself, past the menu's state
        if (verb == "failstart")
            CComputerThread::FailNextStartForTest();
        if (verb == "opentick") // a tick while the next box is open
            m_recorder.WhileOpen([this] { m_pView->OnTimer(); });
        if (verb == "frame") // the next frame of a sowing shown marble by marble
            m_pView->StepAnimationForTest();
        if (verb == "hinted") // the hint's thread has chosen and its timer comes
            m_pView->WaitForHintForTest();
        static const std::set<std::string> kVerbs = {
            "",    "put",  "click",    "press",     "release",  "move",  "arrow",
            "key", "tick", "hold",     "go",        "await",    "cmd",   "paint",
            "tip", "over", "takeback", "failstart", "opentick", "frame", "hinted"};
        if (!kVerbs.count(verb))
            ADD_FAILURE() << "no such step: " << action;
    }

    void Run(std::initializer_list<Step> steps) {
        int nStep = 0;
        for (const Step& step : steps) {
            ++nStep;
            Do(step.pszDo);
            const std::set<std::string> state = State();
            m_heard.clear();
            std::istringstream expected(step.pszThen);
            for (std::string word; expected >> word;) {
                if (!state.count(word)) {
                    std::string all;
                    for (const std::string& w : state)
                        all += w + " ";
                    ADD_FAILURE() << "step " << nStep << " \"" << step.pszDo << "\": no " << word
                                  << "\nstate: " << all;
                }
            }
        }
    }

    static inline std::atomic<int> s_bHold{0};
    static inline std::atomic<std::uint64_t> s_nSeed{0};
    Rng m_rng{0}; // the test's own choices, from the same seed
    CMessageRecorder m_recorder;
    QMainWindow m_window;
    CCommandMenu m_menu;
    CStatusBar* m_pStatusBar = nullptr;
    CRavelo2View* m_pView = nullptr;
    bool m_bRed = false;
    int m_nFrame = -1;
    QString m_tip;
    QStringList m_heard;
    ScreenReaderNotifier m_previousNotifier;
};

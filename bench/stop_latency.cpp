// How long a confirmed new game takes while the computer is deep in a level-4 search with the
// plain (slowest) search: from the OK to the moment the user may move again. Runs the real view
// on the offscreen platform; prints each try and the median and worst.
#include "res/resource.h"
#include "ui/message_box.h"
#include "ui/pictures.h"
#include "ui/status_bar.h"
#include "view/ravelo2_view.h"

#include <QApplication>
#include <QMainWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

// Ten marbles in play: level 4 searches it 28 plies deep, which takes the plain search tens
// of seconds.
const Position kSlow = {{0, 2, 0, 0, 0, 0, 28}, {1, 1, 2, 1, 3, 0, 10}};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    bool bNumber = true;
    const int nTries = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt(&bNumber) : 20;
    if (!bNumber || nTries < 1 || nTries > 10000) {
        std::fprintf(stderr, "usage: stop_latency [TRIES, 1 to 10000]\n");
        return 2;
    }

    LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
    LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
    LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
    LoadCursors();
    QMainWindow window;
    auto* pStatusBar = new CStatusBar(&window);
    static const int indicators[] = {ID_SEPARATOR, ID_INDICATOR_TURN, ID_INDICATOR_PROGRESS};
    pStatusBar->SetIndicators(indicators, 3);
    window.setStatusBar(pStatusBar);
    auto* pView = new CRavelo2View(&window);
    window.setCentralWidget(pView);
    if (pView->OnCreate() != 0) {
        std::fprintf(stderr, "stop_latency: the view could not be created\n");
        return 1;
    }
    pView->KillTimerForTest();
    window.show();
    SetMessageBoxHandler([](QWidget*, const QString&, unsigned) { return IDOK; });

    std::vector<double> ms;
    for (int t = 0; t < nTries; ++t) {
        pView->OnNewGameSecond(); // the computer has the move
        CGameBoard& board = pView->Board();
        CComputerPlayer& player = pView->Player();
        player.SetSearchMode(kSearchPlain);
        player.SetLevel(4);
        board.SetPosition(kSlow);
        board.SetUserTurn(false);
        pView->OnTimer(); // starts the worker
        while (player.GetProgress() < 2) {
            std::this_thread::yield();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // deep in the search
        if (!pView->IsWorkerRunning()) {
            std::fprintf(stderr, "stop_latency: the search ended before the new game\n");
            return 1;
        }
        const auto t0 = std::chrono::steady_clock::now();
        pView->OnNewGameFirst();
        const auto t1 = std::chrono::steady_clock::now();
        if (!pView->UserMayAct() || pView->IsWorkerRunning() || board.HasHistory()) {
            std::fprintf(stderr, "stop_latency: the user cannot move after the new game\n");
            return 1;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        std::printf("try %2d: %.3f ms\n", t + 1, ms.back());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("stop latency over %zu tries: median %.3f ms, worst %.3f ms\n", ms.size(),
                ms[ms.size() / 2], ms.back());
    return 0;
}

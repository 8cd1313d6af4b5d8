// How long the window takes to compose one frame of a game in progress at 1, 2 and 3 device
// pixels per logical pixel: the view's OnDraw into an image of the board's size at that density,
// with crowded pits and a store, and the marker on the pit the computer has just played; with the
// counts on (second argument 1) and, to tell what they cost, off. Runs the real view on the
// offscreen platform.
#include "res/resource.h"
#include "ui/board_geometry.h"
#include "ui/board_painter.h"
#include "ui/pictures.h"
#include "view/ravelo2_view.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// Mid-game, just before the computer sows its pit 1: the user's pit 3 holds 23 marbles and
// its store 9, so one well shows its count on a badge.
const Position kBeforeMove = {{2, 0, 4, 23, 1, 0, 9}, {0, 3, 0, 0, 2, 1, 3}};

void BM_Frame(benchmark::State& state) {
    const int nScale = static_cast<int>(state.range(0));
    CRavelo2View view;
    if (view.OnCreate() != 0) {
        state.SkipWithError("the view could not be created");
        return;
    }
    view.KillTimerForTest();
    view.SetOptions({false, false, state.range(1) != 0, false});
    CGameBoard& board = view.Board();
    board.SetPosition(kBeforeMove);
    board.ApplyMove(1, kComputerRow);
    board.PublishCounts();
    QImage target(kBoardWidth * nScale, kBoardHeight * nScale, QImage::Format_RGB32);
    target.setDevicePixelRatio(nScale);
    for (auto _ : state) {
        QPainter painter(&target);
        view.OnDraw(&painter);
        // The view shows the marker only in the paint that follows the computer's move; drawn
        // over the frame here, it costs what it costs there.
        CBoardPainter(&painter).DrawLastMove(board.GetHistory());
    }
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(BM_Frame)
    ->ArgsProduct({{1, 2, 3}, {1, 0}})
    ->ArgNames({"scale", "counts"})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
    LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
    LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

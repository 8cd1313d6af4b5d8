// The turn controller and the game commands, as scenarios: one step a line, each with the facts
// that hold after it.

#include "view_fixture.h"

namespace {

#define START "4,4,4,4,4,4,0,4,4,4,4,4,4,0"

TEST_F(ViewTest, UserMovesAndAMoveIntoTheOwnStoreKeepsTheMove) {
    Run({{"", "run1 act1 turn1 level1 checked1 take0 levels1 hist0 live=" START},
         {"paint", "pane1=あなたの番です pane2=---％"},
         {"click 2",
          "shown=4,4,0,5,5,5,1,4,4,4,4,4,4,0 live=4,4,0,5,5,5,1,4,4,4,4,4,4,0 act1 take1"},
         {"tick", "act1 work0 pend0 busy0 boxes0"}});
}

// Ticks while the box is open only renew the progress; the game stays over.
TEST_F(ViewTest, EmptyingTheLastUserPitWinsAndEndsTheGame) {
    Run({{"put 0 0 0 0 0 2 19 4 4 4 4 5 6 0", ""},
         {"opentick", ""},
         {"click 5", "run0 act1 turn1 work0 box=あなたの勝ちです type0 boxes1 take0 levels1"},
         {"paint", "pane1=ゲーム終了 pane2=---％"},
         {"put 1 0 0 0 0 0 30 4 4 4 4 1 0 0", ""},
         {"over", ""},
         {"click 0", "live=1,0,0,0,0,0,30,4,4,4,4,1,0,0 boxes1"},
         {"tick", "work0 act1"}});
}

// The computer's only choice is its pit 0 with three marbles: no extra turn.
TEST_F(ViewTest, ComputerThinksOnItsThreadAndItsMoveIsShownOnTheNextTick) {
    Run({{"put 4 4 4 4 4 4 0 3 0 0 0 0 0 21", ""},
         {"hold", ""},
         {"click 0", "shown=0,5,5,5,5,4,0,3,0,0,0,0,0,21 act0 pend1 work1 busy1 override=wait"},
         {"paint", "pane1=パソコンが考え中です pane2=__0％ take0 levels0"},
         {"arrow", ""},
         {"tick", "override=wait pane1=x pane2=__0％ pend1"}, // the busy cursor comes back
         {"press 5", ""},
         {"click 3", "shown=0,5,5,5,5,4,0,3,0,0,0,0,0,21 boxes0"},
         // The worker played on its own copy: the window's board waits for the tick.
         {"go", "shown=0,5,5,5,5,4,0,3,0,0,0,0,0,21 live=0,5,5,5,5,4,0,3,0,0,0,0,0,21 pend1 work0"},
         {"tick", "shown=0,5,5,5,5,4,0,0,1,1,1,0,0,21 act1 pend0 busy0 override=none mark1 "
                  "heard=あなたの番です。コンピュータが選んだ箱:_コンピュータの箱_6"},
         {"paint", "red1 mark0 pane1=あなたの番です pane2=---％ take1"}, // the marker, once
         {"paint", "red0"},
         {"release 5", "live=0,5,5,5,5,4,0,0,1,1,1,0,0,21 boxes0"}}); // the press went unheard
}

// Computer pit 4 holds two: into pit 5 and its store, another move; then pit 5's one marble
// empties its row. Its moves show one at a time, the next starting a tick after the first. The
// screen reader hears each turn as it settles, with the computer's pits since the user's move.
TEST_F(ViewTest, ComputerExtraTurnsAreShownOneAtATimeAndItsEmptyRowWins) {
    Run({{"put 4 4 4 4 4 4 0 0 0 0 0 2 0 22", ""},
         {"click 0", "heard=パソコンが考え中です pitdesc="},
         {"await", ""},
         {"tick", "shown=0,5,5,5,5,4,0,0,0,0,0,0,1,23 act0 pend0 busy0 mark1 "
                  "heard=パソコンが考え中です。コンピュータが選んだ箱:_コンピュータの箱_2"},
         {"tick", "pend1 busy1 heard="},
         {"await", ""},
         {"tick",
          "shown=0,5,5,5,5,4,0,0,0,0,0,0,0,24 run0 act1 turn1 box=あなたの負けです busy0 "
          "heard=ゲーム終了。コンピュータが選んだ箱:_コンピュータの箱_2、コンピュータの箱_1 "
          "pitdesc=コンピュータが選んだ箱:_コンピュータの箱_2、コンピュータの箱_1"},
         {"click 1", "boxes1"},
         {"cmd new1", "heard=あなたの番です pitdesc="}});
}

TEST_F(ViewTest, ReleasesOffAFullUserPitAreRefusedAndChangeNothing) {
    const char* const kRefused =
        "box=そこは選択できません！ type0 live=4,4,0,5,5,5,1,4,4,4,4,4,4,0 hist1 work0";
    Run({{"click 2", "hist1"}, // an extra turn: the user still to move
         {"click 420,60", kRefused},
         {"click 100,20", kRefused},
         {"click 116,80", kRefused},
         {"click 2", kRefused},
         {"", "boxes4"}});
}

TEST_F(ViewTest, ReleaseIsAClickOnlyWithinFivePixelsOfTheAcceptedPress) {
    Run({{"release 2", "live=" START},
         {"click 2 6,0", "live=" START},
         {"click 2 -6,0", "live=" START},
         {"click 2 0,6", "live=" START},
         {"click 2 0,-6", "live=" START},
         {"click 80,70 0,6", "live=" START " boxes0"},
         {"click 113,80 5,0", "box=そこは選択できません！"}, // pit 0's last column, then the gap
         {"click 2 5,-5", "live=4,4,0,5,5,5,1,4,4,4,4,4,4,0"}});
}

TEST_F(ViewTest, WorkerThatCannotStartShowsTheUnchangedPositionThenTriesAgain) {
    Run({{"failstart", ""},
         {"click 0", "work0 pend1 busy1"},
         {"tick", "shown=0,5,5,5,5,4,0,4,4,4,4,4,4,0 act0 pend0 busy0 turn0"},
         {"tick", "pend1 busy1"},
         {"await", ""},
         {"tick", "pend0 mark1"}});
}

TEST_F(ViewTest, HandOnlyOverAUserPitWithMarblesWhileTheUserMayPlay) {
    Run({{"move 0", "cursor=hand hot5,5"},
         {"over", ""},
         {"move 1", "cursor=arrow"},
         {"put 4 4 4 4 4 4 0 4 4 4 4 4 4 0", ""},
         {"move 0", "cursor=hand hot5,5"},
         {"move 420,60", "cursor=arrow"},
         {"click 2", ""},
         {"move 2", "cursor=arrow"},
         {"hold", ""},
         {"click 0", ""},
         {"arrow", ""},
         {"move 3", "override=wait"}, // the busy cursor stays while the computer thinks
         {"go", ""},
         {"tick", ""}});
}

// Take-back and levels need the user's turn; take-back also a running game and a history.
TEST_F(ViewTest, MenuItemsFollowTheStateOfTheGame) {
    Run({{"put 4 4 4 4 4 4 0 3 0 0 0 0 0 21", "take0 levels1"},
         {"click 2", "take1 levels1"},
         {"hold", ""},
         {"click 0", "take0 levels0"},
         {"go", "take0 levels0"},
         {"tick", "take1 levels1"},
         {"cmd level4", "level4 checked4"},
         {"cmd level3", "level3 checked3"},
         {"cmd new2", "take0 levels0 level3 checked3"},
         {"cmd new1", "level3"},
         {"put 0 0 0 0 0 1 20 4 4 4 4 5 6 0", ""},
         {"click 5", "run0 take0 levels1"},
         {"cmd level1", "level1 checked1"}});
}

TEST_F(ViewTest, NewGameIsAskedFirstAndAbandonsTheComputersMoveWhetherThinkingOrReady) {
    for (const char* pszWait : {"hold", "await"}) {
        const bool bHeld = pszWait[0] == 'h';
        Run({{"put 4 4 4 4 4 4 0 3 0 0 0 0 0 21", ""},
             {bHeld ? "hold" : "", ""},
             {"click 0", ""},
             {pszWait, ""},
             {"cmd new1 cancel",
              bHeld ? "box=現在のゲームを放棄し，新しく始めますか？ type33 pend1 work1"
                    : "pend1 work0"},
             {"cmd new1", "work0 pend0 busy0 act1 turn1 hist0 live=" START},
             {"tick", "shown=" START " pend0"}});
    }
}

TEST_F(ViewTest, NewGameSecondLetsTheComputerOpenOnTheNextTickWithoutAMarker) {
    Run({{"put 4 4 4 4 4 4 0 3 0 0 0 0 0 21", ""},
         {"click 0", ""},
         {"await", ""},
         {"tick", "mark1"},
         {"cmd level2", ""},
         {"cmd new2", "mark0 act0 turn0 shown=" START},
         {"paint", "pane1=パソコンが考え中です pane2=__0％"},
         {"tick", "pend1"},
         {"await", ""},
         {"tick", "act1 shown=4,4,4,4,4,4,0,0,5,5,5,5,4,0"}, // level 2 opens with pit 0
         {"takeback", "act0 turn0 shown=" START}, // the computer's opening alone: its move again
         {"tick", "pend1"}});
}

TEST_F(ViewTest, TakeBackUndoesTheUsersMoveWithTheComputersReplies) {
    Run({{"put 4 4 4 4 4 4 0 3 0 0 0 0 0 21", ""},
         {"click 2", ""}, // an extra turn
         {"click 0", ""},
         {"await", ""},
         {"tick", "hist2"},
         {"cmd takeback", "shown=4,4,0,5,5,5,1,3,0,0,0,0,0,21 act1 turn1 hist0 take0 "
                          "heard=あなたの番です pitdesc="},
         {"takeback", "box=「待った！」はできません！ boxes1"}, // past the menu: refused
         {"over", ""},
         {"takeback", "boxes1"}}); // after the game: silent
}

} // namespace

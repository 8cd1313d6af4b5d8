// The options of a modern way to play, as scenarios: sowings shown marble by marble, the mark
// kept, quiet refusals and the hint.

#include "view_fixture.h"

namespace {

// The pit empties at once and the computer starts thinking; its move waits for the user's
// sowing, which a click ends without playing; its own sowing brings the marker with its last
// frame.
TEST_F(ViewTest, SowingsShownMarbleByMarbleAndAClickOnlyEndsOne) {
    Run({{"cmd animate", ""},
         {"click 2", "anim1 act1"}, // into the own store: the user moves again
         {"click 2", "anim0 boxes0 live=4,4,0,5,5,5,1,4,4,4,4,4,4,0"},
         {"put 4 4 4 4 4 4 0 3 0 0 0 0 0 21", ""},
         {"hold", ""},
         {"click 0", "anim1 disp=0,4,4,4,4,4,0,3,0,0,0,0,0,21 shown=0,5,5,5,5,4,0,3,0,0,0,0,0,21 "
                     "act0 pend1 work1"},
         {"frame", "disp=0,5,4,4,4,4,0,3,0,0,0,0,0,21"},
         {"go", ""},
         {"tick", "anim1 pend1 mark0"},
         {"click 3", "anim0 disp=0,5,5,5,5,4,0,3,0,0,0,0,0,21 live=0,5,5,5,5,4,0,3,0,0,0,0,0,21 "
                     "boxes0"},
         {"tick", "anim1 disp=0,5,5,5,5,4,0,0,0,0,0,0,0,21 pend1 mark0"},
         {"frame", ""},
         {"frame", "anim1 mark0 act0"},
         {"frame", "anim0 mark1 act1 disp=0,5,5,5,5,4,0,0,1,1,1,0,0,21 busy0 "
                   "heard=あなたの番です。コンピュータが選んだ箱:_コンピュータの箱_6"},
         {"paint", "red1"},
         {"put 0 0 0 0 0 2 19 4 4 4 4 5 6 0", ""},
         {"click 5", "run0 anim1 boxes0"},
         {"frame", "boxes0"},
         {"frame", "anim0 box=あなたの勝ちです boxes1"}}); // the box after the last frame
}

// The mark stays through every paint until the next sowing; a quiet refusal is said in status
// pane 0, not in a box.
TEST_F(ViewTest, TheKeptMarkLastsUntilTheNextSowingAndRefusalsCanBeQuiet) {
    Run({{"cmd keepmark", ""},
         {"cmd quiet", ""},
         {"put 4 4 4 4 4 4 0 3 0 0 0 0 0 21", ""},
         {"click 0", ""},
         {"await", ""},
         {"tick", "mark1"},
         {"paint", "red1 mark1"},
         {"paint", "red1 mark1"},
         {"click 420,60", "boxes0 pane0=そこは選択できません！ mark1"},
         {"click 1", "mark0"},
         {"paint", "red0"}});
}

// The hint names the level-4 player's pit for the user, moves the key focus there and lasts
// until the next move; it is asked on the user's move only.
TEST_F(ViewTest, AHintMovesTheKeyFocusToTheBestPitUntilTheNextMove) {
    Run({{"put 0 0 0 0 0 1 23 4 4 4 4 4 4 0", ""}, // the last marble ends the game
         {"cmd hint", ""},
         {"hinted", "keypit5 pane0=ヒント:_あなたの箱_6"},
         {"key return", "run0 box=あなたの勝ちです pane0=ラヴェロへようこそ"},
         {"cmd hint", ""},
         {"hinted", "pane0=ラヴェロへようこそ"}});
}

// A hint draws its tie-breaks from a generator of its own: the computer's reply is the same with
// or without one.
TEST_F(ViewTest, AHintNeverChangesTheComputersNextChoice) {
    std::vector<Line> replies;
    for (const char* pszHint : {"", "cmd hint"}) {
        s_nSeed = 99; // the next new game's tie-break seed
        Run({{"cmd new1", ""},
             {pszHint, ""},
             {"hinted", ""},
             {"click 0", ""},
             {"await", ""},
             {"tick", "act1"}});
        replies.push_back(Snapshot(m_pView->Board(), true));
    }
    EXPECT_EQ(replies[0], replies[1]);
}

} // namespace

// A whole game at level 2 through the real window, from the first click to the last box: the
// run that the leak check watches from start to end.

#include "app/main_frame.h"
#include "app/ravelo2_doc.h"
#include "view/ravelo2_view.h"
#include "res/resource.h"
#include "res/texts.h"
#include "ui/command_menu.h"
#include "ui/message_box.h"
#include "ui/pictures.h"
#include "ui/wait_cursor.h"

#include <QTest>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(FullGame, UserClicksUntilTheGameEndsAtLevel2) {
    LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
    LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
    LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
    LoadCursors();
    std::vector<QString> boxes;
    MessageBoxHandler previous =
        SetMessageBoxHandler([&boxes](QWidget*, const QString& text, unsigned) {
            boxes.push_back(text);
            return IDOK;
        });
    {
        CRavelo2Doc doc;
        CMainFrame frame;
        ASSERT_EQ(frame.LoadFrame(&doc, nullptr), 1);
        CRavelo2View* pView = frame.GetActiveView();
        pView->KillTimerForTest();
        frame.show();
        ASSERT_EQ(frame.GetCommandMenu()->Execute(ID_LEVEL_2), 1);
        ASSERT_EQ(pView->Board().GetLevel(), 2);

        // Each turn the user plays the rightmost pit that holds marbles; the computer answers.
        int nUserMoves = 0;
        while (pView->Board().IsRunning() && nUserMoves < 200) {
            if (pView->UserMayAct()) {
                int nPit = kPits - 1;
                while (nPit > 0 && pView->Board().GetShownCount(nPit, kUserRow) == 0)
                    --nPit;
                const QPoint point(64 + 57 * nPit + 25, 89);
                QTest::mouseClick(pView, Qt::LeftButton, Qt::NoModifier, point);
                ++nUserMoves;
            } else {
                pView->WaitForWorkerForTest();
                pView->OnTimer();
            }
            pView->grab();
        }
        EXPECT_FALSE(pView->Board().IsRunning());
        ASSERT_FALSE(boxes.empty());
        EXPECT_TRUE(boxes.back() == QString::fromUtf8(kTextYouWin) ||
                    boxes.back() == QString::fromUtf8(kTextYouLose));
        // Every click landed on a pit with marbles: nothing else was said.
        EXPECT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(pView->Board().IsSideEmpty(kSideUser) ||
                    pView->Board().IsSideEmpty(kSideComputer));
    }
    EXPECT_EQ(WaitCursorCount(), 0);
    SetMessageBoxHandler(std::move(previous));
}

} // namespace

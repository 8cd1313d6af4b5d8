// The board without a mouse and in a screen reader's hands: keys, the accessible tree and its
// events; the tooltips; and the pointer between two logical pixels of a scaled screen.

#include "view/board_accessible.h"
#include "view_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <vector>

namespace {

class AccessTest : public ViewTest {
protected:
    void Key(int nKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool bRepeat = false) {
        QKeyEvent press(QEvent::KeyPress, nKey, modifiers, QString(), bRepeat);
        QCoreApplication::sendEvent(m_pView, &press);
    }
    QAccessibleInterface* Board() const { return QAccessible::queryAccessibleInterface(m_pView); }
    // The tooltip for the logical point, as resting the pointer there asks for it.
    QString Tip(QPoint point) {
        QHelpEvent event(QEvent::ToolTip, point, m_pView->mapToGlobal(point));
        QCoreApplication::sendEvent(m_pView, &event);
        return event.isAccepted() ? m_pView->ToolTipText() : QString();
    }
    void Pointer(QEvent::Type type, QPointF point) {
        QMouseEvent event(type, point, m_pView->mapToGlobal(point), Qt::LeftButton,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(m_pView, &event);
    }
};

// The user always plays the pit nearest the store, by its number or by walking the focus to
// it, until the game is over.
TEST_F(AccessTest, AWholeGameIsPlayedWithKeysAlone) {
    Command(ID_LEVEL_2);
    for (int nMove = 0; m_pView->Board().IsRunning() && nMove < 2000; ++nMove) {
        if (!m_pView->UserMayAct()) {
            AwaitWorker();
            Tick();
            continue;
        }
        int nPit = 5;
        while (nPit > 0 && m_pView->Board().GetShownCount(nPit, kUserRow) == 0)
            --nPit;
        if (nMove % 2) {
            Key(Qt::Key_1 + nPit, nMove % 4 == 1 ? Qt::KeypadModifier : Qt::NoModifier);
            continue;
        }
        for (int i = 0; i < 6 && m_pView->KeyPit() != nPit; ++i)
            Key(m_pView->KeyPit() < nPit ? Qt::Key_Right : Qt::Key_Left);
        Key(nMove % 4 ? Qt::Key_Return : Qt::Key_Space);
    }
    ASSERT_EQ(m_pView->Board().IsRunning(), 0);
    EXPECT_EQ(m_recorder.Count(), 1u); // no refusal on the way, only the end of the game
    EXPECT_TRUE(m_recorder.Last() == U("あなたの勝ちです") ||
                m_recorder.Last() == U("あなたの負けです"));
}

TEST_F(AccessTest, KeysMeetTheGateAndRefusalsOfAClick) {
    Key(Qt::Key_3, Qt::NoModifier, true); // held down: the repeats never sow
    Key(Qt::Key_Space);                   // no pit has the focus yet
    Key(Qt::Key_3, Qt::ControlModifier);  // not a key of the board
    EXPECT_EQ(Live(), kStart);
    Key(Qt::Key_3); // an extra turn
    Key(Qt::Key_3);
    EXPECT_EQ(m_recorder.Last(), U("そこは選択できません！"));
    Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21});
    s_bHold = 1;
    Key(Qt::Key_1);
    const Line shown = Shown();
    Key(Qt::Key_2); // the computer has the move
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), shown);
    Release();
    Tick();
    m_pView->Board().SetRunning(0); // game over
    const Line over = Live();
    Key(Qt::Key_2);
    EXPECT_EQ(Live(), over);
    EXPECT_EQ(m_recorder.Count(), 1u);
}

TEST_F(AccessTest, FocusWalksTheUserPitsInTheirRimAndAClickLeavesIt) {
    ClickPit(2); // an extra turn
    const QImage before = Paint();
    Key(Qt::Key_Left);
    EXPECT_EQ(m_pView->KeyPit(), 0);
    for (int i = 0; i < 7; ++i)
        Key(Qt::Key_Right);
    EXPECT_EQ(m_pView->KeyPit(), 5);
    Key(Qt::Key_Left);
    ClickPit(2); // refused: the pit is empty; the focus stays on pit 4
    EXPECT_EQ(m_pView->KeyPit(), 4);
    const QImage after = Paint();
    const int x0 = 64 + 57 * 4;
    EXPECT_EQ(after.pixel(x0 - 3, 90), qRgb(255, 255, 255));
    EXPECT_EQ(after.pixel(x0 + 51, 90), qRgb(0, 0, 0));
    EXPECT_NE(before.pixel(x0 + 51, 90), qRgb(0, 0, 0)); // no frame before a key was used
    EXPECT_NE(after.pixel(64 - 2, 90), qRgb(0, 0, 0));   // nor where the focus has left
    for (int y = 64; y < 114; ++y) {                     // the square and its marbles stay
        for (int x = x0; x < x0 + 50; ++x)
            ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
    }
}

TEST_F(AccessTest, ScreenReaderSeesTheBoardsFourteenPlacesAndItsTurn) {
    QAccessibleInterface* pBoard = Board();
    ASSERT_NE(pBoard, nullptr);
    Paint();
    EXPECT_EQ(pBoard->text(QAccessible::Name), U("ラヴェロのボード"));
    EXPECT_EQ(pBoard->text(QAccessible::Description), U("あなたの番です"));
    Put({1, 0, 2, 0, 0, 0, 20, 3, 0, 0, 0, 0, 5, 17});
    ASSERT_EQ(pBoard->childCount(), 14);
    const char* const kNames[] = {
        "あなたの箱 1: ビー玉 1個",       "あなたの箱 2: ビー玉 0個",
        "あなたの箱 3: ビー玉 2個",       "あなたの箱 4: ビー玉 0個",
        "あなたの箱 5: ビー玉 0個",       "あなたの箱 6: ビー玉 0個",
        "あなたの右端の箱: ビー玉 20個",  "コンピュータの箱 6: ビー玉 3個",
        "コンピュータの箱 5: ビー玉 0個", "コンピュータの箱 4: ビー玉 0個",
        "コンピュータの箱 3: ビー玉 0個", "コンピュータの箱 2: ビー玉 0個",
        "コンピュータの箱 1: ビー玉 5個", "コンピュータの左端の箱: ビー玉 17個"};
    const int kOrigins[14][2] = {{64, 64},  {121, 64}, {178, 64}, {235, 64}, {292, 64},
                                 {349, 64}, {406, 36}, {349, 7},  {292, 7},  {235, 7},
                                 {178, 7},  {121, 7},  {64, 7},   {7, 35}};
    for (int i = 0; i < 14; ++i) {
        QAccessibleInterface* pPlace = pBoard->child(i);
        EXPECT_EQ(pPlace->text(QAccessible::Name), U(kNames[i]));
        EXPECT_EQ(pPlace->role(), i < 6 ? QAccessible::Button : QAccessible::StaticText);
        EXPECT_EQ(
            pPlace->rect(),
            QRect(m_pView->mapToGlobal(QPoint(kOrigins[i][0], kOrigins[i][1])), QSize(50, 50)));
        EXPECT_EQ(pPlace->actionInterface() != nullptr, i < 6);
        EXPECT_EQ(pBoard->indexOfChild(pPlace), i);
    }
}

std::vector<std::pair<QAccessible::Event, QString>> g_events;

// A press returns at once and plays the pit from the event loop, through the gate and the
// refusals of a click; the places that changed are named again, and the focus is announced.
TEST_F(AccessTest, PressPlaysAPitLaterAndTheReaderHearsWhatChanged) {
    const ScreenReaderNotifier previous = SetScreenReaderNotifier([](QAccessibleEvent* pEvent) {
        g_events.emplace_back(pEvent->type(),
                              pEvent->accessibleInterface()->text(QAccessible::Name));
    });
    g_events.clear();
    QAccessibleInterface* pBoard = Board();
    pBoard->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Live(), kStart);
    QCoreApplication::processEvents();
    EXPECT_EQ(Live(), (Line{4, 4, 0, 5, 5, 5, 1, 4, 4, 4, 4, 4, 4, 0}));
    std::vector<QString> changed;
    for (const auto& [type, name] : g_events)
        if (type == QAccessible::NameChanged)
            changed.push_back(name);
    EXPECT_EQ(changed,
              (std::vector<QString>{U("あなたの箱 3: ビー玉 0個"), U("あなたの箱 4: ビー玉 5個"),
                                    U("あなたの箱 5: ビー玉 5個"), U("あなたの箱 6: ビー玉 5個"),
                                    U("あなたの右端の箱: ビー玉 1個")}));
    pBoard->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(m_recorder.Last(), U("そこは選択できません！"));
    g_events.clear();
    Key(Qt::Key_Right);
    ASSERT_EQ(g_events.size(), 1u);
    EXPECT_EQ(g_events[0], std::pair(QAccessible::Focus, U("あなたの箱 1: ビー玉 4個")));
    SetScreenReaderNotifier(previous);
}

// The tooltip reads the shown position, also while the computer works on the live one and
// after the game; an open one follows the next move that is shown.
TEST_F(AccessTest, TooltipsNameEachPlaceWithTheMarblesOnTheBoard) {
    EXPECT_EQ(Tip(QPoint(420, 60)), U("あなたの右端の箱: ビー玉 0個"));
    EXPECT_EQ(Tip(QPoint(30, 60)), U("コンピュータの左端の箱: ビー玉 0個"));
    EXPECT_EQ(Tip(QPoint(70, 20)), U("コンピュータの箱 1: ビー玉 4個"));
    EXPECT_EQ(Tip(QPoint(116, 80)), QString()); // the gap between two pits
    Put({4, 4, 4, 4, 4, 4, 0, 3, 0, 0, 0, 0, 0, 21});
    s_bHold = 1;
    ClickPit(0);
    EXPECT_EQ(Tip(QPoint(360, 20)), U("コンピュータの箱 6: ビー玉 3個"));
    Release();
    EXPECT_EQ(Tip(QPoint(360, 20)), U("コンピュータの箱 6: ビー玉 3個"));
    Tick();
    EXPECT_EQ(m_pView->ToolTipText(), U("コンピュータの箱 6: ビー玉 0個"));
    m_pView->Board().SetRunning(0);
    EXPECT_EQ(Tip(PitPoint(1)), U("あなたの箱 2: ビー玉 5個"));
}

// At 1.5 device pixels per logical pixel a device pixel lies in the logical pixel that holds
// its corner: the hand shows on every device pixel whose corner lies on a pit's square.
TEST_F(AccessTest, AtRatioOnePointFiveEveryEdgePixelOfAPitFindsThatPit) {
    for (int nPit = 0; nPit < 6; ++nPit) {
        const int x0 = 64 + 57 * nPit;
        for (int d = x0 * 3 / 2 - 2; d <= (x0 + 50) * 3 / 2 + 1; ++d) {
            const double x = d / 1.5;
            Pointer(QEvent::MouseMove, QPointF(x, 89));
            const bool bOn = x >= x0 && x < x0 + 50;
            ASSERT_EQ(m_pView->cursor().shape(), bOn ? Qt::BitmapCursor : Qt::ArrowCursor) << d;
        }
    }
    for (int d : {95, 96, 170, 171}) {
        Pointer(QEvent::MouseMove, QPointF(100, d / 1.5));
        EXPECT_EQ(m_pView->cursor().shape(),
                  d == 96 || d == 170 ? Qt::BitmapCursor : Qt::ArrowCursor)
            << d;
    }
    s_bHold = 1;
    Pointer(QEvent::MouseButtonPress, QPointF(256 / 1.5, 89)); // pit 1's last, partial column
    Pointer(QEvent::MouseButtonRelease, QPointF(256 / 1.5, 89));
    EXPECT_EQ(Live(), (Line{4, 0, 5, 5, 5, 5, 0, 4, 4, 4, 4, 4, 4, 0}));
}

} // namespace

// The board without a mouse and in a screen reader's hands: keys, the accessible tree and its
// events; the tooltips; and the pointer between two logical pixels of a scaled screen.

#include "view/board_accessible.h"
#include "view_fixture.h"

#include <QAccessibleActionInterface>
#include <vector>

namespace {

#define START "4,4,4,4,4,4,0,4,4,4,4,4,4,0"

// The user always plays the pit nearest the store, by its number (on the main keys or the
// keypad) or by walking the focus to it and pressing Enter or Space, until the game is over.
TEST_F(ViewTest, AWholeGameIsPlayedWithKeysAlone) {
    Do("cmd level2");
    for (int nMove = 0; m_pView->Board().IsRunning() && nMove < 2000; ++nMove) {
        if (!m_pView->UserMayAct()) {
            Do("await");
            Do("tick");
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

// A held key never sows twice; the focus shows on the leftmost pit at the first arrow, stops at
// the ends, may rest on an empty pit and stays where it is when the mouse plays; it is drawn in
// the pit's rim. Keys meet the gate and the refusals of a click.
TEST_F(ViewTest, KeysMeetTheGateAndRefusalsOfAClickAndTheFocusWalksTheRim) {
    Run({{"key 3 repeat", "live=" START},
         {"key space", "live=" START " keypit-1"}, // no pit has the focus yet
         {"key 3 ctrl", "live=" START},
         {"paint", "frame-1"},
         {"key 3", "live=4,4,0,5,5,5,1,4,4,4,4,4,4,0 act1"}, // into the own store
         {"key 3", "box=そこは選択できません！ boxes1"},
         {"key left", "keypit0"},
         {"key left", "keypit0"},
         {"key right", "keypit1"},
         {"key right", "keypit2"},
         {"key return", "box=そこは選択できません！ boxes2"}, // the focused pit is empty
         {"click 2", "keypit2 boxes3"}, // the mouse leaves the focus where it is
         {"paint", "frame2"},
         {"put 4 4 4 4 4 4 0 3 0 0 0 0 0 21", ""},
         {"hold", ""},
         {"key 1 keypad", "act0 pend1 live=0,5,5,5,5,4,0,3,0,0,0,0,0,21"},
         {"key 2", "shown=0,5,5,5,5,4,0,3,0,0,0,0,0,21"}, // the computer has the move
         {"key right", "keypit3"},
         {"key return", "shown=0,5,5,5,5,4,0,3,0,0,0,0,0,21"},
         {"go", ""},
         {"tick", "act1"},
         {"over", ""},
         {"key 2", "live=0,5,5,5,5,4,0,0,1,1,1,0,0,21 boxes3"}}); // after the game
}

TEST_F(ViewTest, TooltipsNameEachPlaceWithTheMarblesOnTheBoard) {
    Run({{"tip 420,60", "tip=あなたの右端の箱:_ビー玉_0個"},
         {"tip 30,60", "tip=コンピュータの左端の箱:_ビー玉_0個"},
         {"tip 70,20", "tip=コンピュータの箱_1:_ビー玉_4個"},
         {"tip 116,80", "tip="}, // between two pits
         {"put 4 4 4 4 4 4 0 3 0 0 0 0 0 21", ""},
         {"hold", ""},
         {"click 0", ""},
         {"tip 360,20", "tip=コンピュータの箱_6:_ビー玉_3個"},
         {"go", ""}, // the computer has moved on the live board; the tip tells the shown one
         {"tip 360,20", "tip=コンピュータの箱_6:_ビー玉_3個"},
         {"tick", "tipnow=コンピュータの箱_6:_ビー玉_0個"}, // the open tip follows the move
         {"over", ""},
         {"tip 1", "tip=あなたの箱_2:_ビー玉_5個"}});
}

TEST_F(ViewTest, ScreenReaderSeesTheBoardsFourteenPlacesAndItsTurn) {
    QAccessibleInterface* pBoard = QAccessible::queryAccessibleInterface(m_pView);
    ASSERT_NE(pBoard, nullptr);
    Do("paint");
    EXPECT_EQ(pBoard->text(QAccessible::Name), U("ラヴェロのボード"));
    EXPECT_EQ(pBoard->text(QAccessible::Description), U("あなたの番です"));
    Do("put 1 0 2 0 0 0 20 3 0 0 0 0 5 17");
    ASSERT_EQ(pBoard->childCount(), 14);
    const char* const kNames[] = {
        "あなたの箱 1: ビー玉 1個",       "あなたの箱 2: ビー玉 0個",
        "あなたの箱 3: ビー玉 2個",       "あなたの箱 4: ビー玉 0個",
        "あなたの箱 5: ビー玉 0個",       "あなたの箱 6: ビー玉 0個",
        "あなたの右端の箱: ビー玉 20個",  "コンピュータの箱 6: ビー玉 3個",
        "コンピュータの箱 5: ビー玉 0個", "コンピュータの箱 4: ビー玉 0個",
        "コンピュータの箱 3: ビー玉 0個", "コンピュータの箱 2: ビー玉 0個",
        "コンピュータの箱 1: ビー玉 5個", "コンピュータの左端の箱: ビー玉 17個"};
    for (int i = 0; i < 14; ++i) {
        QAccessibleInterface* pPlace = pBoard->child(i);
        int x = 0, y = 0;
        GetPitOrigin(i / 7, i % 7, x, y);
        EXPECT_EQ(pPlace->text(QAccessible::Name), U(kNames[i]));
        EXPECT_EQ(pPlace->role(), i < 6 ? QAccessible::Button : QAccessible::StaticText);
        EXPECT_EQ(pPlace->rect(), QRect(m_pView->mapToGlobal(QPoint(x, y)), QSize(50, 50)));
        EXPECT_EQ(pPlace->actionInterface() != nullptr, i < 6);
        EXPECT_EQ(pBoard->indexOfChild(pPlace), i);
    }
}

std::vector<std::pair<QAccessible::Event, QString>> g_events;

// A press returns at once and plays the pit from the event loop, through the gate and the
// refusals of a click; the places that changed are named again, and the focus is announced.
TEST_F(ViewTest, PressPlaysAPitLaterAndTheReaderHearsWhatChanged) {
    const ScreenReaderNotifier previous = SetScreenReaderNotifier([](QAccessibleEvent* pEvent) {
        g_events.emplace_back(pEvent->type(),
                              pEvent->accessibleInterface()->text(QAccessible::Name));
    });
    g_events.clear();
    const auto press = [this](int nPit) {
        QAccessibleInterface* pBoard = QAccessible::queryAccessibleInterface(m_pView);
        pBoard->child(nPit)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(2);
    EXPECT_EQ(Live(), kStart);
    QCoreApplication::processEvents();
    EXPECT_EQ(Live(), (Line{4, 4, 0, 5, 5, 5, 1, 4, 4, 4, 4, 4, 4, 0}));
    EXPECT_EQ(g_events, (std::vector<std::pair<QAccessible::Event, QString>>{
                            {QAccessible::NameChanged, U("あなたの箱 3: ビー玉 0個")},
                            {QAccessible::NameChanged, U("あなたの箱 4: ビー玉 5個")},
                            {QAccessible::NameChanged, U("あなたの箱 5: ビー玉 5個")},
                            {QAccessible::NameChanged, U("あなたの箱 6: ビー玉 5個")},
                            {QAccessible::NameChanged, U("あなたの右端の箱: ビー玉 1個")}}));
    press(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_recorder.Last(), U("そこは選択できません！"));
    g_events.clear();
    Key(Qt::Key_Right);
    EXPECT_EQ(g_events, (std::vector<std::pair<QAccessible::Event, QString>>{
                            {QAccessible::Focus, U("あなたの箱 1: ビー玉 4個")}}));
    Run({{"hold", ""}, {"click 0", "act0"}});
    press(1); // the computer has the move: the press does nothing
    QCoreApplication::processEvents();
    EXPECT_EQ(Live(), (Line{0, 5, 1, 6, 6, 5, 1, 4, 4, 4, 4, 4, 4, 0}));
    SetScreenReaderNotifier(previous);
}

// At 1.5 device pixels per logical pixel a device pixel lies in the logical pixel that holds its
// corner: the hand shows on every device pixel of a row whose corner lies on a pit's square, and
// a click there plays that pit.
TEST_F(ViewTest, AtRatioOnePointFiveEveryEdgePixelOfAPitFindsThatPit) {
    const auto pointer = [this](QEvent::Type type, QPointF point) {
        QMouseEvent event(type, point, m_pView->mapToGlobal(point),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(m_pView, &event);
    };
    for (int nPit = 0; nPit < 6; ++nPit) {
        const int x0 = board_layout::PlaceOrigin(kUserRow, nPit).x;
        for (int d = x0 * 3 / 2 - 2; d <= (x0 + 50) * 3 / 2 + 1; ++d) {
            pointer(QEvent::MouseMove, QPointF(d / 1.5, 89));
            const bool bOn = d / 1.5 >= x0 && d / 1.5 < x0 + 50;
            ASSERT_EQ(m_pView->cursor().shape(), bOn ? Qt::BitmapCursor : Qt::ArrowCursor) << d;
        }
    }
    Do("hold");
    pointer(QEvent::MouseButtonPress, QPointF(256 / 1.5, 89)); // pit 1's last, partial column
    pointer(QEvent::MouseButtonRelease, QPointF(256 / 1.5, 89));
    EXPECT_EQ(Live(), (Line{4, 0, 5, 5, 5, 5, 0, 4, 4, 4, 4, 4, 4, 0}));
}

} // namespace

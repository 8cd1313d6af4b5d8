// The menu bar against the command table, the prompts in pane 0, and the window's keys.

#include "message_recorder.h"
#include "res/menu_table.h"
#include "res/resource.h"
#include "shell_fixture.h"
#include "ui/cmd_ui.h"
#include "ui/file_dialog.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

class MenuTest : public ShellTest {
protected:
    QMenu* Popup(int nIndex) const { return Menu()->Popups().at(static_cast<std::size_t>(nIndex)); }
    // As a click on its title does: the bar opens it, so its prompts reach the window.
    void OpenFromTheBar(QMenu* pPopup) const {
        m_pFrame->menuBar()->setActiveAction(pPopup->menuAction());
        ASSERT_TRUE(pPopup->isVisible());
    }
    QString Pane0() const {
        const QString message = StatusBar()->currentMessage();
        return message.isEmpty() ? StatusBar()->GetPaneText(0) : message;
    }
};

constexpr int kHelpPopup = 4;

// The bar's texts and numbers are read whole in the frame's tests; here what they leave out.
TEST_F(MenuTest, TitlesHaveTheirMnemonicsAndItemsNoKeys) {
    const char* mnemonics[] = {"Alt+F", "Alt+L", "", "", "Alt+H"};
    ASSERT_EQ(Menu()->Popups().size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(QKeySequence::mnemonic(Popup(i)->title()),
                  QKeySequence(QString::fromLatin1(mnemonics[i])))
            << i;
        for (QAction* pAction : Popup(i)->actions())
            EXPECT_TRUE(pAction->shortcut().isEmpty()) << pAction->data().toInt();
    }
    // Take-back in particular is reached through the menu only.
    for (const AcceleratorItem& accel : MainAccelerators())
        EXPECT_NE(accel.nId, ID_GAME_TAKEBACK);
}

TEST_F(MenuTest, HelpStandsAtTheRightEndOfTheBar) {
    QMenuBar* pBar = m_pFrame->menuBar();
    const QRect marbles = pBar->actionGeometry(Popup(3)->menuAction());
    const QRect help = pBar->actionGeometry(Popup(kHelpPopup)->menuAction());
    EXPECT_GT(help.left(), marbles.right() + help.width()) << "a gap between marbles and help";
    EXPECT_GE(help.right(), pBar->width() - 10);
    EXPECT_LT(help.right(), pBar->width());
    EXPECT_EQ(help.top(), marbles.top()) << "on the same row";
}

TEST_F(MenuTest, ExitAboutAndRulesAreEnabledAlsoWhileTheComputerThinks) {
    const int ids[] = {ID_APP_EXIT, ID_APP_ABOUT, ID_HELP_RULES};
    auto expectEnabled = [&](const char* pszState) {
        SCOPED_TRACE(pszState);
        for (int nID : ids) {
            CCmdUI cmdUI(nID);
            Menu()->UpdateCommand(cmdUI);
            EXPECT_EQ(cmdUI.m_bEnabled, 1) << nID;
            EXPECT_EQ(cmdUI.m_nCheck, -1) << nID;
        }
    };
    expectEnabled("user to move");
    m_pView->OnLButtonDown(64 + 25, 89);
    m_pView->OnLButtonUp(64 + 25, 89); // pit 0: no extra turn, the computer starts thinking
    ASSERT_EQ(m_pView->UserMayAct(), 0);
    expectEnabled("computer to move");
    m_pView->WaitForWorkerForTest();
    m_pView->OnTimer();
}

TEST_F(MenuTest, PaneZeroShowsTheHighlightedItemsPromptUpToTheLineFeed) {
    struct Prompt {
        int nID;
        const char* pszPrompt;
    };
    const Prompt prompts[] = {
        {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝを終了します"},
        {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報，ﾊﾞｰｼﾞｮﾝそして著作権を表示"},
        {ID_HELP_RULES, "ゲームの説明を表示します"},
        {ID_GAME_TAKEBACK, "自分の選択した手を待ったできます"}, // disabled now, yet it tells
        {ID_LEVEL_4, "ピリッとした戦いを好むあなたに"},
        {ID_MARBLE_AQUA, "ビー玉の色を水色にします"},
    };
    for (const Prompt& prompt : prompts) {
        SCOPED_TRACE(prompt.nID);
        QAction* pAction = Menu()->FindAction(prompt.nID);
        ASSERT_NE(pAction, nullptr);
        QMenu* pPopup = qobject_cast<QMenu*>(pAction->parent());
        ASSERT_NE(pPopup, nullptr);
        OpenFromTheBar(pPopup);
        pPopup->setActiveAction(pAction);
        EXPECT_EQ(Pane0(), U(prompt.pszPrompt));
        pPopup->hide();
        QApplication::processEvents();
        EXPECT_EQ(Pane0(), U("ラヴェロへようこそ")) << "the idle text is back once it closes";
    }

    // Every item of the bar has a prompt of its own, without the short name.
    for (QMenu* pPopup : Menu()->Popups()) {
        for (QAction* pAction : pPopup->actions()) {
            if (pAction->isSeparator())
                continue;
            EXPECT_FALSE(pAction->statusTip().isEmpty()) << pAction->data().toInt();
            EXPECT_FALSE(pAction->statusTip().contains(QLatin1Char('\n')));
        }
    }
}

TEST_F(MenuTest, SeparatorsAndPopupTitlesShowNoPrompt) {
    QMenu* pGame = Popup(0);
    OpenFromTheBar(pGame);
    pGame->setActiveAction(Menu()->FindAction(ID_GAME_NEW_FIRST));
    ASSERT_EQ(Pane0(), U("ユーザの先手で新規にゲームを始める"));
    // The pointer moves down onto the separator, in steps as a hand would.
    QAction* pSeparator = pGame->actions().at(2);
    ASSERT_TRUE(pSeparator->isSeparator());
    const QPoint from = pGame->actionGeometry(Menu()->FindAction(ID_GAME_NEW_FIRST)).center();
    const QPoint to = pGame->actionGeometry(pSeparator).center();
    for (int i = 0; i <= 10; ++i)
        QTest::mouseMove(pGame, from + (to - from) * i / 10);
    EXPECT_EQ(Pane0(), U("ラヴェロへようこそ"));
    pGame->hide();
    QApplication::processEvents();

    QMenuBar* pBar = m_pFrame->menuBar();
    pBar->setActiveAction(Popup(2)->menuAction()); // the board popup opens, nothing highlighted
    EXPECT_EQ(Pane0(), U("ラヴェロへようこそ"));
    Popup(2)->hide();
    QApplication::processEvents();
}

// Keys reach the window only while it is the active one.
class KeyTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        m_pFrame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_pFrame));
        m_previousDialog = SetFileDialogHandler([this](QWidget*, int bOpen) {
            ++m_nDialogs;
            m_nLastDialogOpen = bOpen;
            return QString();
        });
    }
    void TearDown() override {
        SetFileDialogHandler(std::move(m_previousDialog));
        MenuTest::TearDown();
    }
    void Press(const char* pszKey) {
        const QKeySequence key(QString::fromLatin1(pszKey));
        QTest::keySequence(m_pFrame, key);
    }

    CMessageRecorder m_recorder;
    FileDialogHandler m_previousDialog;
    int m_nDialogs = 0;
    int m_nLastDialogOpen = -1;
};

TEST_F(KeyTest, EditAndPaneKeysDoNothingAtAll) {
    m_pView->OnLButtonDown(64 + 2 * 57 + 25, 89);
    m_pView->OnLButtonUp(64 + 2 * 57 + 25, 89); // an extra turn: the user moves again
    ASSERT_TRUE(m_pView->Board().HasHistory());
    ASSERT_EQ(m_pView->UserMayAct(), 1);
    const int nStore = m_pView->Board().GetCount(6, 0);

    const char* keys[] = {"Ctrl+Z",    "Ctrl+X",   "Ctrl+C",    "Ctrl+V", "Alt+Backspace",
                          "Shift+Del", "Ctrl+Ins", "Shift+Ins", "F6",     "Shift+F6"};
    for (const char* pszKey : keys) {
        SCOPED_TRACE(pszKey);
        Press(pszKey);
        EXPECT_EQ(m_recorder.Count(), 0u);
        EXPECT_EQ(m_nDialogs, 0);
        EXPECT_TRUE(m_pView->Board().HasHistory()) << "no take-back by key";
        EXPECT_EQ(m_pView->Board().GetCount(6, 0), nStore);
        EXPECT_EQ(m_pView->Board().GetLevel(), 1);
        EXPECT_TRUE(m_pFrame->isVisible());
        EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("Ravelo2"));
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    // Each is bound, so that it goes nowhere else; nobody on the route takes them.
    const int ids[] = {ID_EDIT_UNDO,  ID_EDIT_CUT,  ID_EDIT_COPY,
                       ID_EDIT_PASTE, ID_NEXT_PANE, ID_PREV_PANE};
    for (int nID : ids) {
        ASSERT_NE(Menu()->FindAction(nID), nullptr) << nID;
        EXPECT_EQ(Menu()->Execute(nID), 0) << nID;
    }
    EXPECT_EQ(Menu()->FindAction(ID_EDIT_UNDO)->shortcuts().size(), 2);
}

TEST_F(KeyTest, NewDocumentKeyLeavesTheGameAndOpenKeyAsksForAFile) {
    m_pView->OnLButtonDown(64 + 2 * 57 + 25, 89);
    m_pView->OnLButtonUp(64 + 2 * 57 + 25, 89);
    const int nStore = m_pView->Board().GetCount(6, 0);
    Press("Ctrl+N");
    EXPECT_EQ(m_recorder.Count(), 0u) << "a new document asks nothing";
    EXPECT_TRUE(m_pView->Board().HasHistory());
    EXPECT_EQ(m_pView->Board().GetCount(6, 0), nStore);
    EXPECT_TRUE(m_pView->Board().IsUserTurn());

    Press("Ctrl+O");
    EXPECT_EQ(m_nDialogs, 1);
    EXPECT_EQ(m_nLastDialogOpen, 1);
    EXPECT_EQ(m_recorder.Count(), 0u) << "cancelled: nothing more";
}

TEST_F(KeyTest, AltMnemonicsOpenGameLevelAndHelpPopups) {
    const struct {
        Qt::Key key;
        int nPopup;
    } cases[] = {{Qt::Key_F, 0}, {Qt::Key_L, 1}, {Qt::Key_H, kHelpPopup}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nPopup);
        QTest::keyClick(m_pFrame, c.key, Qt::AltModifier);
        ASSERT_TRUE(Popup(c.nPopup)->isVisible());
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(Popup(i)->isVisible(), i == c.nPopup) << i;
        // Esc closes the popup and a second one leaves the bar.
        QTest::keyClick(Popup(c.nPopup), Qt::Key_Escape);
        QTest::keyClick(m_pFrame->menuBar(), Qt::Key_Escape);
        EXPECT_FALSE(Popup(c.nPopup)->isVisible());
    }
}

} // namespace

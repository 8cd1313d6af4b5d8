// The whole program on the offscreen platform: frame, menus and their prompts, keys, the help
// commands, the document's file commands and the message boxes.

#include "app/about_dlg.h"
#include "app/main_frame.h"
#include "app/ravelo2_app.h"
#include "app/ravelo2_doc.h"
#include "message_recorder.h"
#include "res/resource.h"
#include "ui/board_layout.h"
#include "ui/command_menu.h"
#include "ui/file_dialog.h"
#include "ui/manual_opener.h"
#include "ui/settings_file.h"
#include "ui/status_bar.h"
#include "ui/wait_cursor.h"
#include "view/ravelo2_view.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString U(const char* psz) {
    return QString::fromUtf8(psz);
}

// Runs the procedure on the modal window that opens next, while it is open.
void OnceModal(std::function<void(QWidget*)> procedure) {
    QTimer::singleShot(0, [procedure = std::move(procedure)] {
        QWidget* pModal = QApplication::activeModalWidget();
        ASSERT_NE(pModal, nullptr);
        procedure(pModal);
    });
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(m_app.InitInstance(CCommandLineInfo{}), 1);
        m_pFrame = m_app.GetMainWnd();
        m_pView = m_pFrame->GetActiveView();
        m_pView->KillTimerForTest();
        m_pFrame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_pFrame));
        m_previousDialog = SetFileDialogHandler([this](QWidget*, bool bOpen) {
            m_asked.push_back(bOpen);
            return m_answer;
        });
    }
    void TearDown() override {
        SetFileDialogHandler(std::move(m_previousDialog));
        EXPECT_EQ(m_app.ExitInstance(), 1);
    }
    CCommandMenu* Menu() const { return m_pFrame->GetCommandMenu(); }
    CStatusBar* Bar() const { return m_pFrame->GetStatusBar(); }
    QString Pane0() const {
        return Bar()->currentMessage().isEmpty() ? Bar()->GetPaneText(0) : Bar()->currentMessage();
    }
    void ClickPit(int nPit) {
        const board_layout::Point origin = board_layout::PlaceOrigin(kUserRow, nPit);
        m_pView->OnLButtonDown(origin.x + 25, origin.y + 25);
        m_pView->OnLButtonUp(origin.x + 25, origin.y + 25);
    }

    CRavelo2App m_app;
    CMainFrame* m_pFrame = nullptr;
    CRavelo2View* m_pView = nullptr;
    CMessageRecorder m_recorder;
    FileDialogHandler m_previousDialog;
    QString m_answer;
    std::vector<int> m_asked;
};

TEST_F(ShellTest, FixedFrameTitledRavelo2WithCloseButtonViewAndStatusBar) {
    const Qt::WindowFlags flags = m_pFrame->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(m_pFrame->minimumSize(), m_pFrame->maximumSize());
    EXPECT_EQ(m_pFrame->width(), 470);
    EXPECT_EQ(m_pView->size(), QSize(470, 128));
    EXPECT_FALSE(m_pFrame->windowIcon().isNull());
    m_pView->grab();
    EXPECT_EQ(Bar()->GetPaneText(1), U("あなたの番です"));
    m_app.OnFileNew();
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("Ravelo2"));
}

// The menu bar as the user reads it: titles, items with their numbers and the prompt that pane
// 0 shows while an item is highlighted.
TEST_F(ShellTest, MenuBarReadsGameLevelBoardMarbleHelpWithTheirPrompts) {
    QStringList lines;
    for (QMenu* pPopup : Menu()->Popups()) {
        lines << pPopup->title();
        m_pFrame->menuBar()->setActiveAction(pPopup->menuAction());
        for (QAction* pAction : pPopup->actions()) {
            if (pAction->isSeparator()) {
                lines << QStringLiteral("-");
                continue;
            }
            pPopup->setActiveAction(pAction);
            lines << pAction->text() + "=" + pAction->data().toString() + " " + Pane0();
        }
        pPopup->hide();
        QApplication::processEvents();
        EXPECT_EQ(Pane0(), U("ラヴェロへようこそ"));
    }
    EXPECT_EQ(lines.join('\n'),
              U("ゲーム(&F)\n先手で新規ゲーム(&N)=32775 ユーザの先手で新規にゲームを始める\n"
                "後手で新規ゲーム(&C)=32776 ユーザ後手で新規にゲームを始める\n-\n"
                "ちょっと待った！=32777 自分の選択した手を待ったできます\n-\n"
                "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)=57665 ｱﾌﾟﾘｹｰｼｮﾝを終了します\n"
                "思考レベル(&L)\n初心者向け=32771 ルールを覚える人用です\n"
                "普通の人向け=32772 手軽にラヴェロを楽しめます\n"
                "玄人向け=32773 まじめに取り組むあなたにおすすめ\n"
                "仙人向け=32774 ピリッとした戦いを好むあなたに\nボード\n"
                "明るいモノクロ=32789 ボードを明るいモノクロ調に変更\n"
                "暗いモノクロ=32785 ボードを暗いモノクロ調に変更\n"
                "明るい木目=32786 ボードを明るい木目調に変更\n"
                "暗い木目=32790 ボードを暗い木目調に変更\n"
                "淡い水色=32788 ボードを淡い水色調に変更\n"
                "厳しい赤=32787 ボードを厳しい赤色に変更\nビー玉\n"
                "赤=32779 ビー玉の色を赤色にします\n青=32780 ビー玉の色を青色にします\n"
                "黄=32781 ビー玉の色を黄色にします\n緑=32782 ビー玉の色を緑色にします\n"
                "水=32783 ビー玉の色を水色にします\n紫=32784 ビー玉の色を紫色にします\n"
                "オプション(&O)\nビー玉の動きを見せる(&A)=32791 "
                "ビー玉が１個ずつ箱に入っていく様子を見せます\n"
                "最後の手の印を残す(&M)=32792 "
                "コンピュータが最後に選んだ箱の印を、次の手まで表示します\n"
                "ビー玉の数を表示(&N)=32793 それぞれの箱のビー玉の数を数字で表示します\n"
                "ウィンドウの大きさを変えられるようにする(&R)=32794 "
                "ウィンドウの大きさに合わせてボードを拡大します\n"
                "選べない所でメッセージを出さない(&Q)=32795 "
                "選べない所を選んだとき、メッセージの代わりにステータスバーと音で知らせます\n-\n"
                "ヒント(&H)=32796 仙人向けのコンピュータがあなたならどの箱を選ぶかを示します\n-\n"
                "設定を記憶する(&S)=32797 "
                "思考レベル、ボード、ビー玉の色とオプションを次回の起動時にも使います\n"
                "ヘルプ(&H)\nRavelo2 のﾊﾞｰｼﾞｮﾝ情報(&A)...=57664 "
                "ﾌﾟﾛｸﾞﾗﾑの情報，ﾊﾞｰｼﾞｮﾝそして著作権を表示\n"
                "説明(&H)=32778 ゲームの説明を表示します"));
    const QRect options = m_pFrame->menuBar()->actionGeometry(Menu()->Popups()[4]->menuAction());
    const QRect help = m_pFrame->menuBar()->actionGeometry(Menu()->Popups()[5]->menuAction());
    EXPECT_GT(help.left(), options.right()) << "help stands at the right end";
    EXPECT_EQ(help.top(), options.top()) << "one line of menus";
    EXPECT_GE(help.right(), m_pFrame->menuBar()->width() - 10);
    // Start-up checks the light wood board and the yellow marbles, and nothing else; a choice
    // moves the check.
    const auto checked = [this] {
        QStringList names;
        for (QMenu* pPopup : {Menu()->Popups()[2], Menu()->Popups()[3]}) {
            Menu()->UpdatePopup(pPopup);
            for (QAction* pAction : pPopup->actions())
                if (pAction->isChecked())
                    names << pAction->text();
        }
        return names.join(',');
    };
    EXPECT_EQ(checked(), U("明るい木目,黄"));
    Menu()->Execute(ID_BOARD_RED);
    Menu()->Execute(ID_MARBLE_BLUE);
    EXPECT_EQ(checked(), U("厳しい赤,青"));
}

TEST_F(ShellTest, KeysOpenMenusTheManualRunTheFileCommandsAndTheEditKeysDoNothing) {
    ClickPit(2); // an extra turn: the user moves again, and there is something to take back
    const int nStore = m_pView->Board().GetCount(6, 0);
    QStringList started; // F1 finds the build tree's manual and hands it to the desktop
    const ProcessStarter previous =
        SetProcessStarter([&started](const QString& program, const QStringList& arguments) {
            started << program + ' ' + arguments.join(' ');
            return true;
        });
    for (const char* pszKey : {"Ctrl+Z", "Ctrl+X", "Ctrl+C", "Ctrl+V", "Alt+Backspace", "Shift+Del",
                               "Ctrl+Ins", "Shift+Ins", "F6", "Shift+F6", "Ctrl+N", "F1"})
        QTest::keySequence(m_pFrame, QKeySequence(QString::fromLatin1(pszKey)));
    SetProcessStarter(previous);
    const QString page = FindManual(QCoreApplication::applicationDirPath());
    EXPECT_EQ(started, QStringList("xdg-open " + QUrl::fromLocalFile(page).toString()));
    EXPECT_EQ(m_recorder.Count(), 0u);
    EXPECT_TRUE(m_asked.empty());
    EXPECT_TRUE(m_pView->Board().HasHistory());
    EXPECT_EQ(m_pView->Board().GetCount(6, 0), nStore);
    EXPECT_TRUE(m_pFrame->isVisible());
    QTest::keySequence(m_pFrame, QKeySequence(QStringLiteral("Ctrl+O")));
    QTest::keySequence(m_pFrame, QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(m_asked, (std::vector<int>{1, 0})); // both cancelled
    for (const auto& [key, nPopup] :
         {std::pair(Qt::Key_F, 0), {Qt::Key_L, 1}, {Qt::Key_O, 4}, {Qt::Key_H, 5}}) {
        QTest::keyClick(m_pFrame, key, Qt::AltModifier);
        EXPECT_TRUE(Menu()->Popups()[static_cast<std::size_t>(nPopup)]->isVisible()) << nPopup;
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(m_pFrame->menuBar(), Qt::Key_Escape);
    }
    // A disabled command does nothing, even by its key; exit, about and rules stay enabled.
    ClickPit(0);
    ASSERT_EQ(m_pView->UserMayAct(), 0);
    EXPECT_FALSE(Menu()->Execute(ID_LEVEL_4));
    EXPECT_EQ(m_pView->Player().GetLevel(), 1);
    for (int nID : {ID_APP_EXIT, ID_APP_ABOUT, ID_HELP_RULES}) {
        CCmdUI cmdUI(nID);
        Menu()->UpdateCommand(cmdUI);
        EXPECT_TRUE(cmdUI.m_bEnabled) << nID;
    }
    m_pView->WaitForWorkerForTest();
    EXPECT_TRUE(Menu()->Execute(ID_APP_EXIT));
    EXPECT_FALSE(m_pFrame->isVisible());
}

// A board that grows: the window gets the maximise button and any size, the board scales with it
// in the middle, and a click and the screen reader's places follow it; off, the window has its
// fixed size again.
TEST_F(ShellTest, TheBoardGrowsWithTheWindowAndClicksAndPlacesFollowIt) {
#if defined(__SANITIZE_THREAD__)
    // A grown board is scaled by Qt on threads of its own, whose locks the race detector cannot
    // see into; the game's own threads play no part here.
    GTEST_SKIP();
#endif
    const QSize fixed = m_pFrame->size();
    EXPECT_TRUE(Menu()->Execute(ID_OPTION_RESIZABLE));
    EXPECT_TRUE(m_pFrame->windowFlags() & Qt::WindowMaximizeButtonHint);
    m_pFrame->resize(fixed.width() * 2, fixed.height() * 3); // twice as wide: the board too
    QApplication::processEvents();
    const QRect pit = m_pView->ViewRect(178, 64, 50, 50); // the user's third pit
    EXPECT_EQ(pit, QRectF(356, (m_pView->height() - 256) / 2.0 + 128, 100, 100).toAlignedRect());
    QAccessibleInterface* pBoard = QAccessible::queryAccessibleInterface(m_pView);
    EXPECT_EQ(pBoard->child(2)->rect(), QRect(m_pView->mapToGlobal(pit.topLeft()), pit.size()));
    QTest::mouseClick(m_pView, Qt::LeftButton, Qt::NoModifier, pit.bottomRight() - QPoint(2, 2));
    EXPECT_EQ(m_pView->Board().GetShownCount(2, kUserRow), 0);
    EXPECT_TRUE(Menu()->Execute(ID_OPTION_RESIZABLE));
    EXPECT_EQ(m_pFrame->size(), fixed);
    EXPECT_FALSE(m_pFrame->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// Remember: off, nothing is ever written; on, every change goes to the game's own file at once
// and the next start takes it up; off again, the file goes.
TEST_F(ShellTest, RememberedChoicesComeBackAtTheNextStartUntilRememberGoes) {
    const QString path = CSettingsFile::DefaultPath();
    ASSERT_TRUE(path.startsWith(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).path()));
    Menu()->Execute(ID_LEVEL_3);
    EXPECT_FALSE(QFile::exists(path));
    Menu()->Execute(ID_OPTION_REMEMBER);
    Menu()->Execute(ID_MARBLE_BLUE);
    Menu()->Execute(ID_OPTION_COUNTS);
    GameSettings saved;
    EXPECT_TRUE(CSettingsFile().Load(saved));
    EXPECT_EQ(saved, (GameSettings{3, 1, 2, false, false, true, false, false}));
    CRavelo2App next;
    ASSERT_EQ(next.InitInstance(CCommandLineInfo{}), 1);
    CRavelo2View* pView = next.GetMainWnd()->GetActiveView();
    EXPECT_EQ(pView->Player().GetLevel(), 3);
    EXPECT_EQ(pView->MarbleColor(), 2);
    EXPECT_TRUE(pView->GetOptions().bCounts);
    next.GetMainWnd()->GetCommandMenu()->Execute(ID_OPTION_REMEMBER);
    EXPECT_FALSE(QFile::exists(path));
    next.ExitInstance();
}

TEST_F(ShellTest, RulesAreFifteenLinesInAPlainBox) {
    EXPECT_TRUE(Menu()->Execute(ID_HELP_RULES));
    EXPECT_EQ(m_recorder.Boxes().at(0).nType, MB_OK);
    const QStringList lines = m_recorder.Last().split('\n');
    EXPECT_EQ(lines.size(), 15);
    EXPECT_EQ(lines.front(), U("ラヴェロの基本的なルール"));
    EXPECT_EQ(lines.back(), U("より詳しい説明は付属のドキュメントをご覧ください．"));
    // Every character between, full-width stops and all, by a digest of the text's UTF-8 bytes.
    std::uint64_t nDigest = 14695981039346656037ull;
    for (const char c : m_recorder.Last().toUtf8())
        nDigest = (nDigest ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    EXPECT_EQ(nDigest, 0x80e81c7ffb60368bull);
}

// Real boxes: the game's title, the buttons and icon of the type, the arrow over them while the
// computer thinks (the busy cursor comes back after); closing a question counts as Cancel.
TEST_F(ShellTest, MessageBoxesAskUnderTheGamesTitleWithTheArrowOverThem) {
    SetMessageBoxHandler(nullptr); // real boxes, not the recorder
    BeginWaitCursor();
    QStringList seen;
    const auto show = [&seen](unsigned nType, bool bClose) {
        OnceModal([&seen, bClose](QWidget* pModal) {
            auto* pBox = qobject_cast<QMessageBox*>(pModal);
            seen << pBox->windowTitle() + QString(" %1 %2 %3")
                                              .arg(pBox->buttons().size())
                                              .arg(pBox->icon())
                                              .arg(QGuiApplication::overrideCursor()->shape());
            bClose ? (void)pBox->close() : QTest::keyClick(pBox, Qt::Key_Return);
        });
        return AfxMessageBox(U("？"), nType);
    };
    EXPECT_EQ(show(MB_OKCANCEL | MB_ICONQUESTION, true), IDCANCEL);
    EXPECT_EQ(show(MB_OK, true), IDOK);
    EXPECT_EQ(show(MB_OKCANCEL | MB_ICONQUESTION, false), IDOK);
    OnceModal([&seen](QWidget* pModal) { // the about box, closed with Esc
        seen << pModal->windowTitle() +
                    QString(" %1").arg(QGuiApplication::overrideCursor()->shape());
        for (const QLabel* pLabel : pModal->findChildren<QLabel*>())
            seen << pLabel->text();
        QTest::keyClick(pModal, Qt::Key_Escape);
    });
    Menu()->Execute(ID_APP_ABOUT);
    EXPECT_EQ(seen,
              QStringList(
                  {"Ravelo2 2 4 0", "Ravelo2 1 0 0", "Ravelo2 2 4 0", U("Ravelo2 のﾊﾞｰｼﾞｮﾝ情報 0"),
                   "", "Ravelo2 Version 1.0", U("(C) 2026 Ravelo2 の開発者"),
                   U("ご使用前に付属のドキュメントをお読みください．")})); // 4: question, 0: arrow
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EndWaitCursor();
}

// An opened file is only checked for reading and gives the document no name: its first save
// asks, so no file is emptied unasked, and the real dialog asks before it replaces one.
TEST_F(ShellTest, SaveAsksForANameAfterNewOrOpenAndNeverEmptiesAnOpenedFileUnasked) {
    QTemporaryDir dir;
    const QString game = dir.filePath(U("ゲーム.rav"));
    const QString other = dir.filePath(U("other"));
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("notes\n") > 0);
    file.close();
    m_answer = game;
    Menu()->Execute(ID_FILE_SAVE);
    Menu()->Execute(ID_FILE_SAVE);
    EXPECT_EQ(m_asked, std::vector<int>{0});
    m_app.OnFileNew(); // a new document has no name: the next save asks again
    Menu()->Execute(ID_FILE_SAVE);
    EXPECT_EQ(m_asked, (std::vector<int>{0, 0}));
    EXPECT_EQ(QFile(game).size(), 0);
    m_answer = dir.path();
    Menu()->Execute(ID_FILE_OPEN);
    EXPECT_EQ(m_recorder.Last(),
              U("ファイル「") + dir.path() + U("」を開けません。\nフォルダは開けません。"));
    const QString lost = dir.filePath("sub/x");
    m_app.GetDocument()->OnSaveDocument(lost);
    EXPECT_TRUE(m_recorder.Last().startsWith(U("ファイル「") + lost + U("」に保存できません。")));
    ClickPit(2);
    m_answer = other;
    Menu()->Execute(ID_FILE_OPEN);
    EXPECT_EQ(m_recorder.Count(), 2u);
    EXPECT_TRUE(m_pView->Board().HasHistory()); // the game is untouched
    m_answer.clear();                           // the save after the open asks, and is cancelled
    Menu()->Execute(ID_FILE_SAVE);
    EXPECT_EQ(m_asked, (std::vector<int>{0, 0, 1, 1, 0}));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("notes\n"));
    const FileDialogSetup save = FileDialogSetupFor(false);
    EXPECT_EQ(save.nAcceptMode, QFileDialog::AcceptSave);
    EXPECT_FALSE(save.options.testFlag(QFileDialog::DontConfirmOverwrite));
}

} // namespace

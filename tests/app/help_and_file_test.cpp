// The help commands (about box, rules) and the document's file commands.

#include "app/about_dlg.h"
#include "app/ravelo2_doc.h"
#include "message_recorder.h"
#include "res/resource.h"
#include "shell_fixture.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/wait_cursor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs the procedure on the first modal window that opens, while it is open.
void OnceModal(std::function<void(QWidget*)> procedure) {
    QTimer::singleShot(0, [procedure = std::move(procedure)] {
        QWidget* pModal = QApplication::activeModalWidget();
        ASSERT_NE(pModal, nullptr);
        procedure(pModal);
    });
}

class HelpTest : public ShellTest {};

TEST_F(HelpTest, RulesAreFifteenLinesInOneBoxWithOkOnly) {
    {
        CMessageRecorder recorder;
        EXPECT_EQ(Menu()->Execute(ID_HELP_RULES), 1);
        ASSERT_EQ(recorder.Count(), 1u);
        EXPECT_EQ(recorder.Boxes()[0].nType, MB_OK);
        const QByteArray rules = recorder.Last().toUtf8();
        const QByteArray expected = "ラヴェロの基本的なルール\n"
                                    "\n"
                                    " (1) コンピュータ（上側６つの箱が陣地）よりも早く\n"
                                    "     ユーザ側（手前６つの箱）のビー玉を全て移動し\n"
                                    "     ビー玉をなくすことができれば勝ちです．\n"
                                    " (2) 移動はターン制でコンピュータと交互に行います．\n"
                                    " (3) 移動は次のルールに従います．\n"
                                    "   1. 移動したいビー玉のある箱を１つ選びます．\n"
                                    "   2. そこのビー玉を全て取り除きます．\n"
                                    "   3. 逆時計回りに隣の箱から順に，取り除いた\n"
                                    "      ビー玉を１つずつ入れていきます．\n"
                                    "   4. 最後のビー玉が右端の箱に入ると，自分のターンを\n"
                                    "      もう一度できます．コンピュータは左端の箱になります．\n"
                                    "\n"
                                    "より詳しい説明は付属のドキュメントをご覧ください．";
        EXPECT_EQ(rules, expected);
        EXPECT_EQ(rules.count('\n'), 14);
        EXPECT_FALSE(rules.endsWith('\n'));
    }

    // The real box: captioned with the title, no icon, one button.
    QString title;
    QMessageBox::Icon icon = QMessageBox::Information;
    int nButtons = 0;
    OnceModal([&](QWidget* pModal) {
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        ASSERT_NE(pBox, nullptr);
        title = pBox->windowTitle();
        icon = pBox->icon();
        nButtons = static_cast<int>(pBox->buttons().size());
        QTest::keyClick(pBox, Qt::Key_Return);
    });
    m_app.OnHelpRules();
    EXPECT_EQ(title, QStringLiteral("Ravelo2"));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(nButtons, 1);
}

TEST_F(HelpTest, AboutBoxShowsIconVersionCopyrightAndADefaultOk) {
    struct Seen {
        QString title;
        QStringList texts;
        QSize iconSize;
        bool bOkIsDefault = false;
        bool bEverythingInside = true;
        bool bTextsFit = true;
        bool bFixedSize = false;
    } seen;
    OnceModal([&](QWidget* pModal) {
        auto* pDialog = dynamic_cast<CAboutDlg*>(pModal);
        ASSERT_NE(pDialog, nullptr);
        seen.title = pDialog->windowTitle();
        seen.bFixedSize = pDialog->minimumSize() == pDialog->maximumSize();
        const QRect inside = pDialog->rect();
        for (QLabel* pLabel : pDialog->findChildren<QLabel*>()) {
            seen.bEverythingInside = seen.bEverythingInside && inside.contains(pLabel->geometry());
            if (!pLabel->pixmap().isNull()) {
                seen.iconSize = pLabel->pixmap().size();
                continue;
            }
            seen.texts << pLabel->text();
            // Nothing is cut off: a line fits its width, a wrapped text its height.
            const QFontMetrics metrics(pLabel->font());
            const int nNeeded = pLabel->wordWrap() ? pLabel->heightForWidth(pLabel->width())
                                                   : metrics.horizontalAdvance(pLabel->text());
            const int nHave = pLabel->wordWrap() ? pLabel->height() : pLabel->width();
            if (nNeeded > nHave) {
                seen.bTextsFit = false;
                ADD_FAILURE() << pLabel->text().toStdString() << " needs " << nNeeded << " of "
                              << nHave;
            }
        }
        auto* pOk = pDialog->findChild<QPushButton*>();
        ASSERT_NE(pOk, nullptr);
        seen.bOkIsDefault = pOk->isDefault() && pOk->text() == QStringLiteral("OK");
        seen.bEverythingInside = seen.bEverythingInside && inside.contains(pOk->geometry());
        QTest::keyClick(pDialog, Qt::Key_Return);
    });
    EXPECT_EQ(Menu()->Execute(ID_APP_ABOUT), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Enter closed it";
    EXPECT_EQ(seen.title, U("Ravelo2 のﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(seen.texts, QStringList({U("Ravelo2 Version 1.0"), U("(C) 2026 Ravelo2 の開発者"),
                                       U("ご使用前に付属のドキュメントをお読みください．")}));
    EXPECT_EQ(seen.iconSize, QSize(32, 32));
    EXPECT_TRUE(seen.bOkIsDefault);
    EXPECT_TRUE(seen.bEverythingInside);
    EXPECT_TRUE(seen.bTextsFit);
    EXPECT_TRUE(seen.bFixedSize);
}

TEST_F(HelpTest, EscapeClosesTheAboutBoxAndTheBusyCursorComesBack) {
    BeginWaitCursor(); // as while the computer thinks
    Qt::CursorShape shapeOverBox = Qt::BitmapCursor;
    OnceModal([&](QWidget* pModal) {
        if (QGuiApplication::overrideCursor())
            shapeOverBox = QGuiApplication::overrideCursor()->shape();
        QTest::keyClick(pModal, Qt::Key_Escape);
    });
    m_app.OnAppAbout();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(shapeOverBox, Qt::ArrowCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EndWaitCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The file commands with a stand-in for the file dialog that answers from a script.
class FileCommandTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        m_previous = SetFileDialogHandler([this](QWidget*, int bOpen) {
            m_asked.push_back(bOpen);
            return m_answer;
        });
    }
    void TearDown() override {
        SetFileDialogHandler(std::move(m_previous));
        ShellTest::TearDown();
    }
    QString Path(const char* pszName) const { return m_dir.filePath(QString::fromUtf8(pszName)); }
    static void Write(const QString& path, const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir m_dir;
    CMessageRecorder m_recorder;
    FileDialogHandler m_previous;
    QString m_answer;
    std::vector<int> m_asked;
};

TEST_F(FileCommandTest, SaveAsksOnceThenWritesTheSameEmptyFileWithoutAsking) {
    m_answer = Path("ゲーム.rav");
    EXPECT_EQ(Menu()->Execute(ID_FILE_SAVE), 1);
    ASSERT_EQ(m_asked, std::vector<int>{0});
    ASSERT_TRUE(QFile::exists(m_answer));
    EXPECT_EQ(QFile(m_answer).size(), 0);

    Write(m_answer, "left over");
    m_answer = Path("other");
    Menu()->Execute(ID_FILE_SAVE);
    EXPECT_EQ(m_asked.size(), 1u) << "no second question";
    EXPECT_EQ(QFile(Path("ゲーム.rav")).size(), 0);
    EXPECT_FALSE(QFile::exists(Path("other")));
    EXPECT_EQ(m_recorder.Count(), 0u);
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("Ravelo2"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left";
}

TEST_F(FileCommandTest, CancelledSaveWritesNothingAndAsksAgainNextTime) {
    m_answer.clear();
    Menu()->Execute(ID_FILE_SAVE);
    Menu()->Execute(ID_FILE_SAVE);
    EXPECT_EQ(m_asked.size(), 2u);
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(m_recorder.Count(), 0u);
}

TEST_F(FileCommandTest, UnwritableTargetIsReportedAndLosesNothing) {
    // A folder where the file should go: it cannot be replaced by a file.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("taken")));
    Write(Path("taken/keep"), "kept");
    m_answer = Path("taken");
    Menu()->Execute(ID_FILE_SAVE);
    ASSERT_EQ(m_recorder.Count(), 1u);
    EXPECT_TRUE(
        m_recorder.Last().startsWith(U("ファイル「") + Path("taken") + U("」に保存できません。")))
        << m_recorder.Last().toStdString();
    EXPECT_EQ(m_recorder.Boxes()[0].nType, MB_OK);
    EXPECT_TRUE(QFileInfo(Path("taken")).isDir());
    EXPECT_EQ(QFile(Path("taken/keep")).size(), 4);

    // A folder that does not exist: the same message; the name is not kept, so the next save
    // asks again.
    m_answer = Path("missing/game");
    Menu()->Execute(ID_FILE_SAVE);
    EXPECT_EQ(m_recorder.Count(), 2u);
    EXPECT_EQ(m_asked.size(), 2u);
    m_answer = Path("good");
    Menu()->Execute(ID_FILE_SAVE);
    EXPECT_EQ(m_asked.size(), 3u);
    EXPECT_EQ(QFile(Path("good")).size(), 0);
}

TEST_F(FileCommandTest, OpenLoadsNothingAndLaterSavesGoToThatFile) {
    m_pView->OnLButtonDown(64 + 2 * 57 + 25, 89);
    m_pView->OnLButtonUp(64 + 2 * 57 + 25, 89);
    const int nStore = m_pView->Board().GetCount(6, 0);
    m_answer = Path("old");
    Write(m_answer, "whatever it held");
    Menu()->Execute(ID_FILE_OPEN);
    EXPECT_EQ(m_asked, std::vector<int>{1});
    EXPECT_EQ(m_recorder.Count(), 0u);
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("Ravelo2"));
    EXPECT_TRUE(m_pView->Board().HasHistory());
    EXPECT_EQ(m_pView->Board().GetCount(6, 0), nStore);

    Menu()->Execute(ID_FILE_SAVE);
    EXPECT_EQ(m_asked.size(), 1u);
    EXPECT_EQ(QFile(m_answer).size(), 0);

    m_answer = Path("absent");
    Menu()->Execute(ID_FILE_OPEN);
    ASSERT_EQ(m_recorder.Count(), 1u);
    EXPECT_TRUE(m_recorder.Last().startsWith(U("ファイル「") + m_answer + U("」を開けません。")));
    EXPECT_TRUE(m_pFrame->isVisible());
}

TEST(FileDialog, TheStandardDialogSpeaksJapanese) {
#if defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the toolkit's dialog reads folders on a thread inside the uninstrumented "
                    "toolkit, where ThreadSanitizer sees races that are not ours";
#endif
    LoadJapaneseTranslation();
    QString title;
    QStringList buttons;
    OnceModal([&](QWidget* pModal) {
        auto* pDialog = qobject_cast<QFileDialog*>(pModal);
        ASSERT_NE(pDialog, nullptr);
        title = pDialog->windowTitle();
        for (QAbstractButton* pButton : pDialog->findChildren<QAbstractButton*>())
            buttons << pButton->text();
        pDialog->reject();
    });
    EXPECT_TRUE(AfxPromptFileName(1).isEmpty());
    EXPECT_EQ(title, QString::fromUtf8("開く"));
    EXPECT_TRUE(buttons.contains(QString::fromUtf8("キャンセル")))
        << buttons.join(u'|').toStdString();
}

} // namespace

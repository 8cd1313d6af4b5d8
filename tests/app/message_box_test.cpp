#include "app/ravelo2_app.h"
#include "ui/message_box.h"
#include "ui/wait_cursor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString U(const char* psz) {
    return QString::fromUtf8(psz);
}

TEST(Translation, StandardButtonsReadInJapanese) {
    ASSERT_EQ(LoadJapaneseTranslation(), 1);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), U("キャンセル"));
}

struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::CursorShape cursor = Qt::BitmapCursor;
    bool bCursorOverridden = false;
};

// Shows a real box; once it is up, reads it and presses the button with the given role.
int ShowAndPress(const QString& text, unsigned nType, QMessageBox::ButtonRole role, SeenBox& seen) {
    QTimer::singleShot(0, [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(pBox, nullptr);
        seen.title = pBox->windowTitle();
        seen.text = pBox->text();
        seen.icon = pBox->icon();
        for (QAbstractButton* pButton : pBox->buttons())
            seen.buttons << pButton->text();
        seen.bCursorOverridden = QGuiApplication::overrideCursor() != nullptr;
        if (seen.bCursorOverridden)
            seen.cursor = QGuiApplication::overrideCursor()->shape();
        for (QAbstractButton* pButton : pBox->buttons()) {
            if (pBox->buttonRole(pButton) == role) {
                pButton->click();
                return;
            }
        }
        pBox->close();
    });
    return AfxMessageBox(text, nType);
}

TEST(MessageBox, QuestionOffersOkAndCancelUnderTheGamesTitle) {
    LoadJapaneseTranslation();
    SeenBox seen;
    const int nAnswer = ShowAndPress(U("現在のゲームを放棄し，新しく始めますか？"),
                                     MB_OKCANCEL | MB_ICONQUESTION, QMessageBox::RejectRole, seen);
    EXPECT_EQ(nAnswer, IDCANCEL);
    EXPECT_EQ(seen.title, QStringLiteral("Ravelo2"));
    EXPECT_EQ(seen.text, U("現在のゲームを放棄し，新しく始めますか？"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_TRUE(seen.buttons.contains(U("キャンセル")));
    EXPECT_EQ(seen.buttons.size(), 2);

    SeenBox again;
    EXPECT_EQ(ShowAndPress(U("?"), MB_OKCANCEL | MB_ICONQUESTION, QMessageBox::AcceptRole, again),
              IDOK);
}

TEST(MessageBox, InformationHasOneOkButton) {
    SeenBox seen;
    EXPECT_EQ(ShowAndPress(U("あなたの勝ちです"), MB_OK, QMessageBox::AcceptRole, seen), IDOK);
    EXPECT_EQ(seen.buttons.size(), 1);
    EXPECT_EQ(seen.title, QStringLiteral("Ravelo2"));
}

TEST(MessageBox, ArrowOverTheBoxWhileTheComputerThinks) {
    BeginWaitCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    SeenBox seen;
    ShowAndPress(U("そこは選択できません！"), MB_OK, QMessageBox::AcceptRole, seen);
    EXPECT_TRUE(seen.bCursorOverridden);
    EXPECT_EQ(seen.cursor, Qt::ArrowCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EndWaitCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WaitCursor, NestsAndEndsWithTheLastEnd) {
    BeginWaitCursor();
    BeginWaitCursor();
    EXPECT_EQ(WaitCursorCount(), 2);
    EndWaitCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EndWaitCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EndWaitCursor(); // one End too many changes nothing
    EXPECT_EQ(WaitCursorCount(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    RestoreWaitCursor(); // nothing to restore
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace

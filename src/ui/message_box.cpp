#include "ui/message_box.h"

#include "res/resource.h"
#include "res/string_table.h"
#include "ui/wait_cursor.h"

#include <QApplication>
#include <QGridLayout>
#include <QSpacerItem>
#include <QMainWindow>
#include <QMessageBox>
#include <QWidget>

#include <utility>

namespace {

int ShowQtMessageBox(QWidget* pParent, const QString& text, unsigned nType) {
    const bool bAsk = (nType & MB_OKCANCEL) != 0;
    QMessageBox box(pParent);
    box.setWindowTitle(LoadString(AFX_IDS_APP_TITLE));
    // A file name in a message is shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon((nType & MB_ICONQUESTION) ? QMessageBox::Question : QMessageBox::NoIcon);
    if (bAsk) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    // A short message makes a narrow box, whose caption the window manager would cut to
    // "Ra...lo2" beside its buttons: the box (whose layout is complete only now) is kept wide
    // enough for the title and a row of buttons in a bold caption font.
    if (auto* pLayout = qobject_cast<QGridLayout*>(box.layout())) {
        QFont captionFont = box.font();
        captionFont.setBold(true);
        const QFontMetrics metrics(captionFont);
        const int nWidth = metrics.horizontalAdvance(box.windowTitle()) + 10 * metrics.height();
        pLayout->addItem(new QSpacerItem(nWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                         pLayout->rowCount(), 0, 1, pLayout->columnCount());
    }
    // While the computer thinks the busy cursor is up; over a box the user must answer, the
    // arrow is the right pointer. The busy cursor comes back when the box closes.
    const CArrowOverWaitCursor arrow;
    const int nAnswer = box.exec();
    if (nAnswer == QMessageBox::Ok)
        return IDOK;
    return bAsk ? IDCANCEL : IDOK;
}

MessageBoxHandler& CurrentHandler() {
    static MessageBoxHandler handler = ShowQtMessageBox;
    return handler;
}

} // namespace

namespace {

// The box belongs to the game's window even when that window does not have the focus, so that
// it stands over the board rather than somewhere on the screen.
QWidget* MessageBoxOwner() {
    if (QWidget* pActive = QApplication::activeWindow())
        return pActive;
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->isVisible() && qobject_cast<QMainWindow*>(pWidget))
            return pWidget;
    }
    return nullptr;
}

} // namespace

int AfxMessageBox(const QString& text, unsigned nType) {
    return CurrentHandler()(MessageBoxOwner(), text, nType);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(CurrentHandler());
    CurrentHandler() = handler ? std::move(handler) : MessageBoxHandler(ShowQtMessageBox);
    return previous;
}

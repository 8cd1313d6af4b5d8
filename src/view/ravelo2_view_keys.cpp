// Playing without a mouse: the number keys sow the user's pits, the arrow keys move a keyboard
// focus across them and Enter or Space sows the focused one. Every key meets the same gate and
// the same refusals as a click.

#include "res/texts.h"
#include "ui/board_geometry.h"
#include "ui/place_names.h"
#include "view/board_accessible.h"
#include "view/ravelo2_view.h"

#include <QAccessible>

#include <QKeyEvent>
#include <QPainter>

void CRavelo2View::keyPressEvent(QKeyEvent* pEvent) {
    // A key while a sowing is shown only ends it.
    if (IsAnimating()) {
        pEvent->accept();
        EndAnimation(true);
        return;
    }
    const int nKey = pEvent->key();
    const bool bPlain = (pEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool bNumber = nKey >= Qt::Key_1 && nKey <= Qt::Key_6;
    const bool bSow = nKey == Qt::Key_Return || nKey == Qt::Key_Enter || nKey == Qt::Key_Space;
    if (!bPlain || !(bNumber || bSow || nKey == Qt::Key_Left || nKey == Qt::Key_Right)) {
        QWidget::keyPressEvent(pEvent); // the menus' keys go on to the window
        return;
    }
    pEvent->accept();
    if (nKey == Qt::Key_Left || nKey == Qt::Key_Right) {
        // The first press shows the focus on the leftmost pit; it stops at the ends.
        const int nStep = nKey == Qt::Key_Left ? -1 : 1;
        MoveKeyFocus(m_nKeyPit < 0 ? 0 : qBound(0, m_nKeyPit + nStep, kPits - 1));
        return;
    }
    // A key held down must not sow a second time.
    if (pEvent->isAutoRepeat())
        return;
    if (bNumber)
        OnKeyPit(nKey - Qt::Key_1);
    else if (m_nKeyPit >= 0)
        OnKeyPit(m_nKeyPit);
}

void CRavelo2View::DrawKeyFocus(QPainter* pDC) const {
    if (m_nKeyPit < 0)
        return;
    int x = 0;
    int y = 0;
    GetPitOrigin(kUserRow, m_nKeyPit, x, y);
    // In the pit's rim, outside the square that the marbles fill: a light line and a dark one,
    // so that it shows on every board.
    pDC->setBrush(Qt::NoBrush);
    pDC->setPen(QPen(Qt::white, 1));
    pDC->drawRect(x - 3, y - 3, kPlaceSize + 5, kPlaceSize + 5);
    pDC->setPen(QPen(Qt::black, 1));
    pDC->drawRect(x - 2, y - 2, kPlaceSize + 3, kPlaceSize + 3);
}

void CRavelo2View::MoveKeyFocus(int nPit) {
    m_nKeyPit = nPit;
    update();
    // The screen reader says where the focus is.
    if (QAccessibleInterface* pPlace = CBoardAccessible::PlaceOf(this, kUserRow, nPit)) {
        QAccessibleEvent event(pPlace, QAccessible::Focus);
        NotifyScreenReader(&event);
    }
}

void CRavelo2View::AnnounceShownPosition() {
    // Only the places whose marbles changed are named again, once a sowing shown marble by
    // marble has ended.
    if (IsAnimating())
        return;
    for (int nRow = 0; nRow < 2; ++nRow) {
        for (int nIndex = 0; nIndex < kPlaces; ++nIndex) {
            const int nCount = m_board.GetShownCount(nIndex, nRow);
            if (nCount == m_nAnnounced[nRow][nIndex])
                continue;
            m_nAnnounced[nRow][nIndex] = nCount;
            if (QAccessibleInterface* pPlace = CBoardAccessible::PlaceOf(this, nRow, nIndex)) {
                QAccessibleEvent event(pPlace, QAccessible::NameChanged);
                NotifyScreenReader(&event);
            }
        }
    }
}

void CRavelo2View::AnnounceTurn() {
    const QString description = BoardDescription();
    if (description == m_announcedDescription)
        return;
    m_announcedDescription = description;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    NotifyScreenReader(&event);
}

QString CRavelo2View::ComputerPitsText() const {
    if (m_computerPits.empty())
        return QString();
    QStringList names;
    for (const int nPit : m_computerPits)
        names << PitName(kComputerRow, nPit);
    return QString::fromUtf8(kTextComputerChose)
        .arg(names.join(QString::fromUtf8(kTextNameSeparator)));
}

QString CRavelo2View::PitDescription(int nPit) const {
    QStringList parts;
    if (!m_computerPits.empty())
        parts << ComputerPitsText();
    if (nPit == m_nHintPit)
        parts << HintText();
    return parts.join(QString::fromUtf8(kTextSentenceEnd));
}

QString CRavelo2View::BoardDescription() const {
    const QString pits = ComputerPitsText();
    return pits.isEmpty() ? TurnText() : TurnText() + QString::fromUtf8(kTextSentenceEnd) + pits;
}

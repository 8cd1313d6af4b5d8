// The view's drawing: the board composed off-screen and copied in one blit, the status panes,
// and the pointer over the board.

#include "view/ravelo2_view.h"

#include "res/texts.h"
#include "ui/board_geometry.h"
#include "ui/board_painter.h"
#include "ui/pictures.h"
#include "ui/place_names.h"
#include "ui/status_bar.h"
#include "ui/wait_cursor.h"

#include <QCursor>
#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QtMath>

namespace {

// The board's scale in a view of this size: as large as it fits, its proportions kept, never
// smaller than the board's own size.
qreal ScaleIn(const QSize& size) {
    return qMax(1.0, qMin(size.width() / qreal(kBoardWidth), size.height() / qreal(kBoardHeight)));
}

} // namespace

QPoint CRavelo2View::BoardPoint(const QPointF& position) const {
    // Between two board pixels the point belongs to the one it lies in: a device pixel on the
    // edge of a square drawn at 1.5 or 1.25 counts for that square.
    const qreal dScale = ScaleIn(size());
    const QPointF offset((width() - kBoardWidth * dScale) / 2,
                         (height() - kBoardHeight * dScale) / 2);
    const QPointF point = (position - offset) / dScale;
    return QPoint(qFloor(point.x()), qFloor(point.y()));
}

QRect CRavelo2View::ViewRect(int x, int y, int nWidth, int nHeight) const {
    const qreal dScale = ScaleIn(size());
    const QPointF offset((width() - kBoardWidth * dScale) / 2,
                         (height() - kBoardHeight * dScale) / 2);
    return QRectF(offset + QPointF(x, y) * dScale, QSizeF(nWidth, nHeight) * dScale)
        .toAlignedRect();
}

void CRavelo2View::OnDraw(QPainter* pDC) {
    // The board is composed at the device's own resolution, in board pixels: on a screen of
    // more than one pixel per logical pixel, or on a board grown with the window, every picture
    // comes from its sharper set, scaled smoothly.
    const qreal dScale = ScaleIn(size());
    const qreal dDevice = pDC->device()->devicePixelRatioF();
    // A grown board: whole device pixels across, so that the image meets the screen's pixels.
    const qreal dRatio =
        dScale == 1.0 ? dDevice : qCeil(kBoardWidth * dScale * dDevice) / qreal(kBoardWidth);
    QImage offscreen(QSize(qCeil(kBoardWidth * dRatio), qCeil(kBoardHeight * dRatio)),
                     QImage::Format_RGB32);
    offscreen.setDevicePixelRatio(dRatio);
    // The board picture is 463 x 122: the strips at the right and the bottom stay black.
    offscreen.fill(Qt::black);
    {
        QPainter dc(&offscreen);
        const CBoardPainter painter(&dc);
        painter.DrawBoard();
        painter.DrawMarbles(DisplayedCounts());
        if (m_options.bCounts)
            painter.DrawCounts(DisplayedCounts());

        if (CStatusBar* pStatusBar = FindStatusBar(this)) {
            pStatusBar->SetPaneText(1, TurnText());
            pStatusBar->SetPaneText(2, ProgressText());
        }

        // The marker shows in the one paint that follows a computer move, or until the next
        // sowing when the player keeps it.
        if (m_bShowLastMove)
            painter.DrawLastMove(m_board.GetHistory());
        DrawKeyFocus(&dc);
    }
    if (dScale == 1.0 && size() == QSize(kBoardWidth, kBoardHeight)) {
        pDC->drawImage(0, 0, offscreen);
    } else {
        // A grown board stands in the middle of the view, on black like its own edges.
        const QRectF target((width() - kBoardWidth * dScale) / 2,
                            (height() - kBoardHeight * dScale) / 2, offscreen.width() / dDevice,
                            offscreen.height() / dDevice);
        pDC->fillRect(rect(), Qt::black);
        pDC->drawImage(target, offscreen, offscreen.rect());
    }
    if (!m_options.bKeepMark)
        m_bShowLastMove = false;
}

QString CRavelo2View::TurnText() const {
    if (!m_board.IsRunning())
        return QString::fromUtf8(kTextGameOver);
    return QString::fromUtf8(UserMayAct() ? kTextYourTurn : kTextComputerThinking);
}

QString CRavelo2View::ProgressText() const {
    return UserMayAct() ? QString::fromUtf8(kTextNoProgress)
                        : CBoardPainter::GetProgressText(m_player.GetProgress());
}

void CRavelo2View::UpdateProgressPane() {
    if (CStatusBar* pStatusBar = FindStatusBar(this))
        pStatusBar->SetPaneText(2, ProgressText());
}

void CRavelo2View::paintEvent(QPaintEvent* /*pEvent*/) {
    m_bPaintPending = false;
    QPainter painter(this);
    OnDraw(&painter);
}

void CRavelo2View::Invalidate() {
    m_bPaintPending = true;
    update();
    // A tooltip that is open, and the screen reader, follow what the board shows.
    if (m_nTipRow >= 0 && QToolTip::isVisible())
        ShowPlaceTip();
    AnnounceShownPosition();
}

void CRavelo2View::UpdateWindow() {
    if (m_bPaintPending && isVisible())
        repaint();
}

void CRavelo2View::OnMouseMove(int x, int y) {
    if (!UserMayAct()) {
        // The computer has the move: the busy cursor stays up.
        RestoreWaitCursor();
        return;
    }
    int nPit = 0;
    int nRow = 0;
    if (m_board.IsRunning() && HitTestPit(x, y, nPit, nRow)) {
        QCursor* pCursor = m_board.GetCount(nPit, nRow) != 0 ? g_hcurPick : g_hcurArrow;
        if (pCursor) {
            setCursor(*pCursor);
            return;
        }
    }
    // Anywhere else, and once the game is over, the view's own cursor: the arrow.
    unsetCursor();
}

void CRavelo2View::mouseMoveEvent(QMouseEvent* pEvent) {
    const QPoint point = BoardPoint(pEvent->position());
    OnMouseMove(point.x(), point.y());
}

bool CRavelo2View::event(QEvent* pEvent) {
    if (pEvent->type() != QEvent::ToolTip)
        return QWidget::event(pEvent);
    const auto* pHelp = static_cast<QHelpEvent*>(pEvent);
    const QPoint point = BoardPoint(pHelp->pos());
    m_nTipRow = -1;
    if (HitTestPlace(point.x(), point.y(), m_nTipRow, m_nTipIndex)) {
        m_tipPos = pHelp->globalPos();
        ShowPlaceTip();
    } else {
        m_nTipRow = -1;
        QToolTip::hideText();
        pEvent->ignore();
    }
    return true;
}

void CRavelo2View::ShowPlaceTip() {
    // The tooltip tells what the board shows, never the position the computer is working on.
    int x = 0;
    int y = 0;
    GetPitOrigin(m_nTipRow, m_nTipIndex, x, y);
    QToolTip::showText(m_tipPos,
                       PlaceName(m_nTipRow, m_nTipIndex, DisplayedCounts()[m_nTipRow][m_nTipIndex]),
                       this, ViewRect(x, y, kPlaceSize, kPlaceSize));
}

QString CRavelo2View::ToolTipText() const {
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

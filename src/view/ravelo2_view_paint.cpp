// The view's drawing: the board composed off-screen and copied in one blit, the status panes,
// and the pointer over the board.

#include "view/ravelo2_view.h"

#include "res/texts.h"
#include "ui/board_geometry.h"
#include "ui/pictures.h"
#include "ui/status_bar.h"
#include "ui/wait_cursor.h"

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

void CRavelo2View::OnDraw(QPainter* pDC) {
    QImage offscreen(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    // The board picture is 463 x 122: the strips at the right and the bottom stay black.
    offscreen.fill(Qt::black);
    {
        QPainter dc(&offscreen);
        dc.drawImage(0, 0, g_bmpBoard);
        m_board.DrawMarbles(&dc);

        QString turnText;
        if (!m_board.IsRunning())
            turnText = QString::fromUtf8(kTextGameOver);
        else if (m_bUserMayAct)
            turnText = QString::fromUtf8(kTextYourTurn);
        else
            turnText = QString::fromUtf8(kTextComputerThinking);
        const QString progressText =
            m_bUserMayAct ? QString::fromUtf8(kTextNoProgress) : m_board.GetProgressText();
        if (CStatusBar* pStatusBar = FindStatusBar(this)) {
            pStatusBar->SetPaneText(1, turnText);
            pStatusBar->SetPaneText(2, progressText);
        }

        // The marker shows in the one paint that follows a computer move.
        if (m_bShowLastMove)
            m_board.DrawLastMove(&dc);
    }
    pDC->drawImage(0, 0, offscreen);
    m_bShowLastMove = 0;
}

void CRavelo2View::UpdateProgressPane() {
    const QString text =
        m_bUserMayAct ? QString::fromUtf8(kTextNoProgress) : m_board.GetProgressText();
    if (CStatusBar* pStatusBar = FindStatusBar(this))
        pStatusBar->SetPaneText(2, text);
}

void CRavelo2View::paintEvent(QPaintEvent* /*pEvent*/) {
    m_bPaintPending = 0;
    QPainter painter(this);
    OnDraw(&painter);
}

void CRavelo2View::Invalidate() {
    m_bPaintPending = 1;
    update();
}

void CRavelo2View::UpdateWindow() {
    if (m_bPaintPending && isVisible())
        repaint();
}

void CRavelo2View::OnMouseMove(int x, int y) {
    if (!m_bUserMayAct) {
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
    const QPoint point = pEvent->position().toPoint();
    OnMouseMove(point.x(), point.y());
}

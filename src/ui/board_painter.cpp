#include "ui/board_painter.h"

#include "ui/board_geometry.h"
#include "ui/pictures.h"

#include <QColor>
#include <QPainter>
#include <QString>

void DrawMarble(QPainter* pDC, int x, int y) {
    const qreal dRatio = pDC->device()->devicePixelRatioF();
    if (dRatio > 1.0) {
        // A sharper marble with smooth edges of its own: no mask is needed.
        const QImage marble =
            HighDensityPicture(g_bmpMarble, PictureScaleFor(dRatio), &g_bmpMarbleMask);
        pDC->drawImage(QRectF(x, y, 10, 10), marble);
        return;
    }
    const QPainter::CompositionMode previous = pDC->compositionMode();
    pDC->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    pDC->drawImage(x, y, g_bmpMarbleMask);
    pDC->setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    pDC->drawImage(x, y, g_bmpMarble);
    pDC->setCompositionMode(previous);
}

void CBoardPainter::DrawBoard() const {
    const qreal dRatio = m_pDC->device()->devicePixelRatioF();
    if (dRatio > 1.0) {
        m_pDC->setRenderHint(QPainter::SmoothPixmapTransform);
        m_pDC->drawImage(QRectF(0, 0, g_bmpBoard.width(), g_bmpBoard.height()),
                         HighDensityPicture(g_bmpBoard, PictureScaleFor(dRatio)));
    } else {
        m_pDC->drawImage(0, 0, g_bmpBoard);
    }
}

void CBoardPainter::DrawMarbles(const Position& counts) const {
    // Index by index, the user's place before the computer's: where a crowded place overflows
    // its square, the place drawn later covers the other.
    for (int nIndex = 0; nIndex < kPlaces; ++nIndex) {
        for (int nRow = 0; nRow < 2; ++nRow) {
            const int n = counts[nRow][nIndex];
            if (n <= 0)
                continue;
            int x0 = 0;
            int y0 = 0;
            GetPitOrigin(nRow, nIndex, x0, y0);
            // Lines of five, downwards without limit: the 26th marble starts a line below the
            // square.
            for (int k = 0; k < n; ++k)
                DrawMarble(m_pDC, x0 + 10 * (k % 5), y0 + 10 * (k / 5));
        }
    }
}

void CBoardPainter::DrawLastMove(const MoveRecord* pLast) const {
    if (!pLast)
        return;
    int x = 0;
    int y = 0;
    GetPitOrigin(pLast->nRow, pLast->nPit, x, y);
    // A bar 50 wide and 4 high across the square's top edge: a black outline around a red
    // interior, its lowest row covering the square's first row.
    m_pDC->fillRect(x, y - 3, 50, 4, QColor(0, 0, 0));
    m_pDC->fillRect(x + 1, y - 2, 48, 2, QColor(255, 0, 0));
}

QString CBoardPainter::GetProgressText(int nProgress) {
    return QString::asprintf("%3d", nProgress) + QString::fromUtf8("％");
}

// The board's drawing members: the marbles of the shown position, the marker on the pit the
// computer has just played, and the progress text.

#include "ui/board_drawing.h"

#include "rules/game_board.h"
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

void CGameBoard::DrawMarbles(QPainter* pDC) const {
    // Index by index, the user's place before the computer's: where a crowded place overflows
    // its square, the place drawn later covers the other.
    for (int nIndex = 0; nIndex < kPlaces; ++nIndex) {
        for (int nRow = 0; nRow < 2; ++nRow) {
            const int n = GetShownCount(nIndex, nRow);
            if (n <= 0)
                continue;
            int x0 = 0;
            int y0 = 0;
            GetPitOrigin(nRow, nIndex, x0, y0);
            // Lines of five, downwards without limit: the 26th marble starts a line below the
            // square.
            for (int k = 0; k < n; ++k)
                DrawMarble(pDC, x0 + 10 * (k % 5), y0 + 10 * (k / 5));
        }
    }
}

void CGameBoard::DrawLastMove(QPainter* pDC) const {
    const MoveRecord* pLast = GetHistory();
    if (!pLast)
        return;
    int x = 0;
    int y = 0;
    GetPitOrigin(pLast->nRow, pLast->nPit, x, y);
    // A bar 50 wide and 4 high across the square's top edge: a black outline around a red
    // interior, its lowest row covering the square's first row.
    pDC->fillRect(x, y - 3, 50, 4, QColor(0, 0, 0));
    pDC->fillRect(x + 1, y - 2, 48, 2, QColor(255, 0, 0));
}

QString FormatProgress(int nProgress) {
    return QString::asprintf("%3d", nProgress) + QString::fromUtf8("％");
}

QString CGameBoard::GetProgressText() const {
    return FormatProgress(GetProgress());
}

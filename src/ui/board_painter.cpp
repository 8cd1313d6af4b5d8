#include "ui/board_painter.h"

#include "ui/board_geometry.h"
#include "ui/board_layout.h"
#include "ui/pictures.h"

#include <QColor>
#include <QFont>
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

void CBoardPainter::DrawCounts(const Position& counts) const {
    // A fixed pixel size in logical coordinates: on a sharper screen the glyphs are rasterised at
    // the device's own density, never an enlarged 1x text.
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(9);
    font.setBold(true);
    // Stems snapped to whole pixels: at one pixel per logical pixel the round digits (3, 5, 8, 9)
    // otherwise never reach their full ink.
    font.setHintingPreference(QFont::PreferFullHinting);
    m_pDC->save();
    m_pDC->setFont(font);
    m_pDC->setRenderHint(QPainter::Antialiasing);
    m_pDC->setRenderHint(QPainter::TextAntialiasing);
    for (int nRow = 0; nRow < 2; ++nRow) {
        for (int nIndex = 0; nIndex < kPlaces; ++nIndex) {
            const board_layout::Rect well = board_layout::WellOf(nRow, nIndex);
            const int n = counts[nRow][nIndex];
            // Marbles fill lines of five from the top; the count takes the last two places of the
            // last line that lies wholly in the well, which stays empty up to five marbles a line
            // above it. Once marbles lie there, a badge covers both places whole.
            const int nLastLine = (well.y1 - well.y0) / 10 - 1;
            const QRectF corner(well.x1 - 20, well.y0 + 10 * nLastLine, 20, 10);
            if (n > 5 * nLastLine) {
                m_pDC->setPen(Qt::NoPen);
                m_pDC->setBrush(QColor(kCountBadge));
                m_pDC->drawRoundedRect(corner, 2.5, 2.5);
            }
            m_pDC->setPen(QColor(kCountInk));
            m_pDC->drawText(corner.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter,
                            QString::number(n));
        }
    }
    m_pDC->restore();
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

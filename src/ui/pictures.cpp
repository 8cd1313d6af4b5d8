#include "ui/pictures.h"

#include "res/bitmap_table.h"

#include <QBitmap>
#include <QCursor>

QImage g_bmpBoard;
QImage g_bmpMarble;
QImage g_bmpMarbleMask;
QCursor* g_hcurArrow = nullptr;
QCursor* g_hcurPick = nullptr;

int LoadBitmapInto(QImage& bitmap, int nId) {
    bitmap = QImage();
    const QString path = BitmapResourcePath(nId);
    if (path.isEmpty())
        return 0;
    QImage loaded(path);
    if (loaded.isNull())
        return 0;
    bitmap = loaded.convertToFormat(QImage::Format_RGB32);
    return 1;
}

namespace {

// A 1-bit picture whose set bits are the dark pixels of the source: the cursor's bitmaps use
// black for "ink" both in the picture and in the mask.
QBitmap DarkPixelsOf(const QImage& source) {
    QImage bits(source.size(), QImage::Format_MonoLSB);
    bits.setColorCount(2);
    bits.setColor(0, qRgb(255, 255, 255));
    bits.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x)
            bits.setPixel(x, y, qGray(source.pixel(x, y)) < 128 ? 1 : 0);
    }
    return QBitmap::fromImage(bits);
}

} // namespace

QCursor* LoadPickCursor() {
    const QImage picture(CursorResourcePath());
    const QImage mask(CursorMaskResourcePath());
    if (picture.isNull() || mask.isNull() || picture.size() != mask.size())
        return nullptr;
    // Where the mask is opaque the picture's dark pixels are the outline and its light ones the
    // fill; the cursor takes "bitmap bit set" as black and "mask bit set" as opaque.
    return new QCursor(DarkPixelsOf(picture), DarkPixelsOf(mask), 5, 5);
}

void LoadCursors() {
    if (!g_hcurArrow)
        g_hcurArrow = new QCursor(Qt::ArrowCursor);
    if (!g_hcurPick)
        g_hcurPick = LoadPickCursor();
}

#include "ui/pictures.h"

#include "res/bitmap_table.h"

#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <map>
#include <utility>

QImage g_bmpBoard;
QImage g_bmpMarble;
QImage g_bmpMarbleMask;
QCursor* g_hcurArrow = nullptr;
QCursor* g_hcurPick = nullptr;

namespace {

// A loaded picture keeps its number, so that its sharper versions can be found.
const QString kNumberKey = QStringLiteral("ravelo2-number");

} // namespace

bool LoadBitmapInto(QImage& bitmap, int nId) {
    bitmap = QImage();
    const QString path = BitmapResourcePath(nId);
    if (path.isEmpty())
        return false;
    QImage loaded(path);
    if (loaded.isNull())
        return false;
    bitmap = loaded.convertToFormat(QImage::Format_RGB32);
    bitmap.setText(kNumberKey, QString::number(nId));
    return true;
}

int PictureScaleFor(double dRatio) {
    return dRatio <= 2.0 ? 2 : 3;
}

QImage HighDensityPicture(const QImage& holder, int nScale, const QImage* pMask) {
    // Painting asks for the same few pictures again and again: the sharper versions are loaded
    // once, and a holder's picture changes only with a choice from the menu.
    static std::map<std::pair<qint64, int>, QImage> s_cache;
    const auto key = std::pair(holder.cacheKey(), nScale);
    if (const auto found = s_cache.find(key); found != s_cache.end())
        return found->second;
    bool bNumbered = false;
    const int nId = holder.text(kNumberKey).toInt(&bNumbered);
    QImage picture(bNumbered ? BitmapResourcePath(nId, nScale) : QString());
    if (picture.isNull()) {
        picture = holder.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (pMask && pMask->size() == picture.size()) {
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    if (qGray(pMask->pixel(x, y)) >= 128)
                        picture.setPixel(x, y, qRgba(0, 0, 0, 0));
                }
            }
        }
    } else {
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(nScale);
    }
    if (s_cache.size() > 16)
        s_cache.clear();
    return s_cache[key] = picture;
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

QCursor* LoadPickCursor(double dRatio) {
    if (dRatio > 1.0) {
        const int nScale = PictureScaleFor(dRatio);
        QPixmap hand(CursorResourcePath(nScale));
        if (!hand.isNull()) {
            hand.setDevicePixelRatio(nScale);
            return new QCursor(hand, 5, 5); // the hot spot in logical pixels, as at scale 1
        }
    }
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
        g_hcurPick = LoadPickCursor(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

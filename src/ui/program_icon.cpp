#include "ui/program_icon.h"

#include "res/bitmap_table.h"

#include <QImage>

QPixmap LoadProgramIcon() {
    QImage picture(IconResourcePath());
    if (picture.isNull())
        return QPixmap();
    QImage icon = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y) {
        auto* pLine = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < icon.width(); ++x) {
            if (qRed(pLine[x]) == 0 && qGreen(pLine[x]) == 0 && qBlue(pLine[x]) == 0)
                pLine[x] = qRgba(0, 0, 0, 0);
        }
    }
    return QPixmap::fromImage(icon);
}

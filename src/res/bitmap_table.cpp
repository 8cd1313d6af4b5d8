#include "res/bitmap_table.h"

#include "res/appearance_table.h"
#include "res/resource.h"

#include <QtCore/qglobal.h>

// The pictures are compiled into this static library; nothing else refers to them, so their
// registration is pulled in by hand before the first path is given out.
static int RegisterPictures() {
    Q_INIT_RESOURCE(ravelo2_pictures);
    return 1;
}

namespace {

// ":/pictures/<name>.bmp" at scale 1, ":/pictures/<name>@<scale>x.png" at 2 and 3.
QString PicturePath(const char* pszName, int nScale) {
    static const int bRegistered = RegisterPictures();
    (void)bRegistered;
    const QString name = QStringLiteral(":/pictures/") + QString::fromLatin1(pszName);
    if (nScale == 1)
        return name + QStringLiteral(".bmp");
    if (nScale == 2 || nScale == 3)
        return name + QStringLiteral("@%1x.png").arg(nScale);
    return QString();
}

} // namespace

QString BitmapResourcePath(int nId, int nScale) {
    if (nId == IDB_MARBLE_MASK)
        return nScale == 1 ? PicturePath("marble_mask", 1) : QString();
    const Appearance* pLook = FindAppearanceOfBitmap(nId);
    return pLook ? PicturePath(pLook->pszPicture, nScale) : QString();
}

QString CursorResourcePath(int nScale) {
    return PicturePath("cursor_pick", nScale);
}
QString CursorMaskResourcePath() {
    return PicturePath("cursor_pick_mask", 1);
}
QString IconResourcePath() {
    return PicturePath("app_icon", 1);
}

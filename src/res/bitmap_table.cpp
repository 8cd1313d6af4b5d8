#include "res/bitmap_table.h"

#include "res/resource.h"

namespace {

struct BitmapEntry {
    int nId;
    const char* pszName;
};

constexpr BitmapEntry kBitmaps[] = {
    {IDB_MARBLE_YELLOW, "marble_yellow"},       {IDB_MARBLE_GREEN, "marble_green"},
    {IDB_MARBLE_MASK, "marble_mask"},           {IDB_MARBLE_RED, "marble_red"},
    {IDB_MARBLE_PURPLE, "marble_purple"},       {IDB_MARBLE_AQUA, "marble_aqua"},
    {IDB_MARBLE_BLUE, "marble_blue"},           {IDB_BOARD_DARK_MONO, "board_dark_mono"},
    {IDB_BOARD_LIGHT_WOOD, "board_light_wood"}, {IDB_BOARD_RED, "board_red"},
    {IDB_BOARD_PALE_BLUE, "board_pale_blue"},   {IDB_BOARD_LIGHT_MONO, "board_light_mono"},
    {IDB_BOARD_DARK_WOOD, "board_dark_wood"},
};

// ":/pictures/<name>.bmp" at scale 1, ":/pictures/<name>@<scale>x.png" at 2 and 3.
QString PicturePath(const char* pszName, int nScale) {
    const QString name = QStringLiteral(":/pictures/") + QString::fromLatin1(pszName);
    if (nScale == 1)
        return name + QStringLiteral(".bmp");
    if (nScale == 2 || nScale == 3)
        return name + QStringLiteral("@%1x.png").arg(nScale);
    return QString();
}

} // namespace

QString BitmapResourcePath(int nId, int nScale) {
    if (nId == IDB_MARBLE_MASK && nScale != 1)
        return QString();
    for (const BitmapEntry& entry : kBitmaps) {
        if (entry.nId == nId)
            return PicturePath(entry.pszName, nScale);
    }
    return QString();
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

#include "res/bitmap_table.h"

#include "res/resource.h"

namespace {

struct BitmapEntry {
    int nId;
    const char* pszFile;
};

constexpr BitmapEntry kBitmaps[] = {
    {IDB_MARBLE_YELLOW, "marble_yellow.bmp"},       {IDB_MARBLE_GREEN, "marble_green.bmp"},
    {IDB_MARBLE_MASK, "marble_mask.bmp"},           {IDB_MARBLE_RED, "marble_red.bmp"},
    {IDB_MARBLE_PURPLE, "marble_purple.bmp"},       {IDB_MARBLE_AQUA, "marble_aqua.bmp"},
    {IDB_MARBLE_BLUE, "marble_blue.bmp"},           {IDB_BOARD_DARK_MONO, "board_dark_mono.bmp"},
    {IDB_BOARD_LIGHT_WOOD, "board_light_wood.bmp"}, {IDB_BOARD_RED, "board_red.bmp"},
    {IDB_BOARD_PALE_BLUE, "board_pale_blue.bmp"},   {IDB_BOARD_LIGHT_MONO, "board_light_mono.bmp"},
    {IDB_BOARD_DARK_WOOD, "board_dark_wood.bmp"},
};

QString PicturePath(const char* pszFile) {
    return QStringLiteral(":/pictures/") + QString::fromLatin1(pszFile);
}

} // namespace

QString BitmapResourcePath(int nId) {
    for (const BitmapEntry& entry : kBitmaps) {
        if (entry.nId == nId)
            return PicturePath(entry.pszFile);
    }
    return QString();
}

QString BitmapResourcePath(int nId, int nScale) {
    QString path = BitmapResourcePath(nId);
    if (nScale == 1 || path.isEmpty())
        return path;
    path.chop(4);
    return path + QStringLiteral("@%1x.png").arg(nScale);
}

QString CursorResourcePath(int nScale) {
    return PicturePath("cursor_pick") + QStringLiteral("@%1x.png").arg(nScale);
}

QString CursorResourcePath() {
    return PicturePath("cursor_pick.bmp");
}
QString CursorMaskResourcePath() {
    return PicturePath("cursor_pick_mask.bmp");
}
QString IconResourcePath() {
    return PicturePath("app_icon.bmp");
}

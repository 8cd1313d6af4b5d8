#pragma once

#include <QPixmap>

// The program's 32 x 32 icon for the window's caption and the about box. Its picture has no
// alpha channel: pure black stands for the transparent surround. A null pixmap when the picture
// is missing.
QPixmap LoadProgramIcon();

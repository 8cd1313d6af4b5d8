// The picture sets the generator writes; each function writes its files into `outdir` and returns
// false if one cannot be written. `<name>@2x.png` and `<name>@3x.png` are the RGBA versions of a
// picture for screens of 2 and 3 device pixels a logical pixel.
#pragma once

#include <string>

namespace picgen {

bool WriteBoards(const std::string& outdir);  // board_*.bmp and @2x/@3x, bitmaps 152-157
bool WriteMarbles(const std::string& outdir); // marble_*.bmp and @2x/@3x, marble_mask.bmp, 139-145
bool WriteCursor(const std::string& outdir);  // cursor_pick.bmp, its mask and @2x/@3x, 138
bool WriteIcon(const std::string& outdir);    // app_icon.bmp (128) and app_icon_<N>.png

} // namespace picgen

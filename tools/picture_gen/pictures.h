// The picture sets the generator writes; each function writes its files into `outdir` and returns
// false if one cannot be written.
#pragma once

#include <string>

namespace picgen {

bool WriteBoards(const std::string& outdir);  // board_*.bmp, bitmaps 152-157
bool WriteMarbles(const std::string& outdir); // marble_*.bmp and marble_mask.bmp, 139-145
bool WriteCursor(const std::string& outdir);  // cursor_pick.bmp and cursor_pick_mask.bmp, 138
bool WriteIcon(const std::string& outdir);    // app_icon.bmp (128) and app_icon_<N>.png

} // namespace picgen

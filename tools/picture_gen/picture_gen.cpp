// ravelo2-picture-gen <outdir>: writes every picture, the hand cursor and the icon of the game
// (resources 128, 138, 139-145 and 152-157), the 2x and 3x versions of the pictures and the hand,
// and the desktop icon PNGs. The build runs it; the output is a pure function of this code: fixed
// noise seeds, no clock, no uninitialised memory.
#include "pictures.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <outdir>\n", argv[0]);
        return 2;
    }
    const std::string outdir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(outdir, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", outdir.c_str(), error.message().c_str());
        return 1;
    }
    const bool ok = picgen::WriteBoards(outdir) && picgen::WriteMarbles(outdir) &&
                    picgen::WriteCursor(outdir) && picgen::WriteIcon(outdir);
    if (!ok) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", outdir.c_str());
        return 1;
    }
    return 0;
}

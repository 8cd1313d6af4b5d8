// ravelo2-picture-gen <outdir>: writes every picture, the hand cursor and the icon of the game
// (resources 128, 138, 139-145 and 152-157), the 2x and 3x versions of the pictures and the hand,
// and the desktop icon PNGs, and the list of the pictures the game embeds (pictures.qrc). The build
// runs it; the output is a pure function of this code: fixed noise seeds, no clock, no
// uninitialised memory.
#include "pictures.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// pictures.qrc: every picture the game embeds, by the name it is drawn under, so that the build
// embeds whatever the generator draws; the icon theme's PNGs are installed, not embedded.
bool WriteResourceList(const std::string& outdir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(outdir)) {
        const std::string name = entry.path().filename().string();
        const std::string ext = entry.path().extension().string();
        if ((ext == ".bmp" || ext == ".png") && name.rfind("app_icon_", 0) != 0) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    std::ofstream qrc(outdir + "/pictures.qrc");
    qrc << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const std::string& name : names) {
        qrc << "  <file alias=\"pictures/" << name << "\">" << name << "</file>\n";
    }
    qrc << "</qresource>\n</RCC>\n";
    return static_cast<bool>(qrc.flush());
}

} // namespace

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
                    picgen::WriteCursor(outdir) && picgen::WriteIcon(outdir) &&
                    WriteResourceList(outdir);
    if (!ok) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", outdir.c_str());
        return 1;
    }
    return 0;
}

// Readers for the committed pictures, written from the BMP and PNG file formats and sharing
// no code with the generator, so that a fault in its writer cannot hide itself here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace restest {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

double Luma(Rgb c); // 0-255

std::vector<std::uint8_t> ReadBytes(const std::string& path);

// An uncompressed indexed BMP with a BITMAPINFOHEADER.
struct Bmp {
    // Header fields as stored.
    std::uint32_t fileSizeField = 0, offBits = 0, infoSize = 0, compression = 0;
    std::uint32_t sizeImage = 0, clrUsed = 0;
    std::int32_t width = 0, height = 0;
    int planes = 0, bits = 0;
    std::size_t fileSize = 0;
    std::vector<Rgb> palette;
    std::vector<int> index; // one palette index a pixel, top row first

    int At(int x, int y) const { return index[static_cast<std::size_t>(y) * width + x]; }
    Rgb ColourAt(int x, int y) const { return palette[At(x, y)]; }
};

// Reads the file; on failure returns false and says why in `error`.
bool ReadBmp(const std::string& path, Bmp& bmp, std::string& error);

// An 8-bit RGBA PNG whose zlib stream holds stored deflate blocks only (the generator's form);
// checks the signature, every chunk's CRC-32 and the Adler-32.
struct Png {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba; // four bytes a pixel, top row first
    Rgb ColourAt(int x, int y) const;
    int AlphaAt(int x, int y) const;
};

bool ReadPng(const std::string& path, Png& png, std::string& error);

} // namespace restest

// Writers for the two file formats the pictures ship in: indexed Windows BMP (the program's own
// 1x bitmaps, cursor and icon) and RGBA PNG (the 2x and 3x pictures and the desktop's icon theme).
// Plain C++, no libraries, so the generator's output depends on nothing but its own code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace picgen {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// An uncompressed bottom-up BMP with a BITMAPINFOHEADER, `bits` per pixel (1, 4 or 8) and a
// colour table of exactly palette.size() entries (biClrUsed). `pixels` holds one palette index
// per pixel, top row first. Returns false when the file cannot be written.
bool WriteIndexedBmp(const std::string& path, int width, int height, int bits,
                     const std::vector<Rgb>& palette, const std::vector<std::uint8_t>& pixels);

// A truecolour-with-alpha PNG (colour type 6, 8 bits a sample); `rgba` holds four bytes a pixel,
// top row first, not premultiplied. The zlib stream uses stored deflate blocks only.
bool WriteRgbaPng(const std::string& path, int width, int height,
                  const std::vector<std::uint8_t>& rgba);

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler = 1);

} // namespace picgen

#include "image_reader.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace restest {
namespace {

std::uint32_t Le16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return d[at] | (d[at + 1] << 8);
}

std::uint32_t Le32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return Le16(d, at) | (Le16(d, at + 2) << 16);
}

std::uint32_t Be32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return (std::uint32_t{d[at]} << 24) | (d[at + 1] << 16) | (d[at + 2] << 8) | d[at + 3];
}

// Bitwise CRC-32 (polynomial 0xEDB88320), deliberately without a table.
std::uint32_t Crc(const std::uint8_t* p, std::size_t n) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
        }
    }
    return ~crc;
}

} // namespace

double Luma(Rgb c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool ReadBmp(const std::string& path, Bmp& bmp, std::string& error) {
    const std::vector<std::uint8_t> d = ReadBytes(path);
    bmp = Bmp{};
    bmp.fileSize = d.size();
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') {
        error = path + ": not a BMP file";
        return false;
    }
    bmp.fileSizeField = Le32(d, 2);
    bmp.offBits = Le32(d, 10);
    bmp.infoSize = Le32(d, 14);
    bmp.width = static_cast<std::int32_t>(Le32(d, 18));
    bmp.height = static_cast<std::int32_t>(Le32(d, 22));
    bmp.planes = static_cast<int>(Le16(d, 26));
    bmp.bits = static_cast<int>(Le16(d, 28));
    bmp.compression = Le32(d, 30);
    bmp.sizeImage = Le32(d, 34);
    bmp.clrUsed = Le32(d, 46);
    if (bmp.infoSize != 40 || (bmp.bits != 1 && bmp.bits != 4 && bmp.bits != 8) || bmp.width <= 0 ||
        bmp.height <= 0 || bmp.compression != 0 || bmp.clrUsed > (1u << bmp.bits)) {
        error = path + ": not an uncompressed bottom-up indexed BMP with a BITMAPINFOHEADER";
        return false;
    }
    const std::size_t colours = bmp.clrUsed ? bmp.clrUsed : (1u << bmp.bits);
    const std::size_t stride = ((static_cast<std::size_t>(bmp.width) * bmp.bits + 31) / 32) * 4;
    if (54 + 4 * colours > d.size() || bmp.offBits + stride * bmp.height > d.size()) {
        error = path + ": file too short";
        return false;
    }
    for (std::size_t i = 0; i < colours; ++i) {
        const std::size_t at = 54 + 4 * i;
        bmp.palette.push_back({d[at + 2], d[at + 1], d[at]});
    }
    bmp.index.resize(static_cast<std::size_t>(bmp.width) * bmp.height);
    for (int y = 0; y < bmp.height; ++y) {
        const std::size_t row = bmp.offBits + stride * (bmp.height - 1 - y);
        for (int x = 0; x < bmp.width; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x) * bmp.bits;
            const int byte = d[row + bit / 8];
            const int value = (byte >> (8 - bmp.bits - bit % 8)) & ((1 << bmp.bits) - 1);
            if (static_cast<std::size_t>(value) >= colours) {
                error = path + ": pixel index beyond the colour table";
                return false;
            }
            bmp.index[static_cast<std::size_t>(y) * bmp.width + x] = value;
        }
    }
    return true;
}

Rgb Png::ColourAt(int x, int y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 4;
    return {rgba[at], rgba[at + 1], rgba[at + 2]};
}

int Png::AlphaAt(int x, int y) const {
    return rgba[(static_cast<std::size_t>(y) * width + x) * 4 + 3];
}

bool ReadPng(const std::string& path, Png& png, std::string& error) {
    const std::vector<std::uint8_t> d = ReadBytes(path);
    png = Png{};
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (d.size() < 8 || !std::equal(signature, signature + 8, d.begin())) {
        error = path + ": no PNG signature";
        return false;
    }
    std::vector<std::uint8_t> zlib;
    bool header = false, end = false;
    for (std::size_t at = 8; at < d.size() && !end;) {
        if (at + 12 > d.size()) {
            error = path + ": truncated chunk";
            return false;
        }
        const std::size_t length = Be32(d, at);
        if (at + 12 + length > d.size()) {
            error = path + ": truncated chunk";
            return false;
        }
        const std::string type(d.begin() + static_cast<long>(at + 4),
                               d.begin() + static_cast<long>(at + 8));
        if (Crc(&d[at + 4], length + 4) != Be32(d, at + 8 + length)) {
            error = path + ": bad CRC in chunk " + type;
            return false;
        }
        const std::size_t data = at + 8;
        if (type == "IHDR") {
            png.width = static_cast<int>(Be32(d, data));
            png.height = static_cast<int>(Be32(d, data + 4));
            if (length != 13 || d[data + 8] != 8 || d[data + 9] != 6 || d[data + 10] != 0 ||
                d[data + 11] != 0 || d[data + 12] != 0) {
                error = path + ": not 8-bit RGBA, non-interlaced";
                return false;
            }
            header = true;
        } else if (type == "IDAT") {
            zlib.insert(zlib.end(), d.begin() + static_cast<long>(data),
                        d.begin() + static_cast<long>(data + length));
        } else if (type == "IEND") {
            end = true;
        }
        at += 12 + length;
    }
    if (!header || !end || zlib.size() < 6 || (zlib[0] & 0x0F) != 8 ||
        ((zlib[0] << 8) | zlib[1]) % 31 != 0) {
        error = path + ": missing IHDR, IEND or zlib header";
        return false;
    }
    std::vector<std::uint8_t> raw;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        if (at + 5 > zlib.size() || (zlib[at] & 0x06) != 0) {
            error = path + ": expected a stored deflate block";
            return false;
        }
        last = zlib[at] & 1;
        const std::size_t len = Le16(zlib, at + 1), nlen = Le16(zlib, at + 3);
        if ((len ^ 0xFFFF) != nlen || at + 5 + len > zlib.size()) {
            error = path + ": bad stored block length";
            return false;
        }
        raw.insert(raw.end(), zlib.begin() + static_cast<long>(at + 5),
                   zlib.begin() + static_cast<long>(at + 5 + len));
        at += 5 + len;
    }
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    if (at + 4 != zlib.size() || Be32(zlib, at) != ((b << 16) | a)) {
        error = path + ": bad Adler-32";
        return false;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(png.width) * 4;
    if (raw.size() != (rowBytes + 1) * png.height) {
        error = path + ": image data of the wrong size";
        return false;
    }
    for (int y = 0; y < png.height; ++y) {
        const std::size_t row = y * (rowBytes + 1);
        if (raw[row] != 0) {
            error = path + ": only filter type 0 is expected";
            return false;
        }
        png.rgba.insert(png.rgba.end(), raw.begin() + static_cast<long>(row + 1),
                        raw.begin() + static_cast<long>(row + 1 + rowBytes));
    }
    return true;
}

} // namespace restest

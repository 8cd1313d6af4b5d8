// The program's icon (resource 128, 32 x 32 at 16 colours) and its PNG renderings for the desktop's
// icon theme. One design, drawn in a 32-unit square: a wooden board with a store at each end and
// two rows of three pits, four of them holding a marble. Pit and store edges lie on whole units,
// so the 32-pixel rendering is crisp; larger renderings show the wood grain and marble shading in
// more detail.
//
// app_icon.bmp has no alpha channel: pure black (palette index 0) stands for transparent, as it
// does around the marbles, and the drawing itself never uses pure black. It is opaque exactly
// where app_icon_32.png is at least half opaque.
#include "paint.h"
#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace picgen {
namespace {

struct Sample {
    Colour c;
    double alpha = 0;
    bool marble = false;
};

struct Square {
    double x, y, w, h;
};

const Square kStores[2] = {{1, 9, 4, 14}, {27, 9, 4, 14}};
const Square kPits[6] = {{6, 9, 6, 6},  {13, 9, 6, 6},  {20, 9, 6, 6},
                         {6, 17, 6, 6}, {13, 17, 6, 6}, {20, 17, 6, 6}};

struct IconMarble {
    int pit;
    Colour base;
};

const IconMarble kMarbles[4] = {{0, FromRgb(255, 214, 24)},
                                {2, FromRgb(232, 34, 34)},
                                {3, FromRgb(44, 90, 240)},
                                {4, FromRgb(255, 214, 24)}};

double BoxDistance(double u, double v, double cx, double cy, double hx, double hy, double r) {
    const double qx = std::abs(u - cx) - (hx - r), qy = std::abs(v - cy) - (hy - r);
    const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
}

// `pixel` is the size of a pixel in units: small renderings get a calmer grain, which leaves the
// 16-colour icon's few colours to the marbles.
Colour Wood(double u, double v, double pixel) {
    const double bend = Fbm(u * 0.09, v * 0.25, 128, 3) * 2.2;
    const double ring = Wave(v * 0.7 + bend);
    const double fibre = Fbm(u * 0.35, v * 6.0, 129, 2);
    const double detail = 1 - 0.75 * Smoothstep(0.25, 0.5, pixel);
    const double shade = detail * Clamp01(0.6 * ring * ring * ring + 0.3 * (fibre - 0.3));
    return Mix(FromRgb(236, 196, 136), FromRgb(184, 124, 70), shade);
}

// A recessed square: dark top and left walls, lit bottom and right walls, a dark floor.
Colour SquareColour(const Square& sq, double u, double v, double pixel) {
    const double wall = std::max(pixel, 0.55);
    const double i = u - sq.x, j = v - sq.y;
    const double dl = i, dt = j, dr = sq.w - i, db = sq.h - j;
    const double dTopLeft = std::min(dl, dt), dBottomRight = std::min(dr, db);
    const Colour board = Wood(u, v, pixel);
    if (std::min(dTopLeft, dBottomRight) < wall) {
        return dTopLeft <= dBottomRight ? board * 0.42 : Mix(board, FromRgb(255, 255, 255), 0.32);
    }
    const double shadow = 1 - 0.25 * (1 - Smoothstep(wall, wall + 1.2, std::min(dt, dl)));
    const Colour floor = board * (0.55 * shadow);
    const double luma = Luma(floor);
    return Mix({luma, luma, luma}, floor, 1.4);
}

bool Inside(const Square& sq, double u, double v) {
    return u >= sq.x && u < sq.x + sq.w && v >= sq.y && v < sq.y + sq.h;
}

// The design at a point (u, v) of the 32-unit square; `pixel` is the size of one pixel in units,
// which keeps the outline at least a pixel wide at every size.
Sample DrawIcon(double u, double v, double pixel) {
    const double board = BoxDistance(u, v, 16, 16, 16, 9, 3.5);
    if (board > 0) {
        return {};
    }
    const double outline = std::max(pixel, 0.6);
    if (board > -outline) {
        return {FromRgb(86, 50, 24), 1};
    }
    for (const Square& sq : kStores) {
        if (Inside(sq, u, v)) {
            return {SquareColour(sq, u, v, pixel), 1};
        }
    }
    for (int p = 0; p < 6; ++p) {
        if (!Inside(kPits[p], u, v)) {
            continue;
        }
        for (const IconMarble& m : kMarbles) {
            if (m.pit != p) {
                continue;
            }
            const double nx = (u - kPits[p].x - 3) / 2.8, ny = (v - kPits[p].y - 3) / 2.8;
            if (nx * nx + ny * ny <= 1) {
                return {MarbleShade(m.base, nx, ny), 1, true};
            }
        }
        return {SquareColour(kPits[p], u, v, pixel), 1};
    }
    Colour wood = Wood(u, v, pixel);
    // A lit bevel along the inside of the top edge.
    if (board > -outline - std::max(pixel, 0.5) && v < 16) {
        wood = Mix(wood, FromRgb(255, 255, 255), 0.35);
    }
    return {wood, 1};
}

// Renders the design at size x size pixels, `samples` x `samples` a pixel; RGBA, not premultiplied.
// `marblePixels`, when given, marks the pixels mostly covered by a marble.
std::vector<std::uint8_t> Render(int size, int samples, std::vector<bool>* marblePixels = nullptr) {
    const double pixel = 32.0 / size;
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Colour sum;
            double alpha = 0;
            int marbleSamples = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double u = (x + (sx + 0.5) / samples) * pixel;
                    const double v = (y + (sy + 0.5) / samples) * pixel;
                    const Sample s = DrawIcon(u, v, pixel);
                    sum = sum + s.c * s.alpha;
                    alpha += s.alpha;
                    marbleSamples += s.marble;
                }
            }
            if (marblePixels) {
                marblePixels->push_back(2 * marbleSamples > samples * samples);
            }
            const std::size_t at = (static_cast<std::size_t>(y) * size + x) * 4;
            const Rgb c = alpha > 0 ? ToRgb(sum * (1 / alpha)) : Rgb{};
            rgba[at] = c.r;
            rgba[at + 1] = c.g;
            rgba[at + 2] = c.b;
            rgba[at + 3] =
                static_cast<std::uint8_t>(std::floor(alpha / (samples * samples) * 255 + 0.5));
        }
    }
    return rgba;
}

constexpr int kIconBoardColours = 8;

} // namespace

bool WriteIcon(const std::string& outdir) {
    for (int size : {32, 48, 64, 128, 256}) {
        std::vector<bool> marblePixels;
        const std::vector<std::uint8_t> rgba = Render(size, size <= 64 ? 8 : 4, &marblePixels);
        if (!WriteRgbaPng(outdir + "/app_icon_" + std::to_string(size) + ".png", size, size,
                          rgba)) {
            return false;
        }
        if (size != 32) {
            continue;
        }
        // Sixteen colours go a short way: the board and pits get eight, the marbles seven, so
        // that each marble keeps a shadow, a body and a highlight.
        std::vector<Rgb> boardColours, marbleColours;
        for (std::size_t p = 0; p < marblePixels.size(); ++p) {
            const std::uint8_t* px = &rgba[p * 4];
            if (px[3] >= 128) {
                (marblePixels[p] ? marbleColours : boardColours).push_back({px[0], px[1], px[2]});
            }
        }
        std::vector<Rgb> palette = {{0, 0, 0}};
        for (const auto& [colours, count] : {std::pair{&boardColours, kIconBoardColours},
                                             {&marbleColours, 15 - kIconBoardColours}}) {
            for (Rgb c : ChoosePalette(*colours, count)) {
                palette.push_back(c == Rgb{0, 0, 0} ? Rgb{1, 1, 1} : c);
            }
        }
        std::vector<std::uint8_t> pixels(32 * 32, 0);
        for (std::size_t p = 0; p < pixels.size(); ++p) {
            const std::uint8_t* px = &rgba[p * 4];
            if (px[3] >= 128) {
                const Colour c = FromRgb(px[0], px[1], px[2]);
                pixels[p] = static_cast<std::uint8_t>(
                    marblePixels[p]
                        ? NearestIndex(palette, 1 + kIconBoardColours, 15 - kIconBoardColours, c)
                        : NearestIndex(palette, 1, kIconBoardColours, c));
            }
        }
        if (!WriteIndexedBmp(outdir + "/app_icon.bmp", 32, 32, 4, palette, pixels)) {
            return false;
        }
    }
    return true;
}

} // namespace picgen

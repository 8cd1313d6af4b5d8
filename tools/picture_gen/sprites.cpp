// The marbles and their mask (bitmaps 139-145) and the hand cursor (138).
#include "paint.h"
#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace picgen {
namespace {

constexpr int kMarble = 10;

// The marble's disc: pixel centres within sqrt(23) of the middle, rows of 4, 6, 8, 10, 10, 10,
// 10, 8, 6, 4 pixels. In whole numbers: (2x - 9)^2 + (2y - 9)^2 <= 92.
bool InMarbleDisc(int x, int y) {
    const int dx = 2 * x - 9, dy = 2 * y - 9;
    return dx * dx + dy * dy <= 92;
}

const std::vector<Rgb> kMonoPalette = {{255, 255, 255}, {0, 0, 0}}; // index 0 white, 1 black

bool WriteMarble(const std::string& path, Colour base) {
    // Each pixel is the mean of 4 x 4 samples of the shaded ball, whose edge lies half a pixel
    // outside the disc's outermost pixel centres.
    std::vector<Colour> colours(kMarble * kMarble);
    std::vector<Rgb> disc;
    for (int y = 0; y < kMarble; ++y) {
        for (int x = 0; x < kMarble; ++x) {
            if (!InMarbleDisc(x, y)) {
                continue;
            }
            Colour sum;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
                    sum = sum + MarbleShade(base, (px - 5) / 5.1, (py - 5) / 5.1);
                }
            }
            Colour c = sum * (1.0 / 16);
            colours[y * kMarble + x] = c;
            disc.push_back(ToRgb(c));
        }
    }
    // Index 0 is pure black, the surround the OR blit leaves unchanged; 1-15 shade the disc.
    std::vector<Rgb> palette = {{0, 0, 0}};
    for (Rgb c : ChoosePalette(disc, 15)) {
        if (c == Rgb{0, 0, 0}) {
            c = {1, 1, 1}; // a disc pixel must never read as surround
        }
        palette.push_back(c);
    }
    std::vector<std::uint8_t> pixels(kMarble * kMarble, 0);
    for (int y = 0; y < kMarble; ++y) {
        for (int x = 0; x < kMarble; ++x) {
            if (InMarbleDisc(x, y)) {
                pixels[y * kMarble + x] = static_cast<std::uint8_t>(
                    NearestIndex(palette, 1, 15, colours[y * kMarble + x]));
            }
        }
    }
    return WriteIndexedBmp(path, kMarble, kMarble, 4, palette, pixels);
}

// --- The hand cursor -------------------------------------------------------------------------

constexpr int kCursor = 32;

struct Point {
    double x, y;
};

// Signed distance to a capsule (segment a-b, radius r): negative inside.
double CapsuleDistance(Point p, Point a, Point b, double r) {
    const double abx = b.x - a.x, aby = b.y - a.y;
    const double apx = p.x - a.x, apy = p.y - a.y;
    const double t = Clamp01((apx * abx + apy * aby) / (abx * abx + aby * aby));
    const double dx = apx - abx * t, dy = apy - aby * t;
    return std::sqrt(dx * dx + dy * dy) - r;
}

// Signed distance to a rounded rectangle centred at c with half sizes hx, hy and corner radius r.
double RoundedBoxDistance(Point p, Point c, double hx, double hy, double r) {
    const double qx = std::abs(p.x - c.x) - (hx - r), qy = std::abs(p.y - c.y) - (hy - r);
    const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
}

// The hand in its own frame: fingers up, thumb to the left, palm centred near the origin. Piece 0
// is the palm, 1-4 the fingers from index to little finger, 5 the thumb.
constexpr int kHandParts = 6;

struct Capsule {
    Point base, tip;
    double radius;
};

const Capsule kFingers[5] = {
    {{-5.9, -3.0}, {-7.6, -14.6}, 2.05},  // index
    {{-1.95, -3.5}, {-2.4, -16.2}, 2.05}, // middle
    {{2.0, -3.3}, {2.9, -15.0}, 2.0},     // ring
    {{5.8, -2.5}, {7.6, -11.6}, 1.9},     // little
    {{-6.2, 4.2}, {-12.6, -2.2}, 2.2},    // thumb
};

double HandPartDistance(int part, Point p) {
    if (part == 0) {
        return RoundedBoxDistance(p, {0.0, 2.0}, 7.9, 7.6, 4.2);
    }
    const Capsule& f = kFingers[part - 1];
    return CapsuleDistance(p, f.base, f.tip, f.radius);
}

bool WriteCursorFiles(const std::string& outdir) {
    // Draw the hand, tilted 20 degrees to the left, on a large canvas; then move it by whole
    // pixels so that the tip of the index finger, its pixel furthest along that finger, is the
    // hot spot (5, 5).
    constexpr int kCanvas = 64;
    const double c = CosDeg(-20), s = SinDeg(-20);
    std::vector<int> part(kCanvas * kCanvas, -1); // nearest part, or -1 outside the hand
    for (int y = 0; y < kCanvas; ++y) {
        for (int x = 0; x < kCanvas; ++x) {
            const double dx = x + 0.5 - kCanvas / 2.0, dy = y + 0.5 - kCanvas / 2.0;
            const Point p = {c * dx + s * dy, -s * dx + c * dy};
            int nearest = 0;
            double nearestDistance = HandPartDistance(0, p);
            for (int k = 1; k < kHandParts; ++k) {
                const double d = HandPartDistance(k, p);
                if (d < nearestDistance) {
                    nearestDistance = d;
                    nearest = k;
                }
            }
            part[y * kCanvas + x] = nearestDistance <= 0 ? nearest : -1;
        }
    }
    // Sampling leaves the odd lone pixel on a curve; shave off every pixel that touches fewer
    // than two others, until none is left, so the outline runs smoothly.
    for (bool changed = true; changed;) {
        changed = false;
        for (int y = 1; y < kCanvas - 1; ++y) {
            for (int x = 1; x < kCanvas - 1; ++x) {
                int& here = part[y * kCanvas + x];
                const int neighbours =
                    (part[y * kCanvas + x - 1] >= 0) + (part[y * kCanvas + x + 1] >= 0) +
                    (part[(y - 1) * kCanvas + x] >= 0) + (part[(y + 1) * kCanvas + x] >= 0);
                if (here >= 0 && neighbours < 2) {
                    here = -1;
                    changed = true;
                }
            }
        }
    }
    // The index finger's direction on the canvas.
    const Capsule& index = kFingers[0];
    const double fx = index.tip.x - index.base.x, fy = index.tip.y - index.base.y;
    const double ux = c * fx - s * fy, uy = s * fx + c * fy;
    int tipX = 0, tipY = 0;
    double tipReach = -1e9;
    for (int y = 0; y < kCanvas; ++y) {
        for (int x = 0; x < kCanvas; ++x) {
            const double reach = x * ux + y * uy;
            if (part[y * kCanvas + x] == 1 && reach > tipReach) {
                tipReach = reach;
                tipX = x;
                tipY = y;
            }
        }
    }
    const int shiftX = tipX - 5, shiftY = tipY - 5;
    auto partAt = [&](int x, int y) {
        const int cx = x + shiftX, cy = y + shiftY;
        return (cx < 0 || cy < 0 || cx >= kCanvas || cy >= kCanvas) ? -1 : part[cy * kCanvas + cx];
    };
    for (int y = 0; y < kCanvas; ++y) {
        for (int x = 0; x < kCanvas; ++x) {
            const int cx = x - shiftX, cy = y - shiftY;
            if (part[y * kCanvas + x] >= 0 &&
                (cx < 0 || cy < 0 || cx >= kCursor || cy >= kCursor)) {
                return false; // the hand does not fit the cursor
            }
        }
    }
    std::vector<std::uint8_t> image(kCursor * kCursor, 0), mask(kCursor * kCursor, 0);
    for (int y = 0; y < kCursor; ++y) {
        for (int x = 0; x < kCursor; ++x) {
            const int here = partAt(x, y);
            if (here < 0) {
                continue;
            }
            mask[y * kCursor + x] = 1;
            bool edge = false;
            const int nx[4] = {x - 1, x + 1, x, x};
            const int ny[4] = {y, y, y - 1, y + 1};
            for (int k = 0; k < 4; ++k) {
                const int there = partAt(nx[k], ny[k]);
                // The outline, and a line between two fingers where they touch (drawn on one
                // side only, so it stays one pixel wide); fingers merge into the palm unlined.
                edge = edge || there < 0 || (here > 0 && there > 0 && there < here);
            }
            image[y * kCursor + x] = edge ? 1 : 0;
        }
    }
    return WriteIndexedBmp(outdir + "/cursor_pick.bmp", kCursor, kCursor, 1, kMonoPalette, image) &&
           WriteIndexedBmp(outdir + "/cursor_pick_mask.bmp", kCursor, kCursor, 1, kMonoPalette,
                           mask);
}

} // namespace

bool WriteMarbles(const std::string& outdir) {
    struct Named {
        const char* file;
        Colour base;
    };
    const Named marbles[] = {
        {"marble_yellow.bmp", FromRgb(255, 214, 24)}, {"marble_green.bmp", FromRgb(40, 196, 64)},
        {"marble_red.bmp", FromRgb(232, 34, 34)},     {"marble_purple.bmp", FromRgb(156, 64, 214)},
        {"marble_aqua.bmp", FromRgb(64, 214, 236)},   {"marble_blue.bmp", FromRgb(44, 90, 240)},
    };
    for (const Named& m : marbles) {
        if (!WriteMarble(outdir + "/" + m.file, m.base)) {
            return false;
        }
    }
    std::vector<std::uint8_t> mask(kMarble * kMarble);
    for (int y = 0; y < kMarble; ++y) {
        for (int x = 0; x < kMarble; ++x) {
            mask[y * kMarble + x] = InMarbleDisc(x, y) ? 1 : 0;
        }
    }
    return WriteIndexedBmp(outdir + "/marble_mask.bmp", kMarble, kMarble, 1, kMonoPalette, mask);
}

bool WriteCursor(const std::string& outdir) {
    return WriteCursorFiles(outdir);
}

} // namespace picgen

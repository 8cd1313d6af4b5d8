// The marbles and their mask (bitmaps 139-145) and the hand cursor (138). At 1x they are the
// indexed bitmaps the game blits with a mask; at 2x and 3x they are RGBA PNGs whose smooth alpha
// edge makes the mask unnecessary.
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
constexpr int kHighScales[] = {2, 3};

std::string HighScaleFile(const std::string& outdir, const char* stem, int scale) {
    return outdir + "/" + stem + "@" + std::to_string(scale) + "x.png";
}

// The marble's disc: pixel centres within sqrt(23) of the middle, rows of 4, 6, 8, 10, 10, 10,
// 10, 8, 6, 4 pixels. In whole numbers: (2x - 9)^2 + (2y - 9)^2 <= 92.
bool InMarbleDisc(int x, int y) {
    const int dx = 2 * x - 9, dy = 2 * y - 9;
    return dx * dx + dy * dy <= 92;
}

// The radius of the round disc with the 1x disc's area, so that a marble covers as much of the
// board at every scale.
double MarbleRadius() {
    int area = 0;
    for (int y = 0; y < kMarble; ++y) {
        for (int x = 0; x < kMarble; ++x) {
            area += InMarbleDisc(x, y);
        }
    }
    return std::sqrt(area / 3.14159265358979323846);
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

// The same ball at `scale` device pixels a logical pixel: a disc of MarbleRadius() about the
// middle of the 10 x 10 square, 8 x 8 samples a pixel, transparent outside.
bool WriteMarbleAt(const std::string& path, Colour base, int scale) {
    const int size = kMarble * scale;
    const double radius = MarbleRadius();
    constexpr int kSamples = 8;
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Colour sum;
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double nx = ((x + (sx + 0.5) / kSamples) / scale - 5) / radius;
                    const double ny = ((y + (sy + 0.5) / kSamples) / scale - 5) / radius;
                    if (nx * nx + ny * ny <= 1) {
                        sum = sum + MarbleShade(base, nx, ny);
                        ++inside;
                    }
                }
            }
            PutRgba(rgba, inside ? sum * (1.0 / inside) : Colour{},
                    inside / double(kSamples * kSamples));
        }
    }
    return WriteRgbaPng(path, size, size, rgba);
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

// The hand on a canvas of 64 x 64 logical pixels, tilted 20 degrees to the left about the
// canvas's middle: a canvas point in the hand's own frame.
constexpr int kCanvas = 64;

Point HandFrame(double x, double y) {
    static const double c = CosDeg(-20), s = SinDeg(-20);
    const double dx = x - kCanvas / 2.0, dy = y - kCanvas / 2.0;
    return {c * dx + s * dy, -s * dx + c * dy};
}

// The index finger's direction on the canvas.
Point IndexDirection() {
    const double c = CosDeg(-20), s = SinDeg(-20);
    const Capsule& index = kFingers[0];
    const double fx = index.tip.x - index.base.x, fy = index.tip.y - index.base.y;
    return {c * fx - s * fy, s * fx + c * fy};
}

// The nearest part of the hand to a point, and the next nearest, with their distances.
struct Nearest {
    int part = 0, other = 0;
    double d = 1e9, otherD = 1e9;
};

Nearest NearestParts(Point p) {
    Nearest n;
    for (int k = 0; k < kHandParts; ++k) {
        const double d = HandPartDistance(k, p);
        if (d < n.d) {
            n.other = n.part;
            n.otherD = n.d;
            n.part = k;
            n.d = d;
        } else if (d < n.otherD) {
            n.other = k;
            n.otherD = d;
        }
    }
    return n;
}

// Moves a canvas drawing by whole pixels so that `tip` lands on the hot spot (5, 5) scaled, and
// cuts out the cursor; false when some of the hand would fall outside it.
template <typename T>
bool PlaceOnHotSpot(const std::vector<T>& canvas, int canvasSize, int tipX, int tipY, int scale,
                    T empty, std::vector<T>& cursor) {
    const int size = kCursor * scale;
    const int shiftX = tipX - 5 * scale, shiftY = tipY - 5 * scale;
    cursor.assign(static_cast<std::size_t>(size) * size, empty);
    for (int y = 0; y < canvasSize; ++y) {
        for (int x = 0; x < canvasSize; ++x) {
            const T& here = canvas[static_cast<std::size_t>(y) * canvasSize + x];
            if (here == empty) {
                continue;
            }
            const int cx = x - shiftX, cy = y - shiftY;
            if (cx < 0 || cy < 0 || cx >= size || cy >= size) {
                return false; // the hand does not fit the cursor
            }
            cursor[static_cast<std::size_t>(cy) * size + cx] = here;
        }
    }
    return true;
}

// The 1x cursor: a picture (black outline, white fill) and a mask (black where opaque), each
// pixel in or out of the hand by its centre.
bool WriteCursorBitmaps(const std::string& outdir) {
    std::vector<int> part(kCanvas * kCanvas, -1); // nearest part, or -1 outside the hand
    for (int y = 0; y < kCanvas; ++y) {
        for (int x = 0; x < kCanvas; ++x) {
            const Nearest n = NearestParts(HandFrame(x + 0.5, y + 0.5));
            part[y * kCanvas + x] = n.d <= 0 ? n.part : -1;
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
    // The tip of the index finger: its pixel furthest along that finger.
    const Point u = IndexDirection();
    int tipX = 0, tipY = 0;
    double tipReach = -1e9;
    for (int y = 0; y < kCanvas; ++y) {
        for (int x = 0; x < kCanvas; ++x) {
            const double reach = x * u.x + y * u.y;
            if (part[y * kCanvas + x] == 1 && reach > tipReach) {
                tipReach = reach;
                tipX = x;
                tipY = y;
            }
        }
    }
    std::vector<int> placed;
    if (!PlaceOnHotSpot(part, kCanvas, tipX, tipY, 1, -1, placed)) {
        return false;
    }
    auto partAt = [&](int x, int y) {
        return (x < 0 || y < 0 || x >= kCursor || y >= kCursor) ? -1 : placed[y * kCursor + x];
    };
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

// The same hand at `scale` device pixels a logical pixel, as one RGBA picture: a white hand with
// a black outline a logical pixel wide, the lines between touching fingers, and smooth alpha
// edges. Its hot spot is the fully opaque pixel furthest along the index finger.
bool WriteCursorAt(const std::string& outdir, int scale) {
    constexpr int kSamples = 6;
    constexpr double kLine = 1.0;
    const int canvas = kCanvas * scale;
    struct Pixel {
        double grey = 0, alpha = 0;
        bool operator==(const Pixel&) const = default;
    };
    std::vector<Pixel> pixels(static_cast<std::size_t>(canvas) * canvas);
    const Point u = IndexDirection();
    int tipX = 0, tipY = 0;
    double tipReach = -1e9;
    for (int y = 0; y < canvas; ++y) {
        for (int x = 0; x < canvas; ++x) {
            double black = 0;
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Nearest n = NearestParts(HandFrame((x + (sx + 0.5) / kSamples) / scale,
                                                             (y + (sy + 0.5) / kSamples) / scale));
                    if (n.d > 0) {
                        continue;
                    }
                    ++inside;
                    const bool fingers = n.part > 0 && n.other > 0 && n.otherD - n.d < kLine;
                    black += (n.d > -kLine || fingers) ? 1 : 0;
                }
            }
            if (inside == 0) {
                continue;
            }
            const double white = 1 - black / inside;
            Pixel& pixel = pixels[static_cast<std::size_t>(y) * canvas + x];
            pixel = {white, inside / double(kSamples * kSamples)};
            const double reach = x * u.x + y * u.y;
            if (inside == kSamples * kSamples &&
                NearestParts(HandFrame((x + 0.5) / scale, (y + 0.5) / scale)).part == 1 &&
                reach > tipReach) {
                tipReach = reach;
                tipX = x;
                tipY = y;
            }
        }
    }
    std::vector<Pixel> placed;
    if (!PlaceOnHotSpot(pixels, canvas, tipX, tipY, scale, Pixel{}, placed)) {
        return false;
    }
    std::vector<std::uint8_t> rgba;
    for (const Pixel& pixel : placed) {
        PutRgba(rgba, {pixel.grey, pixel.grey, pixel.grey}, pixel.alpha);
    }
    const int size = kCursor * scale;
    return WriteRgbaPng(HighScaleFile(outdir, "cursor_pick", scale), size, size, rgba);
}

} // namespace

bool WriteMarbles(const std::string& outdir) {
    struct Named {
        const char* stem;
        Colour base;
    };
    const Named marbles[] = {
        {"marble_yellow", FromRgb(255, 214, 24)}, {"marble_green", FromRgb(40, 196, 64)},
        {"marble_red", FromRgb(232, 34, 34)},     {"marble_purple", FromRgb(156, 64, 214)},
        {"marble_aqua", FromRgb(64, 214, 236)},   {"marble_blue", FromRgb(44, 90, 240)},
    };
    for (const Named& m : marbles) {
        if (!WriteMarble(outdir + "/" + m.stem + ".bmp", m.base)) {
            return false;
        }
        for (int scale : kHighScales) {
            if (!WriteMarbleAt(HighScaleFile(outdir, m.stem, scale), m.base, scale)) {
                return false;
            }
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
    if (!WriteCursorBitmaps(outdir)) {
        return false;
    }
    for (int scale : kHighScales) {
        if (!WriteCursorAt(outdir, scale)) {
            return false;
        }
    }
    return true;
}

} // namespace picgen

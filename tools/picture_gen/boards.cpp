// The six board pictures (bitmaps 152-157): 463 x 122 logical pixels, drawn at 1x as an 8-bit BMP
// and at 2x and 3x as RGBA PNGs for high-density screens. One drawing in logical coordinates
// serves every scale: a scale samples it at its own density, several samples a pixel where an
// edge crosses it.
//
// A textured board with the 12 pits and 2 stores sunk into it as wells. A well's floor is flat and
// dark, so that marbles of every colour stand out on it, and it is exactly the place's 50 x 50
// square, where the game draws the first 25 marbles; the bevelled rim lies outside the square, in
// the 7-pixel gaps. A store's well goes on below its square to near the board's bottom edge, so
// that the marbles beyond the 25th, drawn in further lines downwards, still lie inside it. Light
// falls from the upper left: a well's top and left walls lie in shadow, its bottom and right walls
// catch the light.
//
// The game marks the pit the computer has just played with a red bar on the pit's top wall. The
// tones of each board, the red one above all, are chosen to stand well apart from that red.
#include "paint.h"
#include "pictures.h"
#include "ui/board_layout.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace picgen {
namespace {

constexpr int kWidth = board_layout::kPictureWidth;
constexpr int kHeight = board_layout::kPictureHeight;
constexpr double kRim = 3;   // a well's bevelled rim, outside its floor
constexpr double kFrame = 3; // the board's raised outer edge

struct Rect {
    double x0, y0, x1, y1; // [x0, x1) x [y0, y1) in logical pixels
};

// The wells' floors: the game's squares, the stores' lengthened downwards.
std::vector<Rect> Wells() {
    std::vector<Rect> wells;
    for (int nRow = 0; nRow < 2; ++nRow) {
        for (int nIndex = 0; nIndex < 7; ++nIndex) {
            const board_layout::Rect well = board_layout::WellOf(nRow, nIndex);
            wells.push_back({double(well.x0), double(well.y0), double(well.x1), double(well.y1)});
        }
    }
    return wells;
}

enum class Grain { Wood, Brushed, Mottled };

struct BoardStyle {
    const char* name;
    std::uint32_t seed;
    Grain grain;
    Colour light; // the board's lightest tone
    Colour dark;  // its darkest tone (late wood, streaks, mottling)
    Colour floor; // the wells' floor
};

// Flat-sawn timber: growth rings running along the board, bent by slow noise, with fine fibres
// and pores.
double WoodShade(double x, double y, std::uint32_t seed) {
    const double bend =
        Fbm(x * 0.003, y * 0.015, seed, 4) * 4.5 + Fbm(x * 0.015, y * 0.05, seed + 11, 3) * 0.45;
    const double arch = (x - 180) * (x - 180) * 0.000016; // rings arch across the plank
    const double ring = Wave(y * 0.06 + bend + arch);
    const double late = ring * ring * ring;                    // sharp dark late-wood bands
    const double fibre = Fbm(x * 0.05, y * 1.1, seed + 23, 3); // long thin streaks
    const double pore = Smoothstep(0.72, 0.92, ValueNoise(x * 0.45, y * 2.2, seed + 37));
    const double broad = Fbm(x * 0.008, y * 0.012, seed + 41, 3);
    return Clamp01(0.55 * late + 0.35 * (fibre - 0.3) + 0.18 * pore + 0.3 * (broad - 0.5));
}

// Brushed metal: dense horizontal strokes over a faint cloudiness.
double BrushedShade(double x, double y, std::uint32_t seed) {
    const double stroke =
        ValueNoise(x * 0.012, y * 1.9, seed) * 0.6 + ValueNoise(x * 0.05, y * 3.7, seed + 5) * 0.4;
    const double cloud = Fbm(x * 0.01, y * 0.025, seed + 9, 4);
    const double speck = Smoothstep(0.85, 1.0, ValueNoise(x * 0.9, y * 0.9, seed + 13));
    return Clamp01(0.55 * stroke + 0.55 * (cloud - 0.35) + 0.15 * speck);
}

// Mottled stone or lacquer: clouds of several sizes and a fine grain.
double MottledShade(double x, double y, std::uint32_t seed) {
    const double cloud = Fbm(x * 0.018, y * 0.022, seed, 5);
    const double vein = 1 - Wave(Fbm(x * 0.01, y * 0.013, seed + 3, 4) * 3.0);
    const double grain = ValueNoise(x * 0.8, y * 0.8, seed + 7);
    return Clamp01(0.9 * (cloud - 0.25) + 0.25 * vein * vein * vein * vein + 0.12 * grain);
}

// The board's material at a point, lit softly from the upper left; the walls and the raised
// edge shade it further.
Colour Material(const BoardStyle& style, double u, double v) {
    double shade = 0;
    switch (style.grain) {
    case Grain::Wood:
        shade = WoodShade(u, v, style.seed);
        break;
    case Grain::Brushed:
        shade = BrushedShade(u, v, style.seed);
        break;
    case Grain::Mottled:
        shade = MottledShade(u, v, style.seed);
        break;
    }
    return Mix(style.light, style.dark, shade) * (1.04 - 0.06 * u / kWidth - 0.08 * v / kHeight);
}

enum class Region { Surface, Frame, Rim, Floor };

// Where a point lies: its region; its distance from the nearest well's floor (negative inside
// a floor, at most kRim + 1 outside) and, on a rim, the direction away from that well; its
// distance from the picture's border.
struct Place {
    Region region = Region::Surface;
    double d = kRim + 1, nx = 0, ny = 0;
    double edge = 0;
};

Place Locate(const std::vector<Rect>& wells, double u, double v) {
    Place place;
    place.edge = std::min(std::min(u, v), std::min(kWidth - u, kHeight - v));
    for (const Rect& w : wells) {
        if (u >= w.x0 && u < w.x1 && v >= w.y0 && v < w.y1) {
            place.region = Region::Floor;
            place.d = -std::min(std::min(u - w.x0, w.x1 - u), std::min(v - w.y0, w.y1 - v));
            return place;
        }
        const double dx = u - std::clamp(u, w.x0, w.x1), dy = v - std::clamp(v, w.y0, w.y1);
        if (std::abs(dx) >= place.d || std::abs(dy) >= place.d) {
            continue;
        }
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d > 0 && d < place.d) {
            place.d = d;
            place.nx = dx / d;
            place.ny = dy / d;
        }
    }
    if (place.d < kRim) {
        place.region = Region::Rim;
    } else if (place.edge < kFrame) {
        place.region = Region::Frame;
    }
    return place;
}

const Colour kWhite = FromRgb(255, 255, 255);

// A well's wall: a steep bevel from the board's surface down to the floor, rounded over at its
// outer lip, lit by where it faces.
Colour WallColour(Colour material, const Place& place) {
    const double t = place.d / kRim; // 0 at the floor, 1 at the board's surface
    const double slope = 0.8 * (1 - Smoothstep(0.75, 1.0, t));
    const double lift = std::sqrt(1 - slope * slope);
    // The wall faces into the well; the light comes from the upper left and a little in front.
    const double lx = -0.45, ly = -0.6, lz = 0.66;
    const double facing = (-place.nx * slope * lx - place.ny * slope * ly + lift * lz) / lz;
    Colour c = material * (0.3 + 0.7 * std::clamp(facing, 0.0, 1.0));
    if (facing > 1) {
        c = Mix(c, kWhite, 1.2 * (facing - 1));
    }
    // Less light reaches the foot of the wall.
    return c * (0.8 + 0.2 * t);
}

// The board's raised outer edge: a dark outline, then a bevel lit at the top and left.
Colour FrameColour(Colour material, const Place& place, double u, double v) {
    const double e = place.edge;
    if (e < 1) {
        return material * 0.45;
    }
    const double strength = (kFrame - e) / (kFrame - 1) * 0.5 + 0.5;
    if (e == u || e == v) {
        return Mix(material, kWhite, 0.3 * strength);
    }
    return material * (1 - 0.3 * strength);
}

Colour PointColour(const BoardStyle& style, const Place& place, Colour material, double u,
                   double v) {
    switch (place.region) {
    case Region::Floor:
        return style.floor;
    case Region::Rim:
        return WallColour(material, place);
    case Region::Frame:
        return FrameColour(material, place, u, v);
    case Region::Surface:
        break;
    }
    return material;
}

// The board at `scale` device pixels a logical pixel, top row first. The texture is taken once a
// pixel, at its centre; where the pixel holds more than one region, or the mitred raised edge,
// its colour is the mean of 4 x 4 samples.
std::vector<Colour> Render(const BoardStyle& style, int scale) {
    const std::vector<Rect> wells = Wells();
    const int width = kWidth * scale, height = kHeight * scale;
    constexpr int kSamples = 4;
    // A pixel whose centre lies further than this from every edge holds one region only.
    const double pixel = 1.0 / scale;
    std::vector<Colour> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            auto at = [&](int s, double from) { return (s + from) / scale; };
            const double u = at(x, 0.5), v = at(y, 0.5);
            const Colour material = Material(style, u, v);
            const Place centre = Locate(wells, u, v);
            bool uniform = centre.region == Region::Floor
                               ? centre.d < -pixel
                               : centre.d > kRim + pixel && centre.edge > kFrame + pixel;
            if (!uniform && centre.region != Region::Frame) {
                const double lo = 0.5 / kSamples, hi = 1 - lo;
                uniform = true;
                for (const auto& [cx, cy] : {std::pair{lo, lo}, {hi, lo}, {lo, hi}, {hi, hi}}) {
                    uniform =
                        uniform && Locate(wells, at(x, cx), at(y, cy)).region == centre.region;
                }
            }
            Colour c;
            if (uniform) {
                c = PointColour(style, centre, material, u, v);
            } else {
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        const double su = at(x, (sx + 0.5) / kSamples);
                        const double sv = at(y, (sy + 0.5) / kSamples);
                        c = c + PointColour(style, Locate(wells, su, sv), material, su, sv);
                    }
                }
                c = c * (1.0 / (kSamples * kSamples));
            }
            pixels[static_cast<std::size_t>(y) * width + x] = c;
        }
    }
    return pixels;
}

// The 1x bitmap: palette entry 0 is the floor's own colour, which no other pixel takes, so the
// floor stays one flat colour and a rim pixel never passes for floor.
bool WriteBitmap(const std::string& path, const BoardStyle& style,
                 const std::vector<Colour>& colours) {
    const Rgb floor = ToRgb(style.floor);
    std::vector<Rgb> others;
    for (const Colour& c : colours) {
        if (ToRgb(c) != floor) {
            others.push_back(ToRgb(c));
        }
    }
    std::vector<Rgb> palette = {floor};
    for (Rgb c : ChoosePalette(others, 255)) {
        if (c == floor) {
            c.r = static_cast<std::uint8_t>(c.r ^ 1);
        }
        palette.push_back(c);
    }
    std::vector<std::uint8_t> pixels(colours.size());
    for (std::size_t p = 0; p < colours.size(); ++p) {
        pixels[p] = ToRgb(colours[p]) == floor
                        ? 0
                        : static_cast<std::uint8_t>(NearestIndex(palette, 1, 255, colours[p]));
    }
    return WriteIndexedBmp(path, kWidth, kHeight, 8, palette, pixels);
}

bool WriteBoard(const std::string& outdir, const BoardStyle& style, int scale) {
    const std::vector<Colour> colours = Render(style, scale);
    const std::string stem = outdir + "/" + style.name;
    if (scale == 1) {
        return WriteBitmap(stem + ".bmp", style, colours);
    }
    std::vector<std::uint8_t> rgba;
    rgba.reserve(colours.size() * 4);
    for (const Colour& c : colours) {
        PutRgba(rgba, c, 1);
    }
    return WriteRgbaPng(stem + "@" + std::to_string(scale) + "x.png", kWidth * scale,
                        kHeight * scale, rgba);
}

} // namespace

bool WriteBoards(const std::string& outdir) {
    const BoardStyle styles[] = {
        {"board_dark_mono", 152, Grain::Brushed, FromRgb(80, 83, 88), FromRgb(40, 42, 46),
         FromRgb(24, 25, 28)},
        {"board_light_wood", 153, Grain::Wood, FromRgb(238, 205, 153), FromRgb(176, 122, 70),
         FromRgb(60, 40, 26)},
        {"board_red", 154, Grain::Mottled, FromRgb(140, 18, 28), FromRgb(84, 8, 16),
         FromRgb(38, 8, 12)},
        {"board_pale_blue", 155, Grain::Mottled, FromRgb(206, 228, 242), FromRgb(150, 186, 212),
         FromRgb(30, 44, 60)},
        {"board_light_mono", 156, Grain::Brushed, FromRgb(222, 222, 220), FromRgb(168, 170, 170),
         FromRgb(44, 45, 48)},
        {"board_dark_wood", 157, Grain::Wood, FromRgb(120, 74, 42), FromRgb(54, 30, 16),
         FromRgb(30, 18, 12)},
    };
    // Eighteen independent drawings, shared out among the processor's cores; each file depends
    // only on its own style and scale, so the output is the same whatever the order.
    constexpr int kJobs = 6 * 3;
    std::atomic<int> next = 0;
    std::atomic<bool> ok = true;
    auto work = [&] {
        for (int job = next++; job < kJobs; job = next++) {
            if (!WriteBoard(outdir, styles[job / 3], 3 - job % 3)) {
                ok = false;
            }
        }
    };
    const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < cores; ++i) {
        helpers.emplace_back(work);
    }
    work();
    for (std::thread& helper : helpers) {
        helper.join();
    }
    return ok;
}

} // namespace picgen

// The six board pictures (bitmaps 152-157): 463 x 122, 8 bits a pixel. A textured background with
// the 12 pits and 2 stores cut into it, at the places where the game draws the marbles, as recessed
// 50 x 50 squares. Light falls from the upper left, so a square's top and left walls lie in shadow
// and its bottom and right walls catch the light; its floor is darker than the board so that the
// marbles, drawn from the square's top-left corner in lines of five, stand out.
//
// Palette layout, which tests/res relies on: entries 0-127 colour the background only, entries
// 128-255 colour the squares only, so every pixel says whether it belongs to a square.
#include "paint.h"
#include "pictures.h"

#include <cstdint>
#include <string>
#include <vector>

namespace picgen {
namespace {

constexpr int kWidth = 463;
constexpr int kHeight = 122;
constexpr int kSquare = 50;
constexpr int kBackgroundColours = 128;

enum class Grain { Wood, Brushed, Mottled };

struct BoardStyle {
    const char* file;
    std::uint32_t seed;
    Grain grain;
    Colour light;    // the board's lightest tone
    Colour dark;     // its darkest tone (late wood, streaks, mottling)
    double contrast; // how far towards `dark` the texture reaches
    double floor;    // brightness of a square's floor relative to the board
};

// Square origins, as the game places them: user row pits 0-5, user store, computer row pits 0-5,
// its store.
struct Origin {
    int x, y;
};

std::vector<Origin> SquareOrigins() {
    std::vector<Origin> squares;
    for (int i = 0; i < 6; ++i) {
        squares.push_back({64 + 57 * i, 64});
    }
    squares.push_back({406, 36});
    for (int i = 0; i < 6; ++i) {
        squares.push_back({349 - 57 * i, 7});
    }
    squares.push_back({7, 35});
    return squares;
}

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

Colour BoardColour(const BoardStyle& style, int x, int y) {
    const double px = x + 0.5, py = y + 0.5;
    double shade = 0;
    switch (style.grain) {
    case Grain::Wood:
        shade = WoodShade(px, py, style.seed);
        break;
    case Grain::Brushed:
        shade = BrushedShade(px, py, style.seed);
        break;
    case Grain::Mottled:
        shade = MottledShade(px, py, style.seed);
        break;
    }
    Colour c = Mix(style.light, style.dark, shade * style.contrast);
    // Soft light from the upper left over the whole board.
    const double lx = px / kWidth, ly = py / kHeight;
    c = c * (1.04 - 0.06 * lx - 0.08 * ly);
    // A rounded, raised edge around the board: lit at the top and left, shaded at the bottom and
    // right, with a dark outer line.
    const int dl = x, dt = y, dr = kWidth - 1 - x, db = kHeight - 1 - y;
    const int d = std::min(std::min(dl, dt), std::min(dr, db));
    if (d == 0) {
        c = c * 0.5;
    } else if (d <= 3) {
        const double strength = d == 1 ? 1.0 : (d == 2 ? 0.6 : 0.3);
        if (d == dt || d == dl) {
            c = Mix(c, FromRgb(255, 255, 255), 0.22 * strength);
        } else {
            c = c * (1 - 0.22 * strength);
        }
    }
    return c;
}

// A square's pixel at (i, j) inside it, given the board colour there.
Colour SquareColour(const BoardStyle& style, Colour board, int i, int j) {
    const int dl = i, dt = j, dr = kSquare - 1 - i, db = kSquare - 1 - j;
    const int dTopLeft = std::min(dl, dt), dBottomRight = std::min(dr, db);
    const int d = std::min(dTopLeft, dBottomRight);
    const bool shadowSide = dTopLeft <= dBottomRight; // the mitre line goes to the lit side
    const Colour white = FromRgb(255, 255, 255);
    if (d == 0) {
        // The cut edge: a dark line all round, darkest where the light does not reach.
        return board * (shadowSide ? 0.36 : 0.48);
    }
    if (d <= 3) {
        // The walls, three pixels deep.
        if (shadowSide) {
            return board * (0.50 + 0.05 * d);
        }
        return Mix(board, white, 0.42 - 0.07 * d);
    }
    // The floor: darker than the board, with the shadow of the top and left walls on it.
    const double fromTop = dt - 4, fromLeft = dl - 4;
    const double shadow = (1 - 0.28 * (1 - Smoothstep(0, 7, fromTop))) *
                          (1 - 0.28 * (1 - Smoothstep(0, 7, fromLeft)));
    const double glow =
        1 + 0.06 * (1 - Smoothstep(0, 5, db - 4)) + 0.06 * (1 - Smoothstep(0, 5, dr - 4));
    // Darkening keeps the hue but would grey the colour; a little more saturation keeps the floor
    // looking like the same material in shade.
    const Colour c = board * (style.floor * shadow * glow);
    const double luma = Luma(c);
    const Colour grey{luma, luma, luma};
    return Mix(grey, c, 1.45);
}

bool WriteBoard(const std::string& outdir, const BoardStyle& style) {
    std::vector<int> owner(kWidth * kHeight, -1); // square number, or -1 for the background
    const std::vector<Origin> squares = SquareOrigins();
    for (int s = 0; s < static_cast<int>(squares.size()); ++s) {
        for (int j = 0; j < kSquare; ++j) {
            for (int i = 0; i < kSquare; ++i) {
                owner[(squares[s].y + j) * kWidth + squares[s].x + i] = s;
            }
        }
    }
    std::vector<Colour> colours(kWidth * kHeight);
    std::vector<Rgb> background, inside;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            Colour c = BoardColour(style, x, y);
            const int s = owner[y * kWidth + x];
            if (s >= 0) {
                c = SquareColour(style, c, x - squares[s].x, y - squares[s].y);
                inside.push_back(ToRgb(c));
            } else {
                background.push_back(ToRgb(c));
            }
            colours[y * kWidth + x] = c;
        }
    }
    std::vector<Rgb> palette = ChoosePalette(background, kBackgroundColours);
    const std::vector<Rgb> squarePalette = ChoosePalette(inside, 256 - kBackgroundColours);
    palette.insert(palette.end(), squarePalette.begin(), squarePalette.end());

    std::vector<std::uint8_t> pixels(kWidth * kHeight);
    for (int p = 0; p < kWidth * kHeight; ++p) {
        const bool isSquare = owner[p] >= 0;
        pixels[p] = static_cast<std::uint8_t>(
            isSquare
                ? NearestIndex(palette, kBackgroundColours, 256 - kBackgroundColours, colours[p])
                : NearestIndex(palette, 0, kBackgroundColours, colours[p]));
    }
    return WriteIndexedBmp(outdir + "/" + style.file, kWidth, kHeight, 8, palette, pixels);
}

} // namespace

bool WriteBoards(const std::string& outdir) {
    const BoardStyle styles[] = {
        {"board_dark_mono.bmp", 152, Grain::Brushed, FromRgb(104, 107, 112), FromRgb(48, 50, 54),
         1.0, 0.62},
        {"board_light_wood.bmp", 153, Grain::Wood, FromRgb(238, 205, 153), FromRgb(176, 122, 70),
         1.0, 0.60},
        {"board_red.bmp", 154, Grain::Mottled, FromRgb(178, 34, 38), FromRgb(104, 12, 18), 1.0,
         0.55},
        {"board_pale_blue.bmp", 155, Grain::Mottled, FromRgb(206, 228, 242), FromRgb(150, 186, 212),
         1.0, 0.66},
        {"board_light_mono.bmp", 156, Grain::Brushed, FromRgb(222, 222, 220),
         FromRgb(168, 170, 170), 1.0, 0.64},
        {"board_dark_wood.bmp", 157, Grain::Wood, FromRgb(128, 80, 46), FromRgb(58, 32, 18), 1.0,
         0.62},
    };
    for (const BoardStyle& style : styles) {
        if (!WriteBoard(outdir, style)) {
            return false;
        }
    }
    return true;
}

} // namespace picgen

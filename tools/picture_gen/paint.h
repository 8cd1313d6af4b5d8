// Shared painting helpers of the picture generator: colours in floating point, fixed-seed value
// noise and a palette quantiser. Only +, -, *, /, sqrt and floor are used on floating-point values,
// all correctly rounded under IEEE 754, so the output is the same byte for byte whatever the
// optimisation level (no libm transcendental whose last bit could differ).
#pragma once

#include "image_files.h"

#include <cstdint>
#include <vector>

namespace picgen {

struct Colour {
    double r = 0, g = 0, b = 0;
};

inline Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour operator-(Colour a, Colour b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Colour operator*(Colour a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Colour operator*(Colour a, Colour b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}

double Clamp01(double v);
double Smoothstep(double edge0, double edge1, double v);
Colour Mix(Colour a, Colour b, double t);
// 0-255 sRGB values, for writing colours the way designers name them.
Colour FromRgb(int r, int g, int b);
Rgb ToRgb(Colour c);
// Appends one pixel, not premultiplied, to a buffer of 8-bit RGBA.
void PutRgba(std::vector<std::uint8_t>& rgba, Colour c, double alpha);
double Luma(Colour c); // 0-1, Rec. 601 weights

// A smooth periodic wave in [0, 1] with period 1: 0 at whole numbers, 1 at halves.
double Wave(double t);

// Value noise in [0, 1) on an integer lattice with smoothstep interpolation, keyed by seed.
double ValueNoise(double x, double y, std::uint32_t seed);
// Sum of `octaves` noise layers, each at twice the frequency and half the weight; in [0, 1).
double Fbm(double x, double y, std::uint32_t seed, int octaves);

// Chooses `count` palette colours for `pixels` (median cut, then a few rounds of k-means), sorted
// dark to light. When the pixels hold fewer distinct colours, the rest of the palette repeats the
// last colour so the table always has `count` entries.
std::vector<Rgb> ChoosePalette(const std::vector<Rgb>& pixels, int count);
// Index of the palette entry nearest to c among entries [first, first + count).
int NearestIndex(const std::vector<Rgb>& palette, int first, int count, Colour c);

// Sine and cosine of an angle in degrees (|deg| <= 90) from their Taylor series, exact enough
// for drawing and, unlike std::sin, the same to the last bit on every build.
double SinDeg(double deg);
double CosDeg(double deg);

// Shading of a glass marble at a point of its disc: (nx, ny) from -1 to 1 across it, light from
// the upper left. Shared by the marble bitmaps and the icon.
Colour MarbleShade(Colour base, double nx, double ny);

} // namespace picgen

#include "paint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace picgen {

double Clamp01(double v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

double Smoothstep(double edge0, double edge1, double v) {
    const double t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

Colour Mix(Colour a, Colour b, double t) {
    return a + (b - a) * t;
}

Colour FromRgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

namespace {

std::uint8_t Channel(double v) {
    return static_cast<std::uint8_t>(std::floor(Clamp01(v) * 255.0 + 0.5));
}

} // namespace

Rgb ToRgb(Colour c) {
    return {Channel(c.r), Channel(c.g), Channel(c.b)};
}

void PutRgba(std::vector<std::uint8_t>& rgba, Colour c, double alpha) {
    const Rgb rgb = ToRgb(c);
    rgba.insert(rgba.end(), {rgb.r, rgb.g, rgb.b, Channel(alpha)});
}

double Luma(Colour c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

double Wave(double t) {
    const double f = t - std::floor(t);
    const double tri = f < 0.5 ? 2 * f : 2 - 2 * f; // triangle 0..1..0
    return tri * tri * (3 - 2 * tri);
}

namespace {

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double Lattice(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return (Hash(x, y, seed) >> 8) / 16777216.0;
}

} // namespace

double ValueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
    const double c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double Fbm(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, weight = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise(x, y, seed + 1013u * static_cast<std::uint32_t>(i));
        total += weight;
        x = x * 2 + 17.25;
        y = y * 2 + 9.5;
        weight *= 0.5;
    }
    return sum / total;
}

namespace {

struct Weighted {
    std::array<int, 3> c;
    long count;
};

struct Box {
    std::vector<Weighted> colours;
    long Count() const {
        long n = 0;
        for (const Weighted& w : colours) {
            n += w.count;
        }
        return n;
    }
    int Range(int axis) const {
        int lo = 255, hi = 0;
        for (const Weighted& w : colours) {
            lo = std::min(lo, w.c[axis]);
            hi = std::max(hi, w.c[axis]);
        }
        return hi - lo;
    }
};

long Dist2(const std::array<int, 3>& a, const std::array<long, 3>& b) {
    long d = 0;
    for (int k = 0; k < 3; ++k) {
        const long e = a[k] - b[k];
        d += e * e;
    }
    return d;
}

} // namespace

std::vector<Rgb> ChoosePalette(const std::vector<Rgb>& pixels, int count) {
    std::map<std::array<int, 3>, long> histogram;
    for (const Rgb& p : pixels) {
        ++histogram[{p.r, p.g, p.b}];
    }
    std::vector<Box> boxes(1);
    for (const auto& [c, n] : histogram) {
        boxes[0].colours.push_back({c, n});
    }
    // Median cut: split the box whose widest channel, weighted by its pixel count, is largest.
    while (static_cast<int>(boxes.size()) < count) {
        int best = -1, bestAxis = 0;
        double bestScore = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].colours.size() < 2) {
                continue;
            }
            for (int axis = 0; axis < 3; ++axis) {
                const double score =
                    boxes[i].Range(axis) * std::sqrt(static_cast<double>(boxes[i].Count()));
                if (score > bestScore) {
                    bestScore = score;
                    best = i;
                    bestAxis = axis;
                }
            }
        }
        if (best < 0) {
            break;
        }
        std::vector<Weighted> colours = std::move(boxes[best].colours);
        std::sort(colours.begin(), colours.end(), [bestAxis](const Weighted& a, const Weighted& b) {
            if (a.c[bestAxis] != b.c[bestAxis]) {
                return a.c[bestAxis] < b.c[bestAxis];
            }
            return a.c < b.c;
        });
        const long half = [&] {
            long n = 0;
            for (const Weighted& w : colours) {
                n += w.count;
            }
            return n / 2;
        }();
        std::size_t split = 1;
        long seen = colours[0].count;
        while (split < colours.size() - 1 && seen < half) {
            seen += colours[split].count;
            ++split;
        }
        boxes[best].colours.assign(colours.begin(), colours.begin() + static_cast<long>(split));
        Box other;
        other.colours.assign(colours.begin() + static_cast<long>(split), colours.end());
        boxes.push_back(std::move(other));
    }

    // Centres in 1/256 steps (fixed point), then k-means rounds on the distinct colours.
    std::vector<std::array<long, 3>> centres;
    for (const Box& box : boxes) {
        std::array<long, 3> sum{0, 0, 0};
        long n = 0;
        for (const Weighted& w : box.colours) {
            for (int k = 0; k < 3; ++k) {
                sum[k] += static_cast<long>(w.c[k]) * w.count;
            }
            n += w.count;
        }
        centres.push_back({(sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n});
    }
    for (int round = 0; round < 6; ++round) {
        std::vector<std::array<long, 3>> sums(centres.size(), {0, 0, 0});
        std::vector<long> counts(centres.size(), 0);
        for (const auto& [c, n] : histogram) {
            std::size_t nearest = 0;
            long nearestDist = Dist2(c, centres[0]);
            for (std::size_t i = 1; i < centres.size(); ++i) {
                const long d = Dist2(c, centres[i]);
                if (d < nearestDist) {
                    nearestDist = d;
                    nearest = i;
                }
            }
            for (int k = 0; k < 3; ++k) {
                sums[nearest][k] += static_cast<long>(c[k]) * n;
            }
            counts[nearest] += n;
        }
        for (std::size_t i = 0; i < centres.size(); ++i) {
            if (counts[i] > 0) {
                for (int k = 0; k < 3; ++k) {
                    centres[i][k] = (sums[i][k] + counts[i] / 2) / counts[i];
                }
            }
        }
    }

    std::vector<Rgb> palette;
    for (const auto& c : centres) {
        palette.push_back({static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]),
                           static_cast<std::uint8_t>(c[2])});
    }
    std::sort(palette.begin(), palette.end(), [](const Rgb& a, const Rgb& b) {
        const int la = 299 * a.r + 587 * a.g + 114 * a.b;
        const int lb = 299 * b.r + 587 * b.g + 114 * b.b;
        if (la != lb) {
            return la < lb;
        }
        return std::array<int, 3>{a.r, a.g, a.b} < std::array<int, 3>{b.r, b.g, b.b};
    });
    while (static_cast<int>(palette.size()) < count) {
        palette.push_back(palette.empty() ? Rgb{} : palette.back());
    }
    return palette;
}

int NearestIndex(const std::vector<Rgb>& palette, int first, int count, Colour c) {
    const Rgb want = ToRgb(c);
    int best = first;
    long bestDist = -1;
    for (int i = first; i < first + count; ++i) {
        const long dr = palette[i].r - want.r, dg = palette[i].g - want.g,
                   db = palette[i].b - want.b;
        const long d = 2 * dr * dr + 4 * dg * dg + db * db;
        if (bestDist < 0 || d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

double SinDeg(double deg) {
    const double x = deg * (3.14159265358979323846 / 180.0);
    const double x2 = x * x;
    double term = x, sum = x;
    for (int n = 1; n <= 8; ++n) {
        term = -term * x2 / ((2.0 * n) * (2.0 * n + 1));
        sum += term;
    }
    return sum;
}

double CosDeg(double deg) {
    const double x = deg * (3.14159265358979323846 / 180.0);
    const double x2 = x * x;
    double term = 1, sum = 1;
    for (int n = 1; n <= 8; ++n) {
        term = -term * x2 / ((2.0 * n - 1) * (2.0 * n));
        sum += term;
    }
    return sum;
}

Colour MarbleShade(Colour base, double nx, double ny) {
    double r2 = nx * nx + ny * ny;
    if (r2 > 0.999) {
        const double k = std::sqrt(0.999 / r2);
        nx *= k;
        ny *= k;
        r2 = 0.999;
    }
    const double nz = std::sqrt(1 - r2);
    // Light from the upper left and a little in front.
    const double lx = -0.48, ly = -0.58, lz = 0.66;
    const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
    // Light passing through the glass gathers on the far side: a glow at the lower right.
    const double through = Smoothstep(0.2, 0.95, -nx * lx - ny * ly + nz * 0.35);
    // Specular highlight along the half vector between the light and the eye.
    const double hx = lx, hy = ly, hz = lz + 1;
    const double hn = std::sqrt(hx * hx + hy * hy + hz * hz);
    double shine = std::max(0.0, (nx * hx + ny * hy + nz * hz) / hn);
    for (int i = 0; i < 5; ++i) {
        shine = shine * shine; // shine to the 32nd power
    }
    const double rim = 0.4 + 0.6 * Smoothstep(0.0, 0.55, nz);
    Colour c = base * ((0.34 + 0.72 * diffuse) * rim) + base * (0.4 * through);
    // Bright colours clip at white in the lit middle rather than shifting hue.
    c = {std::min(c.r, 1.0), std::min(c.g, 1.0), std::min(c.b, 1.0)};
    c = Mix(c, FromRgb(255, 255, 255), Clamp01(shine * 1.2));
    return c;
}

} // namespace picgen

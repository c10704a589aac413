#include "tools/artgen/Textures.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/artgen/Noise.h"

namespace artwork {

namespace {

constexpr int TextureSize = 32;
// The six background textures and the mean colour each must have, as 0xRRGGBB.
constexpr std::array<uint32_t, 6> TextureMeans{0x0b6455, 0x713d28, 0x758ec0, 0xfbb64f, 0xbda582, 0x4d4d4d};
constexpr double Tau = 2 * std::numbers::pi;

struct TColour {
    double R, G, B;
};

TColour Mix(TColour a, TColour b, double t)
{
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

TColour Scaled(TColour c, double factor) { return {c.R * factor, c.G * factor, c.B * factor}; }

// A point of a texture: u and v in 0..1 across the square, and the device pixel it falls in,
// so that the finest speckle is one pixel at either scale.
struct TSample {
    double U, V;
    int X, Y;
};

double Speckle(const TSample& s, uint32_t seed) { return LatticeNoise(s.X, s.Y, seed); }

TColour Felt(const TSample& s)
{
    const double mottle = FractalNoise(s.U, s.V, 4, 4, 3, 11);
    const double fibre = Speckle(s, 12);
    return Scaled({11, 100, 85}, 0.82 + 0.2 * mottle + 0.25 * fibre);
}

TColour Leather(const TSample& s)
{
    const double mottle = FractalNoise(s.U, s.V, 2, 2, 4, 21);
    const double pits = FractalNoise(s.U, s.V, 16, 16, 1, 22);
    const TColour shade = Mix({78, 36, 20}, {160, 92, 62}, std::pow(mottle, 1.4));
    return Scaled(shade, 0.9 + 0.12 * pits + 0.08 * Speckle(s, 23));
}

// Swells running across the square, bent by slow noise; their crests, broken up by more
// noise, are the pale ripples.
TColour Water(const TSample& s)
{
    const double bend = FractalNoise(s.U, s.V, 2, 2, 3, 31);
    const double swell = std::sin(Tau * (2 * s.V + 1.2 * bend));
    const double glint = std::clamp(2 * FractalNoise(s.U, s.V, 4, 4, 2, 32) - 0.5, 0.0, 1.0);
    const double crest = std::pow(std::max(0.0, swell), 5) * glint;
    const TColour body = Mix({100, 126, 182}, {128, 152, 202}, (swell + 1) / 2);
    return Mix(body, {214, 228, 250}, crest);
}

// Growth rings: bands across the grain bent by slow noise, with fine fibres running along it.
double Grain(double across, int rings, double bend, double fibres)
{
    const double ring = (std::sin(Tau * (rings * across + bend)) + 1) / 2;
    return 0.75 * std::pow(ring, 2.5) + 0.25 * fibres;
}

TColour OrangeWood(const TSample& s)
{
    const double bend = 0.5 * FractalNoise(s.U, s.V, 2, 2, 2, 41);
    const double fibres = FractalNoise(s.U, s.V, 32, 2, 1, 42);
    return Mix({255, 195, 96}, {212, 132, 36}, Grain(s.U, 3, bend, fibres));
}

TColour BeigeWood(const TSample& s)
{
    const double bend = 0.4 * FractalNoise(s.U, s.V, 2, 2, 2, 51);
    const double fibres = FractalNoise(s.U, s.V, 2, 32, 1, 52);
    return Mix({206, 184, 150}, {160, 134, 98}, Grain(s.V, 6, bend, fibres));
}

TColour Stone(const TSample& s)
{
    const double mottle = FractalNoise(s.U, s.V, 4, 4, 3, 61);
    const double grit = Speckle(s, 62);
    double level = 0.85 + 0.3 * mottle;
    if (grit > 0.93)
        level *= 1.45;
    else if (grit < 0.07)
        level *= 0.55;
    return Scaled({77, 77, 77}, level * (0.94 + 0.12 * Speckle(s, 63)));
}

using TTextureFunction = TColour (*)(const TSample&);
constexpr std::array<TTextureFunction, 6> TextureFunctions{Felt, Leather, Water, OrangeWood, BeigeWood, Stone};

int Channel(double value) { return std::clamp(int(std::lround(value)), 0, 255); }

// Shifts the texture so that its mean is the wanted colour; a few rounds, since clamping at
// 0 and 255 can take back part of a shift.
void MatchMean(std::vector<TColour>& pixels, uint32_t wanted)
{
    const TColour target{double((wanted >> 16) & 0xff), double((wanted >> 8) & 0xff), double(wanted & 0xff)};
    for (int round = 0; round < 4; ++round) {
        TColour sum{0, 0, 0};
        for (const TColour& p : pixels)
            sum = {sum.R + Channel(p.R), sum.G + Channel(p.G), sum.B + Channel(p.B)};
        const double n = double(pixels.size());
        const TColour shift{target.R - sum.R / n, target.G - sum.G / n, target.B - sum.B / n};
        for (TColour& p : pixels)
            p = {std::clamp(p.R + shift.R, 0.0, 255.0), std::clamp(p.G + shift.G, 0.0, 255.0),
                 std::clamp(p.B + shift.B, 0.0, 255.0)};
    }
}

void DrawTexture(QImage& sheet, int index, int scale)
{
    const int side = TextureSize * scale;
    std::vector<TColour> pixels;
    pixels.reserve(size_t(side * side));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            pixels.push_back(TextureFunctions[size_t(index)]({(x + 0.5) / side, (y + 0.5) / side, x, y}));
    MatchMean(pixels, TextureMeans[size_t(index)]);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const TColour& p = pixels[size_t(y * side + x)];
            sheet.setPixel(index * side + x, y, qRgb(Channel(p.R), Channel(p.G), Channel(p.B)));
        }
}

}  // namespace

QImage DrawBackgroundSheet(int scale)
{
    QImage sheet(int(TextureFunctions.size()) * TextureSize * scale, TextureSize * scale, QImage::Format_RGB32);
    for (int index = 0; index < int(TextureFunctions.size()); ++index)
        DrawTexture(sheet, index, scale);
    return sheet;
}

}  // namespace artwork

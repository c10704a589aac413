#include "tools/artgen/Noise.h"

namespace artwork {

namespace {

int Wrap(int value, int period) { return ((value % period) + period) % period; }

double Smooth(double t) { return t * t * (3 - 2 * t); }

double Mix(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double LatticeNoise(int x, int y, uint32_t seed)
{
    // A small integer hash (lowbias32) of the point and the seed.
    uint32_t h = uint32_t(x) * 0x9e3779b9u ^ uint32_t(y) * 0x85ebca6bu ^ seed * 0xc2b2ae35u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return double(h) / 4294967296.0;
}

double SmoothNoise(double u, double v, int cellsU, int cellsV, uint32_t seed)
{
    const double x = u * cellsU, y = v * cellsV;
    const int x0 = int(x >= 0 ? x : x - 1), y0 = int(y >= 0 ? y : y - 1);
    const double tx = Smooth(x - x0), ty = Smooth(y - y0);
    const auto at = [&](int dx, int dy) {
        return LatticeNoise(Wrap(x0 + dx, cellsU), Wrap(y0 + dy, cellsV), seed);
    };
    return Mix(Mix(at(0, 0), at(1, 0), tx), Mix(at(0, 1), at(1, 1), tx), ty);
}

double FractalNoise(double u, double v, int cellsU, int cellsV, int octaves, uint32_t seed)
{
    double sum = 0, weight = 1, total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * SmoothNoise(u, v, cellsU << octave, cellsV << octave, seed + uint32_t(octave));
        total += weight;
        weight /= 2;
    }
    return sum / total;
}

}  // namespace artwork

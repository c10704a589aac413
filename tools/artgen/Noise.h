#pragma once

#include <cstdint>

namespace artwork {

// Noise over a texture square (u and v in 0..1) that wraps at the square's edges, so that
// textures made from it tile without seams. Every value is in 0..1 and depends only on its
// arguments: the same picture comes out on every run.

// A pseudo-random value for a lattice point.
double LatticeNoise(int x, int y, uint32_t seed);
// Smoothly interpolated noise on a lattice of cellsU x cellsV cells.
double SmoothNoise(double u, double v, int cellsU, int cellsV, uint32_t seed);
// Octaves of SmoothNoise, each with twice the cells and half the weight of the one before.
double FractalNoise(double u, double v, int cellsU, int cellsV, int octaves, uint32_t seed);

}  // namespace artwork

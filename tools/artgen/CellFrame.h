#pragma once

namespace artwork {

// The parts of a face cell, the same in every cell of both artworks.
enum class TCellPart { Corner, Outline, Band, Bevel, Shade, Plate };

constexpr int CellWidth = 40;
constexpr int CellHeight = 56;

// Which part the point (u, v) of a cell lies in, in cell pixels (pixel x spans u = x .. x + 1),
// so that a double-size cell traces the same shape with finer steps.
TCellPart CellPartAt(double u, double v);

}  // namespace artwork

#pragma once

// The parts of a face cell, the same in every cell of both artworks.
enum class TCellPart { Corner, Outline, Band, Bevel, Shade, Plate };

// Which part the point (u, v) of a cell lies in, in design pixels of the 40 x 56 cell (pixel x
// spans u = x .. x + 1), so that a larger cell traces the same shape with finer steps.
TCellPart CellPartAt(double u, double v);

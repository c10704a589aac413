#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Opaque 32-bit pixels, 0xffRRGGBB, rows from the top without gaps: the layout of Qt's RGB32
// images and of a top-down Windows DIB section alike.
struct TPixelImage {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels;

    TPixelImage() = default;
    TPixelImage(int32_t width, int32_t height, uint32_t fill = 0xff000000)
        : Width(width), Height(height), Pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)
    {
    }
    uint32_t At(int32_t x, int32_t y) const { return Row(y)[x]; }
    uint32_t* Row(int32_t y) { return Pixels.data() + Offset(y); }
    const uint32_t* Row(int32_t y) const { return Pixels.data() + Offset(y); }

private:
    std::size_t Offset(int32_t y) const { return static_cast<std::size_t>(y) * static_cast<std::size_t>(Width); }
};

#pragma once

#include <windows.h>

#include <cstdint>

// A 32-bit top-down DIB section selected into its own memory device context: the pixel store of
// the sprite sheets, the icons and the board image. Pixels are 0xAARRGGBB words, row after row.
class TDib {
public:
    TDib(int width, int height);
    ~TDib();
    TDib(const TDib&) = delete;
    TDib& operator=(const TDib&) = delete;

    int Width() const { return PixelWidth; }
    int Height() const { return PixelHeight; }
    HDC Dc() const { return MemoryDc; }
    uint32_t* Pixels() { return Bits; }
    const uint32_t* Pixels() const { return Bits; }
    uint32_t Pixel(int x, int y) const { return Bits[static_cast<size_t>(y * PixelWidth + x)]; }

    // Takes the bitmap out of the device context, so that it can be handed to an icon or a menu;
    // the DIB keeps owning it.
    HBITMAP Unselect();

private:
    int PixelWidth;
    int PixelHeight;
    HDC MemoryDc = nullptr;
    HBITMAP Section = nullptr;
    HGDIOBJ Previous = nullptr;
    uint32_t* Bits = nullptr;
};

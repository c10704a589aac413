#include "win32/common/Dib.h"

#include <stdexcept>

TDib::TDib(int width, int height)
    : PixelWidth(width), PixelHeight(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    MemoryDc = CreateCompatibleDC(nullptr);
    if (!Section || !MemoryDc) {
        if (Section)
            DeleteObject(Section);
        if (MemoryDc)
            DeleteDC(MemoryDc);
        throw std::runtime_error("Not enough memory for a picture.");
    }
    Bits = static_cast<uint32_t*>(bits);
    Previous = SelectObject(MemoryDc, Section);
}

TDib::~TDib()
{
    Unselect();
    DeleteDC(MemoryDc);
    DeleteObject(Section);
}

HBITMAP TDib::Unselect()
{
    if (Previous) {
        SelectObject(MemoryDc, Previous);
        Previous = nullptr;
    }
    return Section;
}

#pragma once

#include <windows.h>

// Sizes are given in pixels at 96 DPI and scaled to the window's DPI.
inline int Scaled(int pixels, UINT dpi)
{
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

// The board's faces are drawn for the window's own device pixels, at any DPI.
inline double DeviceScale(UINT dpi)
{
    return static_cast<double>(dpi) / USER_DEFAULT_SCREEN_DPI;
}

// The icons are drawn from the double-size artwork from 192 DPI up.
inline int ArtworkScale(UINT dpi)
{
    return dpi >= 2 * USER_DEFAULT_SCREEN_DPI ? 2 : 1;
}

#include "win32/common/UiFont.h"

HFONT CreateUiFont(UINT dpi, int tenthsOfPoint)
{
    return CreateFontW(-MulDiv(tenthsOfPoint, static_cast<int>(dpi), 720), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       L"MS Sans Serif");
}

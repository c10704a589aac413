#include "win32/common/UiFont.h"

#include <string>

#include "app/Screen.h"
#include "storage/WindowsText.h"

HFONT CreateUiFont(UINT dpi)
{
    return CreateFontW(-MulDiv(UiFontPoints, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, Wide(std::string(UiFontFamily)).c_str());
}

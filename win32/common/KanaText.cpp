#include "win32/common/KanaText.h"

#include <richedit.h>

#include <algorithm>
#include <map>
#include <stdexcept>

#include "app/Screen.h"
#include "faces/FontBytes.h"

namespace {

constexpr const wchar_t* KanaFamily = L"Tesuli Kana";
// The face's kana are small for their em beside a text face's letters.
constexpr int KanaScalePercent = 115;

void RegisterKanaFont()
{
    static const bool registered = [] {
        DWORD fonts = 0;
        return AddFontMemResourceEx(const_cast<unsigned char*>(KanaFontBytes), static_cast<DWORD>(KanaFontBytesSize),
                                    nullptr, &fonts) != nullptr;
    }();
    if (!registered)
        throw std::runtime_error("The built-in kana font could not be loaded.");
}

// Calls run(text, isKana) for each stretch of kana or of other characters, in order.
template <typename Run>
void ForEachRun(std::wstring_view text, Run run)
{
    for (size_t at = 0; at < text.size();) {
        const bool kana = IsKana(text[at]);
        size_t end = at;
        while (end < text.size() && IsKana(text[end]) == kana)
            ++end;
        run(text.substr(at, end - at), kana);
        at = end;
    }
}

// A rich edit box's text as its character positions count it: a paragraph ends in one CR.
std::wstring RichText(HWND box)
{
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LRESULT count = SendMessageW(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    std::wstring text(static_cast<size_t>(count) + 1, L'\0');
    GETTEXTEX get{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    text.resize(static_cast<size_t>(
        SendMessageW(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

}  // namespace

bool IsKana(wchar_t c)
{
    return c >= 0x3040 && c <= 0x30ff;
}

HFONT KanaFontFor(UINT dpi)
{
    static std::map<UINT, HFONT> fonts;
    if (const auto found = fonts.find(dpi); found != fonts.end())
        return found->second;
    RegisterKanaFont();
    const int height = -MulDiv(UiFontPoints * KanaScalePercent, static_cast<int>(dpi), 72 * 100);
    const HFONT font = CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, KanaFamily);
    fonts.emplace(dpi, font);
    return font;
}

SIZE MixedTextExtent(HDC dc, std::wstring_view text, HFONT font, HFONT kanaFont)
{
    SIZE whole{0, 0};
    const HGDIOBJ previous = SelectObject(dc, font);
    ForEachRun(text, [&](std::wstring_view run, bool kana) {
        SelectObject(dc, kana ? kanaFont : font);
        SIZE extent{};
        GetTextExtentPoint32W(dc, run.data(), static_cast<int>(run.size()), &extent);
        whole.cx += extent.cx;
        whole.cy = std::max(whole.cy, extent.cy);
    });
    SelectObject(dc, previous);
    return whole;
}

void DrawMixedText(HDC dc, int left, int top, std::wstring_view text, HFONT font, HFONT kanaFont)
{
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const UINT align = SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    int x = left;
    ForEachRun(text, [&](std::wstring_view run, bool kana) {
        SelectObject(dc, kana ? kanaFont : font);
        ExtTextOutW(dc, x, top + metrics.tmAscent, 0, nullptr, run.data(), static_cast<UINT>(run.size()), nullptr);
        SIZE extent{};
        GetTextExtentPoint32W(dc, run.data(), static_cast<int>(run.size()), &extent);
        x += extent.cx;
    });
    SetTextAlign(dc, align);
    SelectObject(dc, previous);
}

const wchar_t* RichEditClass()
{
    static const bool loaded = LoadLibraryW(L"msftedit.dll") != nullptr;
    if (!loaded)
        throw std::runtime_error("The rich text control could not be loaded.");
    return MSFTEDIT_CLASS;
}

void ShowKanaInKanaFace(HWND richEdit)
{
    RegisterKanaFont();
    CHARFORMAT2W plain{};
    plain.cbSize = sizeof plain;
    SendMessageW(richEdit, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&plain));
    plain.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_CHARSET;
    CHARFORMAT2W kana = plain;
    lstrcpynW(kana.szFaceName, KanaFamily, LF_FACESIZE);
    kana.yHeight = plain.yHeight * KanaScalePercent / 100;
    kana.dwEffects |= CFE_BOLD;
    kana.bCharSet = DEFAULT_CHARSET;

    // Formatting goes through the selection, which would scroll to it and report a change.
    const LRESULT events = SendMessageW(richEdit, EM_SETEVENTMASK, 0, 0);
    CHARRANGE selection{};
    SendMessageW(richEdit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    POINT scrolled{};
    SendMessageW(richEdit, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled));
    SendMessageW(richEdit, WM_SETREDRAW, FALSE, 0);
    SendMessageW(richEdit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&plain));
    const std::wstring text = RichText(richEdit);
    ForEachRun(text, [&](std::wstring_view run, bool isKana) {
        if (!isKana)
            return;
        const auto start = static_cast<LONG>(run.data() - text.data());
        CHARRANGE range{start, start + static_cast<LONG>(run.size())};
        SendMessageW(richEdit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        SendMessageW(richEdit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&kana));
    });
    SendMessageW(richEdit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageW(richEdit, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled));
    SendMessageW(richEdit, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(richEdit, nullptr, TRUE);
    SendMessageW(richEdit, EM_SETEVENTMASK, 0, events);
}

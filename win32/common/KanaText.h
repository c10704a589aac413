#pragma once

#include <windows.h>

#include <string_view>

// Kana in a dialog's text, in the tiles' own kana face: registered for this program alone, it shows
// kana on a Windows without a Japanese font, where the dialog font has none. The rest of a text
// keeps the dialog font.
bool IsKana(wchar_t c);
// The kana face at the size that matches the dialog font's letters at that DPI; kept for the run.
HFONT KanaFontFor(UINT dpi);
// A line of text, run by run: kana in kanaFont, the rest in font, on one baseline.
SIZE MixedTextExtent(HDC dc, std::wstring_view text, HFONT font, HFONT kanaFont);
void DrawMixedText(HDC dc, int left, int top, std::wstring_view text, HFONT font, HFONT kanaFont);
// The class of a rich edit box, whose text may mix faces; its library is loaded on first use.
const wchar_t* RichEditClass();
// A rich edit box's kana in the kana face, the rest in the box's own font; its caret, selection and
// scroll position stay where they were.
void ShowKanaInKanaFace(HWND richEdit);

#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "win32/window/BoardImage.h"

// The board image on screen: a child window that shows the off-screen picture and turns every
// press of the left, right or middle button into a board press at the point in board pixels.
class TBoardView {
public:
    using TPressHandler = std::function<void(int32_t px, int32_t py)>;

    TBoardView(HWND parent, TPressHandler pressed);

    HWND Handle() const { return Window; }

    // The picture, created on the first drawing with the artwork for the window's DPI.
    TBoardImage& Picture();
    bool HasPicture() const { return Image != nullptr; }
    // The window's DPI has changed: the next drawing starts a picture for it.
    void DropPicture();

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint();
    void Press(LPARAM lParam);

    TPressHandler Pressed;
    std::unique_ptr<TBoardImage> Image;
    HWND Window = nullptr;
};

#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/BoardGeometry.h"
#include "parallel/FacesAhead.h"
#include "win32/window/BoardImage.h"

class TBoardRaster;

// The board image on screen: a child window filling the area between the tool bar and the status
// bar, which the board fills at the largest scale that fits, centred. It shows the board picture
// and turns every press of the left, right or middle button into a board press at the point on the
// board's own grid.
class TBoardView {
public:
    using TPressHandler = std::function<void(int32_t px, int32_t py)>;
    using TRedrawHandler = std::function<void()>;

    // redraw draws the board again into a picture made anew for a new size.
    TBoardView(HWND parent, TPressHandler pressed, TRedrawHandler redraw);

    HWND Handle() const { return Window; }

    // The picture the game draws into, made on the first drawing for the window's size.
    TBoardRaster& Picture();
    // What the window shows; made if need be.
    const TDib& Shown();
    // Where the board stands in the window.
    TBoardGeometry Geometry() const;
    // Faces being made for the first picture, which takes them on if made at its scale.
    void ExpectFaces(TFacesAhead faces);

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    TDeviceSize ClientSize() const;
    double DeviceRatio() const;
    void Paint();
    void Press(LPARAM lParam);

    TPressHandler Pressed;
    TRedrawHandler Redraw;
    // The picture for the window's device pixels, the board fitted into them.
    void MakePicture();

    std::optional<TBoardGeometry> Fit;
    std::unique_ptr<TBoardImage> Image;
    std::optional<TFacesAhead> FacesAhead;
    HWND Window = nullptr;
};

#pragma once

#include <cstdint>

struct TDeviceSize {
    int32_t Width = 0;
    int32_t Height = 0;
    bool operator==(const TDeviceSize&) const = default;
};

struct TDevicePoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TDevicePoint&) const = default;
};

struct TDeviceRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    bool operator==(const TDeviceRect&) const = default;
};

// A point on the board image's own grid (TileAtPoint's pixels).
struct TBoardPoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TBoardPoint&) const = default;
};

// Where the board stands in the area between the tool bar and the status bar, in device pixels:
// at the largest scale at which the whole board fits, its proportions kept, centred. A board
// position p shows at device position offset + round(p * scale), and both front ends map presses,
// hints and the read-out through here.
class TBoardGeometry {
public:
    // At the device ratio itself where the board at that ratio, its pixels rounded, fits the area
    // and fitting would differ from it by less than a pixel across the board: a designed window at
    // 125 % is 756 pixels wide, a quarter short of 1.25 times 605.
    explicit TBoardGeometry(TDeviceSize area, double deviceRatio = 1);

    TDeviceSize Area() const { return AreaSize; }
    // Device pixels per board pixel.
    double Scale() const { return Factor; }
    // The board's own rectangle within the area.
    TDeviceRect Board() const;

    TDevicePoint ToDevice(int32_t x, int32_t y) const;
    TDeviceRect ToDevice(int32_t left, int32_t top, int32_t width, int32_t height) const;
    // The board pixel a device pixel of the area lies in; a pixel of the room around the board
    // gives a point outside it.
    TBoardPoint ToBoard(int32_t x, int32_t y) const;
    // Whole board pixels of room the area shows beyond the board's left and right edges (Width)
    // and its top and bottom edges (Height), enough to cover the area.
    TDeviceSize Room() const;
    // The device rectangle of the board with that room around it: it covers the whole area.
    TDeviceRect WithRoom() const;

private:
    int32_t DeviceX(int32_t x) const;
    int32_t DeviceY(int32_t y) const;

    TDeviceSize AreaSize;
    double Factor;
    TDevicePoint Offset;
};

// The sheet size (1 or 2) nearer a board scale, which the board is drawn from until the faces are
// drawn at the device's own scale.
int NearestSheetScale(double scale);

// The board area a main window opens with when everything is drawn scale times its designed size:
// the designed board times scale, cut down to the room the screen leaves for it (its available
// area less the window's frame, menu bar, cool bar and status bar).
TDeviceSize OpeningBoardArea(double scale, TDeviceSize room);
// The smallest board area the player may size the window to: as wide as the designed bars, so
// that they keep their look, and half the designed board's height; never more than it opened with.
TDeviceSize SmallestBoardArea(double scale, TDeviceSize opening);

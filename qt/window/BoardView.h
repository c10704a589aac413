#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/BoardGeometry.h"
#include "parallel/FacesAhead.h"

class TBoardImage;
class TBoardRaster;

// The board image on screen: the area between the tool bar and the status bar, which the board
// fills at the largest scale that fits, centred. It shows the board picture and turns every mouse
// press, of any button, into a board press at the point on the board's own grid.
class TBoardView : public QWidget {
public:
    using TPressHandler = std::function<void(int32_t px, int32_t py)>;
    using TRedrawHandler = std::function<void()>;

    // redraw draws the board again into a picture made anew for a new size.
    TBoardView(QWidget* parent, TPressHandler pressed, TRedrawHandler redraw);
    ~TBoardView() override;

    // The picture the game draws into, made on the first drawing for the view's device pixels.
    TBoardRaster& Picture();
    // Where the board stands in the view, in device pixels.
    TBoardGeometry Geometry() const;
    // A board point in the view's own (logical) pixels, and back: the board pixel a press at a
    // point of the view means.
    QPoint ToView(int32_t x, int32_t y) const;
    TBoardPoint ToBoard(QPointF at) const;
    // What the view shows, in device pixels; null before the first drawing.
    QImage Shown();

    QSize sizeHint() const override;
    // Faces being made for the first picture, which takes them on if made at its scale.
    void ExpectFaces(TFacesAhead faces);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double click is a press of its own.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TDeviceSize DeviceSize() const;
    // The picture for the view's device pixels, the board fitted into them.
    void MakePicture();
    // Makes the picture again when the device size changed since it was made.
    void FitPicture();

    TPressHandler Pressed;
    TRedrawHandler Redraw;
    std::optional<TBoardGeometry> Fit;
    std::unique_ptr<TBoardImage> Image;
    std::optional<TFacesAhead> FacesAhead;
};

#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class TBoardImage;

// The board image on screen: shows the off-screen picture and turns every mouse press, of any
// button, into a board press at the point in the picture's logical pixels.
class TBoardView : public QWidget {
public:
    using TPressHandler = std::function<void(int32_t px, int32_t py)>;

    TBoardView(QWidget* parent, TPressHandler pressed);
    ~TBoardView() override;

    // The picture, created on the first drawing at the screen's pixel density.
    TBoardImage& Picture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double click is a press of its own.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Press(const QMouseEvent* event);

    TPressHandler Pressed;
    std::unique_ptr<TBoardImage> Image;
};

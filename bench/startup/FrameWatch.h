#pragma once

#include <memory>
#include <optional>

#include "ChildProgram.h"

struct TFirstFrame {
    TClock::time_point Mapped;
    TClock::time_point Drawn;
};

struct TScreenPoint {
    int X;
    int Y;
};

// The X server as the player sees it. A damage object on the root window reports every drawing
// on the screen, so no first frame is missed however soon after its mapping it comes.
class TFrameWatch {
public:
    // Throws when there is no display or it lacks the damage or test extension.
    TFrameWatch();
    ~TFrameWatch();
    TFrameWatch(const TFrameWatch&) = delete;
    TFrameWatch& operator=(const TFrameWatch&) = delete;

    // Waits until `program` maps a top-level window it has not mapped before and draws into it.
    // Nothing when the program ends or the deadline passes first.
    std::optional<TFirstFrame> WaitForNextWindow(TChildProgram& program, TClock::time_point deadline);

    // Kills the program and waits until the server has taken its windows away, so that the
    // repainting of the screen behind them is not taken for the next program's drawing.
    void Dismiss(TChildProgram& program);

    void MovePointer(TScreenPoint point);
    // A press and release of the first button where the pointer is, through the test extension
    // like a real device's; answers the time of the press.
    TClock::time_point Click();

private:
    struct TServer;
    std::unique_ptr<TServer> Server;
};

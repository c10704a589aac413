#pragma once

#include <cstdint>
#include <string>

#include "model/BoardRaster.h"
#include "model/MessageRequest.h"

enum class TCommand { Undo, Shuffle, Hint };

// Everything the rules do to the window goes through here, in the order the rules give.
class TGameEffects {
public:
    virtual ~TGameEffects() = default;

    // The board image the rules draw into: the background texture over all of it, then tile cells,
    // then BoardChanged so that the window shows the new content at its next repaint.
    virtual TBoardRaster& BoardPicture() = 0;
    virtual void BoardChanged() = 0;
    virtual void ShowMessage(TMessageRequest request) = 0;  // the game goes on in request.Closed
    virtual void StartClock() = 0;  // a running clock keeps its phase
    virtual void StopClock() = 0;
    virtual void SetCommandEnabled(TCommand command, bool enabled) = 0;
    virtual void SetStatusText(int panel, const std::string& text) = 0;
    // Asks for one call of TGame::BlinkTimerTimer after this many milliseconds, in place of any
    // call still pending. Nothing waits for it: ticks, presses and commands run meanwhile.
    virtual void StartBlinkTimer(uint32_t milliseconds) = 0;
    virtual void ShowWin(const std::string& scoreTime, int32_t scoreHints, const std::string& scoreMap) = 0;
};

#pragma once

#include "model/GameEffects.h"
#include "model/TilePlacement.h"

// A window that shows nothing and answers every request at once; override what is to be watched.
class TSilentEffects : public TGameEffects {
public:
    TBoardRaster& BoardPicture() override { return Nowhere; }
    void BoardChanged() override {}
    void ShowMessage(TMessageRequest request) override { request.Close(request.DefaultAnswer()); }
    void StartClock() override {}
    void StopClock() override {}
    void SetCommandEnabled(TCommand, bool) override {}
    void SetStatusText(int, const std::string&) override {}
    void StartBlinkTimer(uint32_t) override {}
    void ShowWin(const std::string&, int32_t, const std::string&) override {}

private:
    class TNoRaster final : public TBoardRaster {
    public:
        void DrawBackground(uint8_t) override {}
        void DrawFace(const TFacePicture&, int32_t, int32_t) override {}
    } Nowhere;
};

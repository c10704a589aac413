#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/GameEffects.h"
#include "model/TilePlacement.h"

struct TCellCopy {
    TFacePicture Face;
    int32_t Left;
    int32_t Top;
};

class TRecordingEffects;

// The board image as the rules draw into it: the background starts a paint, tile copies are kept.
class TRecordingRaster final : public TBoardRaster {
public:
    explicit TRecordingRaster(TRecordingEffects& effects) : Effects(effects) {}

    void DrawBackground(uint8_t index) override;
    void DrawFace(const TFacePicture& face, int32_t left, int32_t top) override;

private:
    TRecordingEffects& Effects;
};

// Records what the rules do to the window, in order; tile copies go to Cells rather than the log.
class TRecordingEffects : public TGameEffects {
public:
    bool Recording = true;  // off: only the counters and states below follow along
    std::function<void()> OnBoardChanged;

    // The blink timer asked for and not run out yet, in milliseconds; 0 for none.
    uint32_t BlinkTimer = 0;
    int BoardChanges = 0;
    int MessageCount = 0;
    bool ClockRunning = false;
    std::map<TCommand, bool> Enabled;
    std::array<std::string, 4> Panels;
    std::vector<TCellCopy> Cells;  // the copies of the paint in progress or last finished

    // The log so far, then forgets it.
    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(Log);
        return taken;
    }

    TBoardRaster& BoardPicture() override { return Raster; }
    void DrawBackground()
    {
        Cells.clear();
        Add("Background");
    }
    void DrawFace(const TFacePicture& face, int32_t left, int32_t top)
    {
        if (Recording)
            Cells.push_back({face, left, top});
    }
    void BoardChanged() override
    {
        ++BoardChanges;
        Add("Changed");
        if (OnBoardChanged)
            OnBoardChanged();
    }
    // Each box is closed at once with its default answer.
    void ShowMessage(TMessageRequest request) override
    {
        ++MessageCount;
        Add(std::string(request.Kind == TMessageKind::Information ? "Information: " : "Error: ") + request.Text);
        request.Close(request.DefaultAnswer());
    }
    void StartClock() override
    {
        ClockRunning = true;
        Add("StartClock");
    }
    void StopClock() override
    {
        ClockRunning = false;
        Add("StopClock");
    }
    void SetCommandEnabled(TCommand command, bool enabled) override
    {
        Enabled[command] = enabled;
        static const std::map<TCommand, std::string> names = {
            {TCommand::Undo, "Undo"}, {TCommand::Shuffle, "Shuffle"}, {TCommand::Hint, "Hint"}};
        Add(names.at(command) + (enabled ? " on" : " off"));
    }
    void SetStatusText(int panel, const std::string& text) override
    {
        Panels.at(panel) = text;
        Add("Status " + std::to_string(panel) + ": " + text);
    }
    void StartBlinkTimer(uint32_t milliseconds) override
    {
        BlinkTimer = milliseconds;
        Add("Blink timer " + std::to_string(milliseconds));
    }
    // Runs the blink timer out as the front end's loop would; false when none was asked for.
    template <class TGameLike>
    bool RunBlinkTimer(TGameLike& game)
    {
        if (BlinkTimer == 0)
            return false;
        BlinkTimer = 0;
        game.BlinkTimerTimer();
        return true;
    }
    void ShowWin(const std::string& scoreTime, int32_t scoreHints, const std::string& scoreMap) override
    {
        Add("Win " + scoreTime + " / " + std::to_string(scoreHints) + " / " + scoreMap);
    }

private:
    TRecordingRaster Raster{*this};
    std::vector<std::string> Log;

    void Add(const std::string& entry)
    {
        if (!Recording)
            return;
        Log.push_back(entry);
    }
};

inline void TRecordingRaster::DrawBackground(uint8_t)
{
    Effects.DrawBackground();
}

inline void TRecordingRaster::DrawFace(const TFacePicture& face, int32_t left, int32_t top)
{
    Effects.DrawFace(face, left, top);
}

#include "app/OptionsFlow.h"

void TOptionsFlow::FormShow(TRegOptions& options)
{
    try {
        // Each value is taken as it comes: what was read before a failure is kept.
        Choices.FaceStyle = options.ReadFace();
        Choices.BackgroundIndex = options.ReadBackground();
        Choices.MapId = options.ReadMapId();
        Choices.HintSpeed = options.ReadHintSpeed();
        Choices.Kana = options.ReadKana();
        Choices.Readings = options.ReadReadings();
    } catch (...) {
        Saved = Choices;
        throw;
    }
    Saved = Choices;
}

void TOptionsFlow::Accept(TRegOptions& options)
{
    options.WriteFace(Choices.FaceStyle);
    options.WriteBackground(Choices.BackgroundIndex);
    options.WriteMapId(Choices.MapId);
    options.WriteHintSpeed(Choices.HintSpeed);
    options.WriteKana(Choices.Kana);
    options.WriteReadings(Choices.Readings);
    Notify(OptionsNotice::Accepted, Choices.MapId == Saved.MapId ? OptionsNotice::SameMap : OptionsNotice::OtherMap);
}

void TOptionsFlow::Cancel()
{
    Choices = Saved;
    Notify(OptionsNotice::Cancelled, OptionsNotice::CancelledChange);
}

void TOptionsFlow::Notify(int wParam, int lParam)
{
    if (Listener)
        Listener->WMOptionsChanged(wParam, lParam, Choices);
}

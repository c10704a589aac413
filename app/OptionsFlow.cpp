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
        Choices.KanaSet = options.ReadKanaSet();
        Choices.Practice = options.ReadPractice();
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
    options.WriteKanaSet(Choices.KanaSet);
    options.WritePractice(Choices.Practice);
    Notify(Choices.MapId == Saved.MapId ? TOptionsNotice::AcceptedSameMap : TOptionsNotice::AcceptedOtherMap);
}

bool TOptionsFlow::KanaSetChanged() const
{
    return Choices.KanaSet != Saved.KanaSet;
}

void TOptionsFlow::Cancel()
{
    Choices = Saved;
    Notify(TOptionsNotice::Cancelled);
}

void TOptionsFlow::Notify(TOptionsNotice notice)
{
    if (Listener)
        Listener->OptionsChanged(notice, Choices);
}

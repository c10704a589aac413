#include "app/OptionsFlow.h"

void TOptionsFlow::FormShow(TRegOptions& options)
{
    try {
        // What was read before a failure is kept.
        options.ReadSettings(Choices);
    } catch (...) {
        Saved = Choices;
        throw;
    }
    Saved = Choices;
}

void TOptionsFlow::Accept(TRegOptions& options)
{
    options.WriteSettings(Choices);
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

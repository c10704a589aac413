#pragma once

#include "storage/RegistryUnit.h"

// What the main window is told when the options dialog closes.
enum class TOptionsNotice { AcceptedSameMap, AcceptedOtherMap, Cancelled };

// The receiver of the options notification, connected where the forms are created. The call is
// synchronous and carries the dialog's choices.
class TOptionsListener {
public:
    virtual ~TOptionsListener() = default;
    virtual void OptionsChanged(TOptionsNotice notice, const TSettings& choices) = 0;
};

// The options dialog without its widgets: the choices it shows, what Cancel returns to, and what
// Accept stores and tells.
class TOptionsFlow {
public:
    TSettings Choices = DefaultSettings();
    TOptionsListener* Listener = nullptr;

    // Reads the stored settings into the choices. A failing read raises, and what could be read is
    // still shown and is what Cancel returns to.
    void FormShow(TRegOptions& options);
    // Stores the choices, then tells the listener. A write the store refuses raises and so ends the
    // Accept: the listener is not told and the dialog stays open.
    void Accept(TRegOptions& options);
    // A change of set starts a new game on Accept: the player is asked first.
    bool KanaSetChanged() const;
    // The choices go back to those read on showing, and the listener is told.
    void Cancel();

private:
    TSettings Saved = DefaultSettings();

    void Notify(TOptionsNotice notice);
};

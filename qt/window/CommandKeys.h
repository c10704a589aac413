#pragma once

#include <QKeyEvent>
#include <QKeySequence>
#include <QList>

#include <optional>

#include "app/Commands.h"
#include "app/TypedReading.h"

// The command's keys on Linux, from the core's table.
QList<QKeySequence> CommandShortcuts(TCommandId command);

// What a key typed on the main window means for the reading: a Latin letter, or a key that edits
// it. None for anything else, a letter with Ctrl or Alt among them.
struct TTypedKey {
    char Letter = 0;
    std::optional<TTypingKey> Key;
};
std::optional<TTypedKey> TypedKey(const QKeyEvent& event);

#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "app/TypedReading.h"

// Every command's keys on Windows, from the core's table, as the rows of an accelerator table
// whose commands are the menu items' identifiers.
std::vector<ACCEL> CommandAccelerators();

// What a character typed on the main window means for the reading: a Latin letter, or a key that
// edits it. None for anything else, and for a character typed with Ctrl or Alt down (Ctrl+H comes
// as a backspace).
struct TTypedKey {
    char Letter = 0;
    std::optional<TTypingKey> Key;
};
std::optional<TTypedKey> TypedKey(wchar_t character, bool ctrlOrAltDown);

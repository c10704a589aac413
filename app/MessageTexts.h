#pragma once

#include <string_view>

#include "model/GameEffects.h"  // TMessageKind

// The message boxes' titles; an error no handler caught is shown under the program's name.
constexpr std::string_view MessageTitle(TMessageKind kind)
{
    return kind == TMessageKind::Error ? "Error" : "Information";
}
inline constexpr std::string_view ApplicationErrorTitle = "Tesuli";
inline constexpr std::string_view ConfirmTitle = "Confirm";
// What is shown for an error that carries no text of its own.
inline constexpr std::string_view UnknownErrorText = "An unexpected error occurred.";

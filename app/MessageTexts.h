#pragma once

#include <string_view>

#include "model/MessageRequest.h"

// The message boxes' titles; an error no handler caught is shown under the program's name.
constexpr std::string_view MessageTitle(TMessageKind kind)
{
    switch (kind) {
    case TMessageKind::Error: return "Error";
    case TMessageKind::Question: return "Confirm";
    default: return "Information";
    }
}
inline constexpr std::string_view ApplicationErrorTitle = "Tesuli";
inline constexpr std::string_view ConfirmTitle = MessageTitle(TMessageKind::Question);
// What is shown for an error that carries no text of its own.
inline constexpr std::string_view UnknownErrorText = "An unexpected error occurred.";

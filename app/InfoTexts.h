#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/Commands.h"
#include "app/Version.h"

// The help dialog's text, line by line. A line that ends in a space continues in the next one; the
// box wraps them together.
extern const std::array<std::string_view, 26> HelpLines;
// The lines joined by line breaks, as the text box holds them.
std::string HelpText();

struct THelpCommand {
    std::string_view Caption;
    TCommandId Command;  // whose picture it shows
};

// The help dialog's picture list of the commands. The spaces line the hyphens up in the dialog's
// font; they are part of the captions.
extern const std::array<THelpCommand, 8> HelpCommands;

// The about dialog's texts and the page its website button opens.
namespace AboutTexts {
inline constexpr std::string_view AuthorUrl = "https://tesuli.example.org/";
inline constexpr std::string_view Code = "Code: The Tesuli developers";
// The whole credit does not fit beside the icon: the label carries it as its tooltip.
inline constexpr std::string_view Graphics = "Graphics: Tesuli developers, Klee One";
inline constexpr std::string_view GraphicsInFull = "Drawn by the Tesuli developers with Klee One by Fontworks";
inline constexpr std::string_view Version = "Program Version: " TESULI_VERSION;
inline constexpr std::string_view Statement = "Free software under the MIT licence";
std::string Availability();  // "Availability: " and the page
}  // namespace AboutTexts

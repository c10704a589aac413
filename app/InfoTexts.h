#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/Commands.h"
#include "app/Version.h"

// The help dialog's text, line by line. A line that ends in a space continues in the next one; the
// box wraps them together.
extern const std::array<std::string_view, 38> HelpLines;
// Playing from the keyboard, after the lines above; the text ends with a line of the keys.
extern const std::array<std::string_view, 8> TypingHelpLines;
// The paragraphs, each line joined to the one it continues, separated by line breaks: the text box
// wraps them at its width.
std::string HelpText();

// A command's row in the help: its picture and name, then what it does in a column of its own, so
// that the descriptions line up in any font.
struct THelpCommand {
    std::string_view Name;
    std::string_view Description;
    TCommandId Command;  // whose picture it shows
};

extern const std::array<THelpCommand, 9> HelpCommands;

// The about dialog's texts.
namespace AboutTexts {
inline constexpr std::string_view Code = "Code: The Tesuli developers";
// The whole credit does not fit beside the icon: the label carries it as its tooltip.
inline constexpr std::string_view Graphics = "Graphics: Tesuli developers, Klee One";
inline constexpr std::string_view GraphicsInFull = "Drawn by the Tesuli developers with Klee One by Fontworks";
inline constexpr std::string_view Version = "Program Version: " TESULI_VERSION;
inline constexpr std::string_view Statement = "Free software under the MIT licence";
inline constexpr std::string_view OpenManual = "Open the Manual";
// "Manual: " and where it lies, or that it was not found (an empty path).
std::string Availability(const std::string& manualPath);
}  // namespace AboutTexts

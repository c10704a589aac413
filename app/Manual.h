#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The manual shipped with the game, an HTML page opened in the player's browser.
inline constexpr std::string_view ManualFileName = "manual.html";

// Where the manual lies for the program in programFolder: beside it (the Windows installation, a
// build), else in the installed data folder (bin/../share/tesuli).
std::filesystem::path ManualPath(const std::filesystem::path& programFolder);

// The file's address for a browser: "file:///usr/share/tesuli/manual.html", with every byte
// outside the unreserved ones and "/" escaped ("Program%20Files").
std::string FileUrl(const std::filesystem::path& file);

// Told when the browser could not be started.
std::string NoBrowserText(const std::filesystem::path& manual);

#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The manual shipped with the game, an HTML page opened in the player's browser.
inline constexpr std::string_view ManualFileName = "manual.html";

// Where the manual may lie for the program in programFolder, in the order looked at: beside it (the
// Windows installation, a build), then in the installed data folder (bin/../share/tesuli).
std::array<std::filesystem::path, 2> ManualPlaces(const std::filesystem::path& programFolder);
// The first of those places that holds the manual; nothing when none does.
std::optional<std::filesystem::path> FindManual(const std::filesystem::path& programFolder);

// The file's address for a browser: "file:///usr/share/tesuli/manual.html", with every byte
// outside the unreserved ones and "/" escaped ("Program%20Files").
std::string FileUrl(const std::filesystem::path& file);

// Told when the browser could not be started.
std::string NoBrowserText(const std::filesystem::path& manual);
// Told when the manual is in none of its places, naming them.
std::string ManualNotFoundText(const std::filesystem::path& programFolder);

#pragma once

#include <cstdint>
#include <string>

#include "app/Screen.h"

// Every dialog of the game, stated once.
const TScreen& OptionsScreen();
const TScreen& NameScreen();
const TScreen& ScoresScreen();
const TScreen& HelpScreen();
const TScreen& AboutScreen();

// The options dialog's previews: TileFacePanel1 shows face style 0, BgdPanel1 background 0 ...
std::string FacePreviewName(uint8_t faceStyle);
std::string BackgroundPreviewName(uint8_t backgroundIndex);
inline constexpr int FacePreviewCount = 2;
inline constexpr int BackgroundPreviewCount = 6;

#pragma once

// The two reports the rules make to the player.
inline constexpr const char* LostMessage = "You have lost the game.\nPlease play another one.";
inline constexpr const char* NoMoreMovesMessage = "There are no more moves available.\nPlease shuffle the tiles.";

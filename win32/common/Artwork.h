#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/ArtworkNames.h"
#include "app/Commands.h"
#include "win32/common/Dib.h"

// Opens the imaging component for this thread; the artwork can be decoded while it lives.
class TImagingSession {
public:
    TImagingSession();
    ~TImagingSession();
    TImagingSession(const TImagingSession&) = delete;
    TImagingSession& operator=(const TImagingSession&) = delete;
};

enum class TAlpha { Straight, Premultiplied };

// The resource of a built-in PNG, or null when it is missing.
HRSRC FindArtwork(const std::string& name);

// A built-in PNG (its file name without ".png", e.g. "BackgroundImage@2x") decoded into a DIB; with a
// size, scaled to it. Throws when the picture is missing or cannot be decoded.
std::unique_ptr<TDib> DecodeArtwork(const std::string& name, TAlpha alpha = TAlpha::Straight, int width = 0,
                                    int height = 0);

// The top rows of a built-in PNG, unscaled (all of it when it has fewer): a sheet whose lower parts
// the board has not needed yet takes no memory for them.
std::unique_ptr<TDib> DecodeArtworkTop(const std::string& name, int rows);

enum class TIconLook { Normal, Greyed };

// The drawing of a command's icon closest to side pixels.
std::string CommandIconFile(TCommandId command, int side);
// A command's icon at side pixels; the greyed look marks a command that is not available.
HICON CreateCommandIcon(TCommandId command, int side, TIconLook look);

// A command's icon at side pixels with its colours premultiplied by their alpha, as a menu item's
// picture wants them.
std::unique_ptr<TDib> CreateMenuIcon(TCommandId command, int side, TIconLook look);

// An icon whose transparency is the picture's alpha channel.
HICON CreateAlphaIcon(TDib& picture);

// A button glyph at side pixels: the sheet holds the normal picture on its left half and the
// disabled one on its right half.
HICON CreateButtonGlyph(TButtonGlyph glyph, int side, TIconLook look);

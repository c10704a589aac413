#include <array>
#include <vector>

#include "model/Game.h"
#include "model/KanaSets.h"
#include "model/LearningModes.h"
#include "model/TilePlacement.h"

namespace {

constexpr int TopLayer = 6;

// The part of a tile's cell that catches a press: the face plate without its outer frame.
bool InHitZone(const TTileOrigin& origin, int32_t px, int32_t py)
{
    return origin.Left + 5 < px && px < origin.Left + 38 && origin.Top + 1 < py && py < origin.Top + 50;
}

}  // namespace

void TGame::DrawBackground()
{
    Effects.BoardPicture().DrawBackground(BackgroundIndex);
}

void TGame::DrawBoard()
{
    UpdateCoverage();
    UpdateLinks();
    DrawBackground();
    // Layers upwards, each from the highest tile number down; sorted into layers in one pass.
    std::array<std::array<uint8_t, TileCount>, TopLayer + 1> layers;
    std::array<int, TopLayer + 1> counts{};
    for (int n = TileCount; n >= 1; --n) {
        const TTileClass& tile = Tiles[n];
        if (tile.Present && tile.Layer <= TopLayer)
            layers[tile.Layer][counts[tile.Layer]++] = static_cast<uint8_t>(n);
    }
    TBoardRaster& picture = Effects.BoardPicture();
    const TTileLook look{FaceStyle, Kana, Readings};
    std::vector<TFacePicture> faces;
    for (int n = 1; n <= TileCount; ++n)
        if (Tiles[n].Present && FaceStyle <= 1)
            faces.push_back(Tiles[n].Picture(look, FaceKanaIds[Tiles[n].Face]));
    picture.PrepareFaces(faces);
    for (int layer = 0; layer <= TopLayer; ++layer)
        for (int i = 0; i < counts[layer]; ++i) {
            const TTileClass& tile = Tiles[layers[layer][i]];
            const TTileOrigin origin = TileOrigin(tile);
            tile.Draw(look, FaceKanaIds[tile.Face], origin.Left, origin.Top, picture);
        }
    Effects.BoardChanged();
}

std::vector<TFacePicture> TGame::FacesOfNextDeal() const
{
    std::vector<TFacePicture> faces;
    if (KanaSetSize(KanaSet) != FaceCount || FaceStyle > 1)
        return faces;
    for (const TKanaId kana : DesignedFaceKana())
        for (uint8_t copy = 0; copy < 4; ++copy)
            faces.push_back(TilePicture(kana, copy, Kana, Readings, FaceStyle, false));
    return faces;
}

uint8_t TGame::TileAtPoint(int32_t px, int32_t py) const
{
    uint8_t chosen = 0;
    for (int n = 1; n <= TileCount; ++n) {
        const uint8_t number = static_cast<uint8_t>(n);
        if (!IsFree(number) || !InHitZone(TileOrigin(Tiles[n]), px, py))
            continue;
        if (chosen == 0 || Tiles[n].Layer > Tiles[chosen].Layer)
            chosen = number;
    }
    return chosen;
}

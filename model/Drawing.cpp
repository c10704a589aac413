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
    // Every face in drawing order, asked for at once so that the picture can make them together; a
    // face style other than 0 or 1 draws none.
    const TTileLook look{FaceStyle, Kana, Readings};
    std::array<TFacePicture, TileCount> faces;
    std::array<TTileOrigin, TileCount> origins;
    size_t count = 0;
    for (int layer = 0; layer <= TopLayer && FaceStyle <= 1; ++layer)
        for (int i = 0; i < counts[layer]; ++i, ++count) {
            const TTileClass& tile = Tiles[layers[layer][i]];
            faces[count] = tile.Picture(look, FaceKanaIds[tile.Face]);
            origins[count] = TileOrigin(tile);
        }
    TBoardRaster& picture = Effects.BoardPicture();
    picture.PrepareFaces(std::span(faces.data(), count));
    for (size_t i = 0; i < count; ++i)
        picture.DrawFace(faces[i], origins[i].Left, origins[i].Top);
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

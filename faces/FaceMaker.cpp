#include "faces/FaceMaker.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "faces/CellFrame.h"
#include "faces/FaceColours.h"
#include "faces/FaceLayout.h"
#include "faces/WidenedInk.h"
#include "model/TilePlacement.h"

using namespace face_layout;
namespace colours = face_colours;

namespace {

uint32_t PlateColour(const TFacePicture& face)
{
    if (face.Highlighted)
        return face.Artwork == 1 ? colours::Highlight1 : colours::Highlight0;
    if (face.Artwork == 1)
        return colours::Plate1;
    const TVowel vowel = face.Kana < CatalogueSize ? KanaCatalogue[face.Kana].Vowel : TVowel::N;
    return colours::Vowels[size_t(vowel)].Plate;
}

uint32_t PartColour(TCellPart part, uint32_t plate)
{
    switch (part) {
    case TCellPart::Corner: return colours::Corner;
    case TCellPart::Outline: return colours::Outline;
    case TCellPart::Band: return colours::Band;
    case TCellPart::Bevel: return colours::Bevel;
    case TCellPart::Shade: return colours::Shade;
    case TCellPart::Plate: return plate;
    }
    return plate;
}

// The frame follows the cell's own pixels, so that its outline meets the cell's edges at any size.
// Its parts are found once for a size: a resize makes every face of a board at the same size.
void DrawFrame(TPixelImage& cell, uint32_t plate)
{
    thread_local TPixelImage parts;
    if (parts.Width != cell.Width || parts.Height != cell.Height) {
        parts = TPixelImage(cell.Width, cell.Height);
        const double across = double(TileWidth) / cell.Width, down = double(TileHeight) / cell.Height;
        for (int32_t y = 0; y < cell.Height; ++y)
            for (int32_t x = 0; x < cell.Width; ++x)
                parts.Row(y)[x] = static_cast<uint32_t>(CellPartAt((x + 0.5) * across, (y + 0.5) * down));
    }
    for (size_t i = 0; i < cell.Pixels.size(); ++i)
        cell.Pixels[i] = 0xff000000 | PartColour(static_cast<TCellPart>(parts.Pixels[i]), plate);
}

// Ink covers the pixel by coverage / 255 in colour.
void Blend(TPixelImage& cell, const std::vector<uint8_t>& coverage, uint32_t colour)
{
    for (size_t i = 0; i < cell.Pixels.size(); ++i) {
        const uint32_t a = coverage[i];
        if (a == 0)
            continue;
        const uint32_t under = cell.Pixels[i];
        uint32_t mixed = 0xff000000;
        for (const int shift : {16, 8, 0}) {
            const uint32_t top = colour >> shift & 0xff, bottom = under >> shift & 0xff;
            mixed |= ((top * a + bottom * (255 - a) + 127) / 255) << shift;
        }
        cell.Pixels[i] = mixed;
    }
}

struct TLayer {
    double Radius;
    double Shift;
    uint32_t Colour;
};

// The kana, or a reading alone, widened into its layers: artwork 1's shadow and white edge under
// the character.
void DrawWidened(TPixelImage& cell, const TInkRun& run, double pixelsPerEm, double penX, double penY,
                 const TFacePicture& face, double scale, const TPixelRect& clip)
{
    const double character = Emboldening / 2 * scale, edge = (Emboldening / 2 + EdgeWidth) * scale;
    std::vector<TLayer> layers;
    if (face.Artwork == 1) {
        layers.push_back({edge, ShadowOffset * scale, colours::Shadow1});
        layers.push_back({edge, 0, colours::Edge1});
        layers.push_back({character, 0, colours::Vowels[size_t(KanaCatalogue[face.Kana].Vowel)].Character});
    } else {
        layers.push_back({character, 0, colours::Ink0});
    }
    const TWidenedInk ink(run, pixelsPerEm, penX, penY, face.Artwork == 1 ? edge : character,
                          face.Artwork == 1 ? ShadowOffset * scale : 0);
    std::vector<uint8_t> coverage(cell.Pixels.size());
    for (const TLayer& layer : layers) {
        std::fill(coverage.begin(), coverage.end(), 0);
        ink.Coverage(layer.Radius, layer.Shift, clip, coverage, cell.Width);
        Blend(cell, coverage, layer.Colour);
    }
}

// Each picture is centred across on its own ink, and a kana also down, moved to whole device pixels
// so that every tile of a face is the same picture.
double WholeShift(double centre, double inkCentre)
{
    return std::round(centre - inkCentre);
}

void DrawKana(TPixelImage& cell, const TFacePicture& face, double scale, const TPixelRect& clip)
{
    const TCatalogueKana& entry = KanaCatalogue[face.Kana];
    const TInkRun run = KanaRun(face.Script == TScript::Katakana ? entry.Katakana : entry.Hiragana);
    const bool withReading = face.Shows == TFaceShows::KanaWithReading;
    const double size = KanaPixelsPerEm(face.Kana, face.Script, withReading, face.Artwork) * scale;
    const TBox& box = withReading ? CharacterBox : AloneBox;
    const double shadow = ArtworkInk(face.Artwork).Shadow / 2;
    const double penX = WholeShift((box.CentreX() - shadow) * scale, (run.Box.Left + run.Box.Right) / 2 * size);
    const double penY = WholeShift((box.CentreY() - shadow) * scale, (run.Box.Top + run.Box.Bottom) / 2 * size);
    DrawWidened(cell, run, size, penX, penY, face, scale, clip);
}

void DrawAloneReading(TPixelImage& cell, const TFacePicture& face, double scale, const TPixelRect& clip)
{
    const TInkRun run = WordRun(KanaCatalogue[face.Kana].Reading);
    const TWordSetting setting = AloneReadingSetting(face.Kana, face.Artwork);
    const double size = setting.PixelsPerEm * scale;
    const double shadow = ArtworkInk(face.Artwork).Shadow / 2;
    const double penX = WholeShift((AloneBox.CentreX() - shadow) * scale, (run.Box.Left + run.Box.Right) / 2 * size);
    DrawWidened(cell, run, size, penX, std::round(setting.Baseline * scale), face, scale, clip);
}

// The small reading under a kana, as the font draws it, unwidened, on a whole pixel's baseline.
void DrawSmallReading(TPixelImage& cell, const TFacePicture& face, double scale, const TPixelRect& clip)
{
    const TInkRun run = WordRun(KanaCatalogue[face.Kana].Reading);
    const double size = ReadingPixelsPerEm * scale;
    const double left = std::round(ReadingCentre * scale - run.Advance * size / 2);
    std::vector<uint8_t> all(cell.Pixels.size());
    const double baseline = std::round(ReadingBaseline * scale);
    for (const TPlacedGlyph& glyph : run.Glyphs)
        glyph.Font->Rasterise(glyph.Glyph, size, left + glyph.PenX * size, baseline, all.data(), cell.Width,
                              cell.Height);
    std::vector<uint8_t> coverage(all.size());
    for (int32_t y = clip.Top; y < clip.Bottom; ++y)
        for (int32_t x = clip.Left; x < clip.Right; ++x) {
            const size_t i = static_cast<size_t>(y) * static_cast<size_t>(cell.Width) + static_cast<size_t>(x);
            coverage[i] = all[i];
        }
    Blend(cell, coverage, face.Artwork == 1 ? colours::Reading1 : colours::Reading0);
}

}  // namespace

int32_t FaceWidth(double scale)
{
    return static_cast<int32_t>(std::lround(TileWidth * scale));
}

int32_t FaceHeight(double scale)
{
    return static_cast<int32_t>(std::lround(TileHeight * scale));
}

TPixelImage MakeFace(const TFacePicture& face, double scale)
{
    TPixelImage cell(FaceWidth(scale), FaceHeight(scale));
    DrawFrame(cell, PlateColour(face));
    if (face.Kana >= CatalogueSize)
        return cell;
    // The inner plate's pixels, those whose centres lie on it, as the frame finds them.
    const double across = double(cell.Width) / TileWidth, down = double(cell.Height) / TileHeight;
    const auto first = [](double edge, double scale) { return static_cast<int32_t>(std::ceil(edge * scale - 0.5)); };
    const TPixelRect clip{first(InnerPlate.Left, across), first(InnerPlate.Top, down),
                          first(InnerPlate.Left + InnerPlate.Width, across),
                          first(InnerPlate.Top + InnerPlate.Height, down)};
    if (face.Shows == TFaceShows::Reading) {
        DrawAloneReading(cell, face, scale, clip);
        return cell;
    }
    DrawKana(cell, face, scale, clip);
    if (face.Shows == TFaceShows::KanaWithReading)
        DrawSmallReading(cell, face, scale, clip);
    return cell;
}

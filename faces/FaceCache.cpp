#include "faces/FaceCache.h"

#include <algorithm>

#include "faces/FaceMaker.h"

namespace {

constexpr size_t ShowsCount = 3;
// A kana beyond the catalogue shares one slot, as it shares one picture.
constexpr size_t SlotCount = (CatalogueSize + 1) * ScriptCount * ShowsCount * 2 * 2;

size_t Slot(const TFacePicture& face)
{
    const size_t kana = std::min<size_t>(face.Kana, CatalogueSize);
    size_t slot = kana * ScriptCount + static_cast<size_t>(face.Script);
    slot = slot * ShowsCount + static_cast<size_t>(face.Shows);
    slot = slot * 2 + (face.Artwork == 1 ? 1 : 0);
    return slot * 2 + (face.Highlighted ? 1 : 0);
}

}  // namespace

TFaceCache::TFaceCache(double scale) : CurrentScale(scale), Faces(SlotCount) {}

void TFaceCache::SetScale(double scale)
{
    if (scale == CurrentScale)
        return;
    CurrentScale = scale;
    for (std::unique_ptr<TPixelImage>& face : Faces)
        face.reset();
    Made = 0;
}

const TPixelImage& TFaceCache::Face(const TFacePicture& face)
{
    std::unique_ptr<TPixelImage>& kept = Faces[Slot(face)];
    if (!kept) {
        TFacePicture drawn = face;
        drawn.Kana = std::min<TKanaId>(face.Kana, CatalogueSize);
        drawn.Artwork = face.Artwork == 1 ? 1 : 0;
        kept = std::make_unique<TPixelImage>(MakeFace(drawn, CurrentScale));
        ++Made;
    }
    return *kept;
}

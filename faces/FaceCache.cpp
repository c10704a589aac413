#include "faces/FaceCache.h"

#include <algorithm>
#include <atomic>

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

std::unique_ptr<TPixelImage> TFaceCache::Make(const TFacePicture& face) const
{
    TFacePicture drawn = face;
    drawn.Kana = std::min<TKanaId>(face.Kana, CatalogueSize);
    drawn.Artwork = face.Artwork == 1 ? 1 : 0;
    return std::make_unique<TPixelImage>(MakeFace(drawn, CurrentScale));
}

const TPixelImage& TFaceCache::Face(const TFacePicture& face)
{
    std::unique_ptr<TPixelImage>& kept = Faces[Slot(face)];
    if (!kept) {
        kept = Make(face);
        ++Made;
    }
    return *kept;
}

void TFaceCache::Prepare(std::span<const TFacePicture> faces, const TSideBySide& sideBySide)
{
    // A repaint finds them all kept: that costs one look each.
    std::vector<const TFacePicture*> missing;
    for (const TFacePicture& face : faces)
        if (!Faces[Slot(face)])
            missing.push_back(&face);
    if (missing.empty())
        return;
    std::sort(missing.begin(), missing.end(),
              [](const TFacePicture* a, const TFacePicture* b) { return Slot(*a) < Slot(*b); });
    missing.erase(std::unique(missing.begin(), missing.end(),
                              [](const TFacePicture* a, const TFacePicture* b) { return Slot(*a) == Slot(*b); }),
                  missing.end());
    // Each worker takes the next face not yet taken and fills its own slot.
    std::atomic<size_t> next = 0;
    const auto work = [&] {
        for (size_t i = next++; i < missing.size(); i = next++)
            Faces[Slot(*missing[i])] = Make(*missing[i]);
    };
    constexpr size_t FacesWorthAThread = 8;
    if (sideBySide)
        sideBySide(missing.size() / FacesWorthAThread, work);
    else
        work();
    Made += missing.size();
}

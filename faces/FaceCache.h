#pragma once

#include <memory>
#include <span>
#include <vector>

#include "faces/PixelImage.h"
#include "model/FacePicture.h"

// The faces of one scale, each made when first asked for and kept: a board needs a few dozen of
// the thousands the catalogue can show. A new scale drops them all.
class TFaceCache {
public:
    explicit TFaceCache(double scale = 1);

    double Scale() const { return CurrentScale; }
    void SetScale(double scale);
    const TPixelImage& Face(const TFacePicture& face);
    // Makes those of faces not kept yet, side by side on the processor's cores but for those
    // taken by other work: a new board's few dozen at once.
    void Prepare(std::span<const TFacePicture> faces, unsigned coresTaken = 0);
    // How many faces are kept now.
    size_t Count() const { return Made; }

private:
    std::unique_ptr<TPixelImage> Make(const TFacePicture& face) const;

    double CurrentScale;
    std::vector<std::unique_ptr<TPixelImage>> Faces;  // by Slot
    size_t Made = 0;
};

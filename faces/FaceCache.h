#pragma once

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "faces/PixelImage.h"
#include "model/FacePicture.h"

// Runs work on up to helpers more threads side by side with the caller, and returns once all have
// ended; the desktops have one (parallel/SpareCores.h). Without one, the caller makes every face.
using TSideBySide = std::function<void(size_t helpers, const std::function<void()>& work)>;

// The faces of one scale, each made when first asked for and kept: a board needs a few dozen of
// the thousands the catalogue can show. A new scale drops them all.
class TFaceCache {
public:
    explicit TFaceCache(double scale = 1);

    double Scale() const { return CurrentScale; }
    void SetScale(double scale);
    const TPixelImage& Face(const TFacePicture& face);
    // Makes those of faces not kept yet: a new board's few dozen at once, side by side where
    // sideBySide is given.
    void Prepare(std::span<const TFacePicture> faces, const TSideBySide& sideBySide = {});
    // How many faces are kept now.
    size_t Count() const { return Made; }

private:
    std::unique_ptr<TPixelImage> Make(const TFacePicture& face) const;

    double CurrentScale;
    std::vector<std::unique_ptr<TPixelImage>> Faces;  // by Slot
    size_t Made = 0;
};

#include "faces/SharedFaces.h"

#include <memory>
#include <vector>

#include "faces/FaceCache.h"

const TPixelImage& SharedFace(const TFacePicture& face, double scale)
{
    // A handful of scales at most in a run: one per screen density the dialogs were shown on.
    static std::vector<std::unique_ptr<TFaceCache>> caches;
    for (const std::unique_ptr<TFaceCache>& cache : caches)
        if (cache->Scale() == scale)
            return cache->Face(face);
    return caches.emplace_back(std::make_unique<TFaceCache>(scale))->Face(face);
}

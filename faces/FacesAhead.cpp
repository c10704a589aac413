#include "faces/FacesAhead.h"

#include <exception>
#include <utility>

TFacesAhead::TFacesAhead(std::vector<TFacePicture> faces, double scale)
    : Scale(scale), Made(std::async(std::launch::async, [faces = std::move(faces), scale] {
          TFaceCache cache(scale);
          // The window is being built meanwhile: its core is left to it, or the first frame waits.
          cache.Prepare(faces, 1);
          return cache;
      }))
{
}

void TFacesAhead::Hand(std::optional<TFacesAhead>& ahead, TBoardPicture& picture)
{
    if (!ahead)
        return;
    if (std::optional<TFaceCache> faces = ahead->Take(picture.Scale()))
        picture.TakeFaces(std::move(*faces));
    ahead.reset();
}

std::optional<TFaceCache> TFacesAhead::Take(double scale)
{
    if (!Made.valid())
        return std::nullopt;
    try {
        TFaceCache made = Made.get();
        if (scale == Scale)
            return made;
    } catch (const std::exception&) {
        // The picture meets the same fault when it makes the face, and reports it there.
    }
    return std::nullopt;
}

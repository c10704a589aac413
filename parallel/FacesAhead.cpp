#include "parallel/FacesAhead.h"

#include <exception>
#include <utility>

#include "parallel/SpareCores.h"

TFacesAhead::TFacesAhead(std::vector<TFacePicture> faces, double scale)
    : Made(std::async(std::launch::async, [faces = std::move(faces), scale] {
          TFaceCache cache(scale);
          // The window is being built meanwhile: its core is left to it, or the first frame waits.
          cache.Prepare(faces, OnSpareCores(1));
          return cache;
      }))
{
}

void TFacesAhead::Hand(std::optional<TFacesAhead>& ahead, TBoardPicture& picture)
{
    if (!ahead)
        return;
    try {
        picture.TakeFaces(ahead->Made.get());
    } catch (const std::exception&) {
        // The picture meets the same fault when it makes the face, and reports it there.
    }
    ahead.reset();
}

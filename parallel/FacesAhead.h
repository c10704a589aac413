#pragma once

#include <future>
#include <optional>
#include <vector>

#include "faces/BoardPicture.h"
#include "faces/FaceCache.h"
#include "model/FacePicture.h"

// The first board's faces made on other cores while the window is still being built, for the board
// picture to take on when it is made at the scale they were made for.
class TFacesAhead {
public:
    TFacesAhead(std::vector<TFacePicture> faces, double scale);

    // Hands the faces to a picture made since, waiting for them if need be, and lets go of them. A
    // picture of another scale, or faces whose making failed, leave the picture to make its own.
    static void Hand(std::optional<TFacesAhead>& ahead, TBoardPicture& picture);

private:
    std::future<TFaceCache> Made;
};

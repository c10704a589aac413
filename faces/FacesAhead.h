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

    // The faces, waiting for them if need be, once; none for another scale or where making them
    // failed, and the picture makes its own as it would have.
    std::optional<TFaceCache> Take(double scale);

    // Hands the faces to a picture made since, and lets go of them.
    static void Hand(std::optional<TFacesAhead>& ahead, TBoardPicture& picture);

private:
    double Scale;
    std::future<TFaceCache> Made;
};

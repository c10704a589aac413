#include "win32/common/SpriteUnit.h"

#include <stdexcept>

#include "win32/common/Artwork.h"

TImageForm* ImageForm = nullptr;

TSpriteSheet::TSpriteSheet(const std::string& name)
    : Names{name, name + "@2x"}
{
    for (const std::string& each : Names)
        if (!FindArtwork(each))
            throw std::runtime_error("The built-in picture " + each + ".png is missing.");
}

const TDib& TSpriteSheet::Image(int scale) const
{
    const size_t index = scale >= 2 ? 1 : 0;
    if (!Images[index])
        Images[index] = DecodeArtwork(Names[index]);
    return *Images[index];
}

TImageForm::TImageForm()
    : FaceImage("FaceImage"), BackgroundImage("BackgroundImage"), FaceImage_2("FaceImage_2")
{
}

const TSpriteSheet& TImageForm::Sheet(TSheet sheet) const
{
    const TSpriteSheet* const inOrder[] = {&FaceImage, &FaceImage_2, &BackgroundImage};  // as TSheet lists them
    return *inOrder[static_cast<size_t>(sheet)];
}

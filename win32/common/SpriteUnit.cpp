#include "win32/common/SpriteUnit.h"

#include <algorithm>
#include <stdexcept>

#include "app/ArtworkNames.h"
#include "win32/common/Artwork.h"

TImageForm* ImageForm = nullptr;

TSpriteSheet::TSpriteSheet(const std::string& name)
    : Names{name, name + "@2x"}
{
    for (const std::string& each : Names)
        if (!FindArtwork(each))
            throw std::runtime_error(UnreadableArtworkText(each + ".png"));
}

const TDib& TSpriteSheet::Image(int scale) const
{
    const size_t index = scale >= 2 ? 1 : 0;
    if (!Whole[index]) {
        Images[index] = DecodeArtwork(Names[index]);
        Whole[index] = true;
    }
    return *Images[index];
}

const TDib& TSpriteSheet::Rows(int scale, int bottom) const
{
    const size_t index = scale >= 2 ? 1 : 0;
    const int rows = bottom * static_cast<int>(index + 1);
    std::unique_ptr<TDib>& image = Images[index];
    if (Whole[index] || (image && image->Height() >= rows))
        return *image;
    // Each new decoding reads from the top again, so it takes at least twice the rows it had.
    const int asked = image ? std::max(rows, 2 * image->Height()) : rows;
    image = DecodeArtworkTop(Names[index], asked);
    Whole[index] = image->Height() < asked;
    return *image;
}

TImageForm::TImageForm()
    : FaceImage(SheetName(TSheet::FaceImage))
    , BackgroundImage(SheetName(TSheet::BackgroundImage))
    , FaceImage_2(SheetName(TSheet::FaceImage_2))
{
}

const TSpriteSheet& TImageForm::Sheet(TSheet sheet) const
{
    const TSpriteSheet* const inOrder[] = {&FaceImage, &FaceImage_2, &BackgroundImage};  // as TSheet lists them
    return *inOrder[static_cast<size_t>(sheet)];
}

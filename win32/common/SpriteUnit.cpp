#include "win32/common/SpriteUnit.h"

#include <cstring>
#include <stdexcept>

#include "app/ArtworkNames.h"
#include "faces/SharedFaces.h"
#include "win32/common/Artwork.h"
#include "win32/common/Dpi.h"

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
    if (!Images[index])
        Images[index] = DecodeArtwork(Names[index]);
    return *Images[index];
}

TImageForm::TImageForm()
    : BackgroundImage(SheetName(TSheet::BackgroundImage))
{
}

TPixelImage TImageForm::Textures(int scale) const
{
    const TDib& sheet = BackgroundImage.Image(scale);
    TPixelImage pixels(sheet.Width(), sheet.Height());
    for (size_t i = 0; i < pixels.Pixels.size(); ++i)
        pixels.Pixels[i] = 0xff000000 | sheet.Pixels()[i];
    return pixels;
}

void DrawTileFace(HDC dc, const TFacePicture& face, UINT dpi, int left, int top)
{
    const TPixelImage& pixels = SharedFace(face, DeviceScale(dpi));
    TDib cell(pixels.Width, pixels.Height);
    std::memcpy(cell.Pixels(), pixels.Pixels.data(), pixels.Pixels.size() * sizeof(uint32_t));
    BitBlt(dc, left, top, pixels.Width, pixels.Height, cell.Dc(), 0, 0, SRCCOPY);
}
